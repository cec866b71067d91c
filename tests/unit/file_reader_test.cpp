#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <new>

#include "platform/exception.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "unit/scratch_folder.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/unique_handle_win32.h"
#endif

namespace zix {
namespace {

using zix::testing::ScratchFolder;

// What the fake file does at each step; every step can be made to fail.
struct Script {
  std::string content = "[set]\r\nCount=1\r\n";
  std::optional<uint64_t> reportedSize = std::nullopt;  // none: the content's size
  bool sizeUnknown = false;
  bool openFails = false;
  size_t readFailsAt = SIZE_MAX;  // the number of the read call that fails
  size_t largestRead = SIZE_MAX;  // a file that hands out its bytes in small pieces
  bool closeFails = false;
  size_t resizeFailsAt = SIZE_MAX;
};

struct Trace {
  int reads = 0;
  bool closed = false;
  bool destroyed = false;
  std::vector<size_t> resizes;
};

class ScriptedFile final : public OpenedFile {
 public:
  ScriptedFile(const Script& script, Trace& trace) : script_(script), trace_(trace) {}
  ~ScriptedFile() override { trace_.destroyed = true; }

  std::optional<uint64_t> Size() override {
    if (script_.sizeUnknown) return std::nullopt;
    return script_.reportedSize.value_or(script_.content.size());
  }
  size_t Read(char* into, size_t room) override {
    if (static_cast<size_t>(trace_.reads++) == script_.readFailsAt) {
      throw EReadError(u"Cannot read file \"x\". broken");
    }
    const size_t n = std::min({room, script_.content.size() - position_, script_.largestRead});
    std::copy_n(script_.content.data() + position_, n, into);
    position_ += n;
    return n;
  }
  bool Close() override {
    trace_.closed = true;
    return !script_.closeFails;
  }

 private:
  const Script& script_;
  Trace& trace_;
  size_t position_ = 0;
};

class ScriptedReader final : public StepwiseFileReader {
 public:
  explicit ScriptedReader(Script script) : script_(std::move(script)) {}
  Trace trace;

 protected:
  std::unique_ptr<OpenedFile> Open(std::u16string_view path) override {
    if (script_.openFails) throw EFOpenError(CannotOpenFileMessage(path, u"Denied."));
    return std::make_unique<ScriptedFile>(script_, trace);
  }
  void Resize(std::string& bytes, size_t size) override {
    if (trace.resizes.size() == script_.resizeFailsAt) throw std::bad_alloc();
    trace.resizes.push_back(size);
    StepwiseFileReader::Resize(bytes, size);
  }

