// The settings reader on real files, through the real file layer of the platform it runs on.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/exception.h"
#include "platform/text_codec.h"
#include "settings/ini_file.h"
#include "settings_bytes.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/unique_handle_win32.h"
#include "windows_host_win32.h"
#endif

namespace zix {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, removed with what it holds.
class IniFolder {
 public:
  IniFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = fs::temp_directory_path() / ("zix-settings-" + std::to_string(stamp));
    fs::create_directories(root_);
  }
  ~IniFolder() {
    std::error_code ignored;  // a leftover folder in the temporary folder harms no later test
    fs::remove_all(root_, ignored);
  }
  IniFolder(const IniFolder&) = delete;
  IniFolder& operator=(const IniFolder&) = delete;

  fs::path Path(const char* name) const { return root_ / name; }

 private:
  fs::path root_;
};

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  ASSERT_TRUE(out.good()) << path;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

constexpr const char* kMark = "\xEF\xBB\xBF";

// BMP text only, which is all these files hold.
std::string Utf32Bytes(std::u16string_view text, bool bigEndian) {
  std::string out = bigEndian ? std::string("\0\0\xFE\xFF", 4) : std::string("\xFF\xFE\0\0", 4);
  for (const char16_t u : text) {
    const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    out += bigEndian ? std::string{'\0', '\0', high, low} : std::string{low, high, '\0', '\0'};
  }
  return out;
}

struct RealFileCase {
  const char* name;
  std::string bytes;
  const char16_t* title;  // read with the default "d"
  int32_t count;          // read with the default -1
};

void PrintTo(const RealFileCase& c, std::ostream* os) { *os << c.name; }

class RealFiles : public ::testing::TestWithParam<RealFileCase> {};

TEST_P(RealFiles, ReadThroughTheSystemAndStayUnchanged) {
  const IniFolder folder;
  const fs::path path = folder.Path("zixgame.ini");
  WriteBytes(path, GetParam().bytes);
  const FormatSettings format(u'.');
  {
    const auto ini = TMemIniFile::Create(path.u16string(), format);
    EXPECT_EQ(ini->FileName(), path.u16string());
    EXPECT_EQ(ini->ReadString(u"set", u"title", u"d"), GetParam().title);
    EXPECT_EQ(ini->ReadInteger(u"set", u"Count", -1), GetParam().count);
  }
  EXPECT_EQ(ReadBytes(path), GetParam().bytes);
}

const char16_t kText[] = u"[set]\r\ntitle=游戏启动\r\nCount=2\r\n[1]\r\nText=第一\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, RealFiles,
    ::testing::Values(
        RealFileCase{"utf-8 with mark", kMark + ToUtf8(kText), u"游戏启动", 2},
        RealFileCase{"utf-16 le", Utf16File(kText), u"游戏启动", 2},
        RealFileCase{"utf-16 be", Utf16File(kText, ByteOrder::BigEndian), u"游戏启动", 2},
        RealFileCase{"ansi ascii crlf", "[set]\r\ntitle=Games\r\nCount=2\r\n", u"Games", 2},
        RealFileCase{"ansi ascii lf", "[set]\ntitle=Games\nCount=2\n", u"Games", 2},
        RealFileCase{"ansi ascii cr", "[set]\rtitle=Games\rCount=2\r", u"Games", 2},
        RealFileCase{"empty", "", u"d", -1},
        RealFileCase{"empty title", "[set]\ntitle=\nCount=0", u"", 0},
        RealFileCase{"invalid utf-8", kMark + ToUtf8(kText) + "\xC0", u"d", -1},
        RealFileCase{"second mark", std::string(kMark) + kMark + ToUtf8(kText), u"d", -1},
        RealFileCase{"utf-16 without mark", Utf16File(kText).substr(2), u"d", -1},
        RealFileCase{"utf-32 le", Utf32Bytes(kText, false), u"d", -1},
        RealFileCase{"utf-32 be", Utf32Bytes(kText, true), u"d", -1},
        RealFileCase{"names in other cases", "[SET]\r\nTITLE=x\r\nCOUNT = 3", u"x", 3},
        RealFileCase{"zero byte", std::string("[set]\r\ntitle=a\0\r\nCount=2", 24), u"a", -1},
        RealFileCase{"big file", "[set]\r\nCount=7\r\n" + std::string(3 << 20, ';') + "\r\ntitle=end",
                     u"end", 7}));

TEST(MissingFileTest, NoFileGivesNoSections) {
  const IniFolder folder;
  const FormatSettings format(u'.');
  const auto ini = TMemIniFile::Create(folder.Path("zixgame.ini").u16string(), format);
  EXPECT_TRUE(ini->Document().sections.empty());
  EXPECT_EQ(ini->ReadString(u"set", u"title", u"游戏启动"), u"游戏启动");
  EXPECT_EQ(ini->ReadInteger(u"set", u"width", 460), 460);
  EXPECT_FALSE(fs::exists(folder.Path("zixgame.ini")));  // looking created nothing
}

TEST(MissingFileTest, AFolderOfThatNameGivesNoSections) {
  const IniFolder folder;
  fs::create_directory(folder.Path("zixgame.ini"));
  const FormatSettings format(u'.');
  const auto ini = TMemIniFile::Create(folder.Path("zixgame.ini").u16string(), format);
  EXPECT_TRUE(ini->Document().sections.empty());
  EXPECT_EQ(ini->ReadInteger(u"set", u"Count", 3), 3);
}

