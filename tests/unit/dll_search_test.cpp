// After the start-up step a DLL asked for by name comes from the system folder alone: a copy
// beside the program or in its current folder is not found. Each case runs in a child of its
// own, since the step holds for the whole process that takes it.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "platform/unique_handle_win32.h"
#include "scratch_folder.h"
#include "windows_host_win32.h"

namespace zix {
namespace {

enum class Place { BesideTheProgram, CurrentFolder, SystemFolder };

struct SearchCase {
  const char* name;
  bool restricted;  // the child takes the start-up step before it asks
  Place planted;
  DWORD exitCode;  // the child's answer: 0 loaded, otherwise LoadLibraryW's error
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return length == 0 || length >= MAX_PATH ? std::wstring() : std::wstring(folder, length) + L"\\";
}

// The child's exit code, or nothing when it did not start or end in time.
std::optional<DWORD> RunInFolder(std::wstring commandLine, const std::wstring& folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &child)) {
    return std::nullopt;
  }
  const UniqueKernelHandle process(child.hProcess);
  const UniqueKernelHandle thread(child.hThread);  // not needed: the process handle is enough
  DWORD exitCode = 0;
  if (WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process.get(), &exitCode)) {
    return std::nullopt;
  }
  return exitCode;
}

class DllSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(DllSearch, FindsByNameOnlyWhereTheSystemLetsIt) {
  const SearchCase& c = GetParam();
  const testing::ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  scratch.MakeFolder(u"program");
  scratch.MakeFolder(u"current");
  const std::wstring programFolder = scratch.root().wstring() + L"\\program\\";
  const std::wstring currentFolder = scratch.root().wstring() + L"\\current\\";
  const std::wstring probe = programFolder + L"load_by_name.exe";
  ASSERT_TRUE(CopyFileW(BesideThisProgram(L"load_by_name.exe").c_str(), probe.c_str(), TRUE));

  // A name of this run alone, so that no copy another run left behind can answer.
  const std::wstring name = L"zixplanted-" + std::to_wstring(GetCurrentProcessId()) + L".dll";
  const std::wstring folder = c.planted == Place::BesideTheProgram ? programFolder
                              : c.planted == Place::CurrentFolder  ? currentFolder
                                                                   : SystemFolder();
  ASSERT_FALSE(folder.empty());
  const std::wstring planted = folder + name;
  if (!CopyFileW(BesideThisProgram(L"planted_library.dll").c_str(), planted.c_str(), TRUE)) {
    const DWORD error = GetLastError();
    ASSERT_EQ(c.planted, Place::SystemFolder) << "cannot plant the DLL: error " << error;
    GTEST_SKIP() << "the system folder cannot be written here (error " << error << ")";
  }

  const std::optional<DWORD> answer =
      RunInFolder(L"\"" + probe + L"\" " + name + (c.restricted ? L" --restricted" : L""), currentFolder);
  // The system folder is shared with every other program: the copy goes at once.
  if (c.planted == Place::SystemFolder) {
    EXPECT_TRUE(DeleteFileW(planted.c_str()));
  }
  ASSERT_TRUE(answer) << "the child did not start or end";
  if (*answer == 1) {
    GTEST_SKIP() << "this Windows cannot restrict the DLL search (older than 8, not updated)";
  }
  EXPECT_EQ(*answer, c.exitCode);
}

INSTANTIATE_TEST_SUITE_P(
    PlantedCopies, DllSearch,
    ::testing::Values(
        // Without the step the planted copies are found: the cases below show the step at work.
        SearchCase{"BesideTheProgramWithoutTheStep", false, Place::BesideTheProgram, 0},
        SearchCase{"CurrentFolderWithoutTheStep", false, Place::CurrentFolder, 0},
        SearchCase{"BesideTheProgram", true, Place::BesideTheProgram, ERROR_MOD_NOT_FOUND},
        SearchCase{"CurrentFolder", true, Place::CurrentFolder, ERROR_MOD_NOT_FOUND},
        SearchCase{"SystemFolder", true, Place::SystemFolder, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zix
#endif