 private:
  Script script_;
};

std::string LongText(size_t size) {
  std::string text(size, '\0');
  for (size_t i = 0; i < size; ++i) text[i] = static_cast<char>('a' + i % 26);
  return text;
}

TEST(FileReader, SizeIsOnlyAHint) {
  struct Row {
    const char* what;
    Script script;
  };
  Row rows[] = {
      {"size as reported", {}},
      {"empty file", {.content = ""}},
      {"grew after the size was taken", {.content = LongText(10000), .reportedSize = 10}},
      {"shrank after the size was taken", {.content = "abc", .reportedSize = 5000}},
      {"size unknown", {.content = LongText(9000), .sizeUnknown = true}},
      {"bytes in small pieces", {.content = LongText(3000), .largestRead = 7}},
      {"zero bytes kept", {.content = std::string("a\0b\0", 4)}},
  };
  for (Row& row : rows) {
    ScriptedReader reader(row.script);
    EXPECT_EQ(reader.ReadAll(u"x.ini"), row.script.content) << row.what;
    EXPECT_TRUE(reader.trace.closed) << row.what;
    EXPECT_TRUE(reader.trace.destroyed) << row.what;
  }
}

TEST(FileReader, OneResizeAndOneReadWhenTheSizeIsRight) {
  ScriptedReader reader({.content = LongText(500)});
  EXPECT_EQ(reader.ReadAll(u"x.ini").size(), 500u);
  EXPECT_EQ(reader.trace.resizes, std::vector<size_t>{501});
  EXPECT_EQ(reader.trace.reads, 2);  // the bytes, then the end
}

TEST(FileReader, EachStepsFailure) {
  {
    ScriptedReader reader({.openFails = true});
    EXPECT_THROW(reader.ReadAll(u"x.ini"), EFOpenError);
  }
  {
    ScriptedReader reader({.readFailsAt = 0});
    EXPECT_THROW(reader.ReadAll(u"x.ini"), EReadError);
    EXPECT_TRUE(reader.trace.destroyed);  // the file is released on the way out
  }
  {
    ScriptedReader reader({.content = LongText(100), .readFailsAt = 4, .largestRead = 10});
    EXPECT_THROW(reader.ReadAll(u"x.ini"), EReadError);
    EXPECT_TRUE(reader.trace.destroyed);
  }
  {
    ScriptedReader reader({.resizeFailsAt = 0});
    EXPECT_THROW(reader.ReadAll(u"x.ini"), EOutOfMemory);
    EXPECT_TRUE(reader.trace.destroyed);
  }
  {
    ScriptedReader reader({.content = LongText(100), .reportedSize = 10, .resizeFailsAt = 1});
    EXPECT_THROW(reader.ReadAll(u"x.ini"), EOutOfMemory);
  }
  {
    // A size no memory could hold is an allocation failure, not a wrapped-around small size.
    ScriptedReader reader({.reportedSize = UINT64_MAX});
    EXPECT_THROW(reader.ReadAll(u"x.ini"), EOutOfMemory);
  }
  {
    // Every byte was in hand before the close, and nothing was written: the bytes stand.
    Script script{.closeFails = true};
    ScriptedReader reader(script);
    EXPECT_EQ(reader.ReadAll(u"x.ini"), script.content);
  }
}

TEST(FileReader, OutOfMemoryMessage) {
  ScriptedReader reader({.resizeFailsAt = 0});
  try {
    reader.ReadAll(u"x.ini");
    FAIL() << "no error";
  } catch (const EOutOfMemory& e) {
    EXPECT_EQ(e.Message(), u"Out of memory");
    EXPECT_STREQ(e.ClassName(), "EOutOfMemory");
  }
}

TEST(SystemFileReader, ReadsEveryByte) {
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  std::string bytes = "\xEF\xBB\xBF[set]\r\n" + LongText(70000) + std::string("\0\xFF", 2);
  scratch.Write(u"zixgame.ini", bytes);
  scratch.Write(u"empty.ini", "");
  EXPECT_EQ(SystemFileReader().ReadAll(scratch.PathOf(u"zixgame.ini")), bytes);
  EXPECT_EQ(SystemFileReader().ReadAll(scratch.PathOf(u"empty.ini")), "");
  // Windows removes a file only when no handle is open on it: the reader left none behind.
  std::filesystem::remove(std::filesystem::path(scratch.PathOf(u"zixgame.ini")));
  EXPECT_FALSE(FileExists(scratch.PathOf(u"zixgame.ini")));
}

std::u16string OpenErrorMessage(const std::u16string& path) {
  try {
    SystemFileReader().ReadAll(path);
  } catch (const EFOpenError& e) {
    return e.Message();
  }
  return u"(no error)";
}

TEST(SystemFileReader, MissingFileNamesItsFullPath) {
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  const std::u16string path = scratch.PathOf(u"missing.ini");
  const std::u16string message = OpenErrorMessage(path);
  const std::u16string start = u"Cannot open file \"" + path + u"\". ";
  ASSERT_EQ(message.substr(0, start.size()), start) << ToUtf8(message);
  const std::u16string reason = message.substr(start.size());
  EXPECT_FALSE(reason.empty());
  EXPECT_NE(reason.back(), u'.');
  EXPECT_GT(reason.back(), u' ');
}

TEST(SystemFileReader, EmbeddedZeroOpensNothing) {
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  scratch.Write(u"a.ini", "secret");
  EXPECT_THROW(SystemFileReader().ReadAll(scratch.PathOf(std::u16string(u"a.ini\0b", 7))),
               EFOpenError);
}

#ifdef _WIN32
// The system's words for a sharing violation, as the message must end.
std::u16string SharingViolationText() {
  wchar_t text[512] = {};
  const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, ERROR_SHARING_VIOLATION, 0, text, 512, nullptr);
  std::u16string result(text, text + length);
  while (!result.empty() && (result.back() <= u' ' || result.back() == u'.')) result.pop_back();
  return result;
}

TEST(SystemFileReader, FileHeldForWritingCannotBeOpened) {
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  scratch.Write(u"zixgame.ini", "[set]");
  // Relative to the current folder, so that the message shows the path made absolute.
  const std::u16string full = scratch.PathOf(u"zixgame.ini");
  const std::u16string folder = scratch.Folder();
  const std::wstring wideFolder(folder.begin(), folder.end());
  wchar_t previous[MAX_PATH] = {};
  ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryW(wideFolder.c_str()));
  const std::wstring wideFull(full.begin(), full.end());
  UniqueFileHandle writer(CreateFileW(wideFull.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  const bool writerHeld = static_cast<bool>(writer);
  const std::u16string message = OpenErrorMessage(u"zixgame.ini");
  writer.reset();
  // The test's own folder: failing to go back cannot affect what was measured.
  static_cast<void>(SetCurrentDirectoryW(previous));
  ASSERT_TRUE(writerHeld);
  const std::u16string expected = u"Cannot open file \"" + full + u"\". ";
  ASSERT_EQ(message.substr(0, expected.size()), expected) << ToUtf8(message);
  EXPECT_EQ(message.substr(expected.size()), SharingViolationText()) << ToUtf8(message);
  // Once the writer is gone the same file reads.
  EXPECT_EQ(SystemFileReader().ReadAll(full), "[set]");
}
#endif

}  // namespace
}  // namespace zix