TEST(MissingFileTest, AnEmptyNameGivesNoSections) {
  const FormatSettings format(u'.');
  const auto ini = TMemIniFile::Create(u"", format);
  EXPECT_TRUE(ini->Document().sections.empty());
  EXPECT_EQ(ini->FileName(), u"");
}

TEST(LoadedFileTest, LaterChangesToTheFileChangeNoAnswer) {
  const IniFolder folder;
  const fs::path path = folder.Path("zixgame.ini");
  WriteBytes(path, kMark + ToUtf8(kText));
  const FormatSettings format(u'.');
  const auto ini = TMemIniFile::Create(path.u16string(), format);

  WriteBytes(path, "[set]\r\ntitle=changed\r\nCount=9\r\n[1]\r\nText=x\r\n");
  EXPECT_EQ(ini->ReadString(u"set", u"title", u"d"), u"游戏启动");
  EXPECT_EQ(ini->ReadInteger(u"set", u"Count", -1), 2);
  fs::remove(path);
  EXPECT_EQ(ini->ReadString(u"1", u"Text", u"d"), u"第一");
}

// A file layer that counts its calls and fails as told.
class CountingReader : public FileReader {
 public:
  explicit CountingReader(bool failOpen) : failOpen_(failOpen) {}
  std::string ReadAll(std::u16string_view path) override {
    ++calls;
    if (failOpen_) throw EFOpenError(u"Cannot open file \"" + std::u16string(path) + u"\". Denied");
    return "[set]\nCount=5";
  }
  int calls = 0;

 private:
  bool failOpen_;
};

TEST(FileLayerTest, IsNotAskedWhenThereIsNoFile) {
  const IniFolder folder;
  CountingReader reader(false);
  const FormatSettings format(u'.');
  const auto ini = TMemIniFile::Create(folder.Path("none.ini").u16string(), format, reader);
  EXPECT_EQ(reader.calls, 0);
  EXPECT_EQ(ini->ReadInteger(u"set", u"Count", -1), -1);
  const auto unnamed = TMemIniFile::Create(u"", format, reader);
  EXPECT_EQ(reader.calls, 0);
}

TEST(FileLayerTest, GivesTheBytesOfAnExistingFile) {
  const IniFolder folder;
  WriteBytes(folder.Path("zixgame.ini"), "");
  CountingReader reader(false);
  const FormatSettings format(u'.');
  const auto ini = TMemIniFile::Create(folder.Path("zixgame.ini").u16string(), format, reader);
  EXPECT_EQ(reader.calls, 1);
  EXPECT_EQ(ini->ReadInteger(u"set", u"Count", -1), 5);
}

TEST(FileLayerTest, AnOpenErrorReachesTheCaller) {
  const IniFolder folder;
  WriteBytes(folder.Path("zixgame.ini"), "[set]");
  CountingReader reader(true);
  const FormatSettings format(u'.');
  EXPECT_THROW(TMemIniFile::Create(folder.Path("zixgame.ini").u16string(), format, reader),
               EFOpenError);
}

#ifdef _WIN32
std::u16string Widened(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

std::wstring HelperPath() { return BesideThisProgram(L"hold_file_open.exe"); }

TEST(HeldFileTest, AFileAnotherProgramWritesRaisesOpenErrorWithThePathAndTheReason) {
  const IniFolder folder;
  const fs::path path = folder.Path("zixgame.ini");
  const std::string bytes = kMark + ToUtf8(kText);
  WriteBytes(path, bytes);

  const std::wstring stamp = std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
  const std::wstring readyName = L"zix-settings-ready-" + stamp;
  const std::wstring releaseName = L"zix-settings-release-" + stamp;
  const UniqueKernelHandle ready(CreateEventW(nullptr, TRUE, FALSE, readyName.c_str()));
  const UniqueKernelHandle release(CreateEventW(nullptr, TRUE, FALSE, releaseName.c_str()));
  ASSERT_TRUE(ready && release);

  std::wstring command = L"\"" + HelperPath() + L"\" \"" + path.wstring() + L"\" " + readyName +
                         L" " + releaseName;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &child))
      << "cannot start " << ToUtf8(Widened(HelperPath()));
  const UniqueKernelHandle process(child.hProcess);
  const UniqueKernelHandle thread(child.hThread);

  const HANDLE waitFor[] = {ready.get(), process.get()};
  ASSERT_EQ(WaitForMultipleObjects(2, waitFor, FALSE, 20000), WAIT_OBJECT_0)
      << "the child did not report that it holds the file";

  const FormatSettings format(u'.');
  try {
    TMemIniFile::Create(path.u16string(), format);
    ADD_FAILURE() << "no error while the file was held for writing";
  } catch (const EFOpenError& e) {
    const std::u16string reason = SystemText(ERROR_SHARING_VIOLATION);
    ASSERT_FALSE(reason.empty());
    EXPECT_EQ(e.Message(), u"Cannot open file \"" + path.u16string() + u"\". " + reason);
  }

  // Let go, then the same file loads.
  EXPECT_TRUE(SetEvent(release.get()));
  EXPECT_EQ(WaitForSingleObject(process.get(), 20000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  EXPECT_TRUE(GetExitCodeProcess(process.get(), &exitCode));
  EXPECT_EQ(exitCode, 0u);
  const auto ini = TMemIniFile::Create(path.u16string(), format);
  EXPECT_EQ(ini->ReadInteger(u"set", u"Count", -1), 2);
  EXPECT_EQ(ReadBytes(path), bytes);
}
#endif

}  // namespace
}  // namespace zix
