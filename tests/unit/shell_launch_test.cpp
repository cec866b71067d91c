// The shell launch against the real shell: the system's command interpreter stands in for a
// game and writes the working folder it was started in.

#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/exception.h"
#include "platform/files.h"
#include "platform/shell_launch.h"
#include "platform/text_codec.h"
#include "unit/scratch_folder.h"

namespace zix {
namespace {

using zix::testing::ScratchFolder;

std::u16string SystemFolder() {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  return std::u16string(folder, folder + (length < MAX_PATH ? length : 0));
}

// What the started program wrote, once it has written a whole line; empty after ten seconds.
std::string WaitForLine(const std::u16string& path) {
  for (int waited = 0; waited < 200; ++waited) {
    if (FileExists(path)) {
      try {
        std::string text = SystemFileReader().ReadAll(path);
        if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") return text;
      } catch (const Exception&) {
        // Still being written by the program: try again.
      }
    }
    Sleep(50);
  }
  return {};
}

std::u16string Interpreter() { return SystemFolder() + u"\\cmd.exe"; }

TEST(ShellLaunch, ExecuteFileStartsInTheFilesFolder) {
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  const std::u16string record = scratch.PathOf(u"folder.txt");
  const intptr_t result = ExecuteFile(Interpreter(), u"/c cd > \"" + record + u"\"");
  EXPECT_GT(result, 32);
  // The folder part keeps its closing "\"; the interpreter shows a folder without it.
  EXPECT_EQ(WaitForLine(record), ToUtf8(SystemFolder()) + "\r\n");
}

TEST(ShellLaunch, ExecuteFileInDirPassesTheFolderUnchanged) {
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  scratch.MakeFolder(u"data");
  const std::u16string record = scratch.PathOf(u"folder.txt");
  const std::u16string folder = scratch.PathOf(u"data");  // without a closing "\"
  const intptr_t result =
      ExecuteFileInDir(Interpreter(), u"/c cd > \"" + record + u"\"", folder);
  EXPECT_GT(result, 32);
  EXPECT_EQ(WaitForLine(record), ToUtf8(folder) + "\r\n");
}

TEST(ShellLaunch, MissingFileGivesTheShellsErrorCode) {
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  const intptr_t result = ExecuteFile(scratch.PathOf(u"missing.exe"), u"");
  EXPECT_LE(result, 32);
  EXPECT_EQ(result, SE_ERR_FNF);
}

}  // namespace
}  // namespace zix
#endif
