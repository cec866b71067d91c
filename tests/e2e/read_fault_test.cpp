// A settings file that opens but cannot be read ends the start-up in the fatal box with the
// read error, exit code 1 and no window.
//
// Windows refuses a read inside a byte range that another handle holds locked; Wine 8 holds
// the lock (a second LockFileEx fails) but lets ReadFile through, so that case skips there.
// Under Wine the settings file is instead a unix link to /proc/self/mem, which opens, has a
// size, and fails every read at offset 0 with EIO, as a failing disk would.

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "box_expectations.h"
#include "e2e_timing.h"
#include "launcher_fixture.h"
#include "launcher_watch.h"
#include "platform/unique_handle_win32.h"
#include "text_convert.h"
#include "window_reader.h"
#include "windows_host_win32.h"

namespace zix::e2e {
namespace {

// The error a read of the first byte of the file meets, or nothing when it reads.
std::optional<DWORD> FirstReadError(const std::u16string& path) {
  UniqueFileHandle file(CreateFileW(ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  char byte = 0;
  DWORD got = 0;
  if (ReadFile(file.get(), &byte, 1, &got, nullptr)) return std::nullopt;
  return GetLastError();
}

class ReadFault : public LauncherTest {
 protected:
  std::u16string SettingsPath() const { return folder_.Path() + u"zixgame.ini"; }

  // Starts the launcher and expects the fatal box for a read that failed with `error`, then
  // the end with exit code 1 and the main window never shown. The caller's WaitForExit then
  // checks the folder, once nothing of the test's own holds the file any more.
  void ExpectFatalReadError(DWORD error) {
    ASSERT_TRUE(Start());
    const Sighting first = WaitForSighting(Launcher(), kAppearMs);
    ASSERT_EQ(first.what, Sight::MessageBox) << "saw " << SightName(first.what) << " first";
    const std::optional<MessageBoxFacts> box = ReadMessageBox(first.window);
    ASSERT_TRUE(box);
    ExpectFatalBox(*box);
    EXPECT_EQ(FatalMessage(box->text, u"EReadError"),
              u"Cannot read file \"" + SettingsPath() + u"\". " + SystemText(error) + u".")
        << "text \"" << ToUtf8(box->text) << "\"";
    EXPECT_FALSE(VisibleTopLevelWindow(Launcher().Id(), kMainWindowClass));
    ASSERT_TRUE(PressOk(*box, kBoxGoneMs));
    const ExitWatch watch = WatchUntilExit(Launcher(), kExitMs);
    EXPECT_EQ(watch.exitCode, 1u);
    EXPECT_FALSE(watch.mainWindowSeen) << "the main window is never shown after a fatal error";
  }
};

TEST_F(ReadFault, RangeLockedByAnotherProgram) {
  ASSERT_TRUE(folder_.WriteSettings("[set]\r\ntitle=never seen\r\n"));
  SnapshotFolderNow();
  // Read access and shared reading, so that the launcher's own open still succeeds.
  UniqueFileHandle holder(CreateFileW(ToWide(SettingsPath()).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(holder) << "cannot open the settings file, error " << GetLastError();
  OVERLAPPED whole{};
  ASSERT_TRUE(LockFileEx(holder.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                         MAXDWORD, MAXDWORD, &whole))
      << "cannot lock the settings file, error " << GetLastError();
  const std::optional<DWORD> error = FirstReadError(SettingsPath());
  if (!error) {
    GTEST_SKIP() << "ReadFile reads a range that another handle holds under an exclusive lock "
                    "(Wine does not enforce byte-range locks on reads)";
  }
  ExpectFatalReadError(*error);
  // The lock goes with the handle; unlocking first is tidier but changes nothing measured.
  static_cast<void>(UnlockFileEx(holder.get(), 0, MAXDWORD, MAXDWORD, &whole));
  holder.reset();
  EXPECT_EQ(WaitForExit(), 1u);
}

// A unix symbolic link made by the unix program ln, which Wine starts like a Windows one;
// removed again when the owner goes. Not made (ok() false) outside Wine.
class UnixLink {
 public:
  UnixLink(const std::u16string& link, const char* unixTarget) : link_(link) {
    using UnixName = char*(__cdecl*)(const wchar_t*);
    using DosName = wchar_t*(__cdecl*)(const char*);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    const auto unixName = kernel ? reinterpret_cast<UnixName>(
                                       reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")))
                                 : nullptr;
    const auto dosName = kernel ? reinterpret_cast<DosName>(
                                      reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_dos_file_name")))
                                : nullptr;
    if (unixName == nullptr || dosName == nullptr) return;
    // Both answers are allocated on the process heap; a failed free only leaks test memory.
    char* unixLink = unixName(ToWide(link).c_str());
    wchar_t* lnProgram = dosName("/bin/ln");
    if (unixLink != nullptr && lnProgram != nullptr) {
      std::wstring commandLine = L"ln -s " + ToWide(FromUtf8(unixTarget)) + L" \"" +
                                 ToWide(FromUtf8(unixLink)) + L"\"";
      STARTUPINFOW startup{};
      startup.cb = sizeof startup;
      PROCESS_INFORMATION process{};
      if (CreateProcessW(lnProgram, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process)) {
        // A unix child's handle cannot be waited for under Wine: the link appearing is the sign.
        UniqueKernelHandle processHandle(process.hProcess);
        UniqueKernelHandle threadHandle(process.hThread);
        // ok() says afterwards whether the link came.
        (void)WaitUntil([this] { return ok(); }, kAppearMs);
      }
    }
    static_cast<void>(HeapFree(GetProcessHeap(), 0, unixLink));
    static_cast<void>(HeapFree(GetProcessHeap(), 0, lnProgram));
  }
  ~UnixLink() {
    // Removes the link, never its target; one left behind goes with the launcher folder.
    if (ok()) static_cast<void>(DeleteFileW(ToWide(link_).c_str()));
  }
  UnixLink(const UnixLink&) = delete;
  UnixLink& operator=(const UnixLink&) = delete;

  bool ok() const { return GetFileAttributesW(ToWide(link_).c_str()) != INVALID_FILE_ATTRIBUTES; }

 private:
  std::u16string link_;
};

TEST_F(ReadFault, DeviceErrorAfterTheOpen) {
  const UnixLink link(SettingsPath(), "/proc/self/mem");
  if (!link.ok()) GTEST_SKIP() << "needs Wine's unix side to make a file whose reads fail";
  const std::optional<DWORD> error = FirstReadError(SettingsPath());
  ASSERT_TRUE(error) << "the linked file would not open, or its first byte could be read";
  // The file is unreadable before the run and must be the same after it.
  SnapshotFolderNow();
  ExpectFatalReadError(*error);
  EXPECT_EQ(WaitForExit(), 1u);
}

}  // namespace
}  // namespace zix::e2e
