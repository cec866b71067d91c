// Loading the settings file while one operation of the file layer fails: the Nth operation of
// a load is made to fail, for N = 1, 2, ... until the load runs without meeting the fault.
// Every step must give either the whole file's settings or an error for the fatal box, never
// part of a file; the opened file must be released on every path (LeakSanitizer sees the rest).

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "app/error_text.h"
#include "platform/exception.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "settings/ini_file.h"
#include "unit/scratch_folder.h"

namespace zix {
namespace {

using zix::testing::ScratchFolder;

enum class Operation { Open, Size, Allocate, Read, Close };

const char* NameOf(Operation operation) {
  switch (operation) {
    case Operation::Open: return "open";
    case Operation::Size: return "size";
    case Operation::Allocate: return "allocate";
    case Operation::Read: return "read";
    case Operation::Close: return "close";
  }
  return "?";
}

// How the file behaves while nothing fails.
struct FileBehaviour {
  bool sizeKnown = true;
  size_t largestRead = SIZE_MAX;  // a file that hands out its bytes in pieces
};

// How an operation fails when its turn comes. Open is refused, the size is unknown and the close
// reports failure in every plan; reads and allocations fail in one of two ways.
struct FaultPlan {
  bool readGoesShort = false;           // fewer bytes than asked, instead of a read error
  bool allocationGivesNothing = false;  // the buffer left as it was, instead of bad_alloc
};

constexpr char16_t kDeniedText[] = u"Access is denied";
constexpr char16_t kDeviceText[] = u"Input/output error";

// What happened in one load through the faulty layer.
struct Trace {
  std::vector<Operation> operations;
  std::optional<Operation> failed;  // the operation that met the fault, if one did
  int filesOpened = 0;
  int filesReleased = 0;
};

class FaultyFile final : public OpenedFile {
 public:
  FaultyFile(std::u16string path, const std::string& content, const FileBehaviour& behaviour,
             const FaultPlan& plan, std::function<bool(Operation)> turn, Trace& trace)
      : path_(std::move(path)), content_(content), behaviour_(behaviour), plan_(plan),
        turn_(std::move(turn)), trace_(trace) {
    ++trace_.filesOpened;
  }
  ~FaultyFile() override { ++trace_.filesReleased; }

  std::optional<uint64_t> Size() override {
    if (turn_(Operation::Size) || !behaviour_.sizeKnown) return std::nullopt;
    return content_.size();
  }

  size_t Read(char* into, size_t room) override {
    const bool fails = turn_(Operation::Read);
    if (fails && !plan_.readGoesShort)
      throw EReadError(CannotReadFileMessage(path_, kDeviceText));
    size_t count = std::min({room, content_.size() - position_, behaviour_.largestRead});
    if (fails && count > 1) count /= 2;
    std::copy_n(content_.data() + position_, count, into);
    position_ += count;
    return count;
  }

  bool Close() override { return !turn_(Operation::Close); }

 private:
  std::u16string path_;
  const std::string& content_;
  const FileBehaviour& behaviour_;
  const FaultPlan& plan_;
  std::function<bool(Operation)> turn_;
  Trace& trace_;
  size_t position_ = 0;
};

// A file layer whose operation number failAt (counted from 1 over the whole load) fails.
class FaultyLayer final : public StepwiseFileReader {
 public:
  FaultyLayer(std::string content, FileBehaviour behaviour, FaultPlan plan, size_t failAt)
      : content_(std::move(content)), behaviour_(behaviour), plan_(plan), failAt_(failAt) {}

  Trace trace;

 protected:
  std::unique_ptr<OpenedFile> Open(std::u16string_view path) override {
    if (Turn(Operation::Open)) throw EFOpenError(CannotOpenFileMessage(path, kDeniedText));
    return std::make_unique<FaultyFile>(std::u16string(path), content_, behaviour_, plan_,
                                        [this](Operation operation) { return Turn(operation); },
                                        trace);
  }

  void Resize(std::string& bytes, size_t size) override {
    if (!Turn(Operation::Allocate)) return StepwiseFileReader::Resize(bytes, size);
    if (!plan_.allocationGivesNothing) throw std::bad_alloc();
  }

 private:
  // Counts the operation; true when it is the one that fails.
  bool Turn(Operation operation) {
    trace.operations.push_back(operation);
    if (trace.operations.size() != failAt_) return false;
    trace.failed = operation;
    return true;
  }

  std::string content_;
  FileBehaviour behaviour_;
  FaultPlan plan_;
  size_t failAt_;
};

// The settings as a text that differs whenever any section, line, name or value does.
std::string Describe(const IniDocument& document) {
  std::u16string text;
  for (const IniSection& section : document.sections) {
    text += u"[" + std::u16string(section.name) + u"]\n";
    for (const IniLine& line : section.lines) {
      text += std::u16string(line.name);
      if (line.isKey) text += u"=" + std::u16string(line.value);
      text += u"\n";
    }
  }
  return ToUtf8(text);
}

// A settings file larger than the reader's first guess when the size is unknown, so that the
// buffer must grow, with the mark, Chinese text and a line at the very end.
std::string SettingsBytes() {
  std::string bytes = "\xEF\xBB\xBF[set]\r\nCount=40\r\ntitle=\xE6\xB8\xB8\xE6\x88\x8F\r\n";
  for (int entry = 1; entry <= 40; ++entry) {
    const std::string n = std::to_string(entry);
    bytes += "[" + n + "]\r\nText=\xE6\xB8\xB8\xE6\x88\x8F " + n + "\r\nHint=" +
             std::string(60, 'h') + "\r\nexe=games\\" + n + "\\game.exe\r\nParam=-w " + n + "\r\n";
  }
  return bytes + "[last]\r\nkey=value";
}

struct Outcome {
  std::string errorClass;  // empty: the settings loaded
  std::u16string message;
  std::string settings;
};

Outcome Load(const std::u16string& path, FileReader& reader) {
  const FormatSettings format(u'.');
  try {
    const std::unique_ptr<TMemIniFile> ini = TMemIniFile::Create(path, format, reader);
    return {"", u"", Describe(ini->Document())};
  } catch (const Exception& error) {
    return {error.ClassName(), error.Message(), ""};
  }
}

// What each operation's failure must end in: the whole settings (no class), or this error.
struct Expected {
  const char* errorClass;
  std::u16string message;
};

Expected ExpectedFor(Operation failed, const FaultPlan& plan, const std::u16string& path) {
  switch (failed) {
    case Operation::Open:
      return {"EFOpenError", u"Cannot open file \"" + path + u"\". Access is denied"};
    case Operation::Allocate:
      return {"EOutOfMemory", u"Out of memory"};
    case Operation::Read:
      if (plan.readGoesShort) return {nullptr, u""};
      return {"EReadError", u"Cannot read file \"" + path + u"\". Input/output error"};
    case Operation::Size:   // read on to the end without the hint
    case Operation::Close:  // every byte was in hand before it
      return {nullptr, u""};
  }
  return {"?", u""};
}

struct WalkCase {
  const char* name;
  FileBehaviour behaviour;
  FaultPlan plan;
};

class ReadFaultWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(ReadFaultWalk, EveryStepLoadsAllOrReportsAnError) {
  const WalkCase& c = GetParam();
  ScratchFolder scratch;
  ASSERT_TRUE(scratch.ok());
  const std::string bytes = SettingsBytes();
  // The real file only has to exist: the load asks the existence test before the layer.
  scratch.Write(u"zixgame.ini", bytes);
  const std::u16string path = scratch.PathOf(u"zixgame.ini");
  const FormatSettings format(u'.');
  const std::string whole = Describe(TMemIniFile(path, format, bytes).Document());
  ASSERT_NE(whole.find("[last]\nkey=value\n"), std::string::npos) << whole;

  std::map<Operation, int> failedAtLeastOnce;
  for (size_t n = 1;; ++n) {
    ASSERT_LT(n, 1000u) << "the walk does not end";
    FaultyLayer layer(bytes, c.behaviour, c.plan, n);
    const Outcome outcome = Load(path, layer);
    const Trace& trace = layer.trace;
    SCOPED_TRACE("operation " + std::to_string(n) + " (" +
                 (trace.failed ? NameOf(*trace.failed) : "none reached") + ")");
    EXPECT_EQ(trace.filesReleased, trace.filesOpened) << "an opened file was not released";

    if (!trace.failed) {
      // The fault lay beyond the last operation: the plain load, and the end of the walk.
      EXPECT_EQ(outcome.errorClass, "");
      EXPECT_EQ(outcome.settings, whole);
      EXPECT_EQ(trace.operations.size(), n - 1);
      break;
    }
    ++failedAtLeastOnce[*trace.failed];
    const Expected expected = ExpectedFor(*trace.failed, c.plan, path);
    if (expected.errorClass == nullptr) {
      EXPECT_EQ(outcome.errorClass, "") << ToUtf8(outcome.message);
      EXPECT_EQ(outcome.settings, whole) << "part of the file, or more than the file";
    } else {
      EXPECT_EQ(outcome.errorClass, expected.errorClass);
      EXPECT_EQ(ToUtf8(outcome.message), ToUtf8(expected.message));
      EXPECT_EQ(outcome.settings, "");
      // An error stops the load at once: nothing is asked of the file after it.
      EXPECT_EQ(trace.operations.size(), n);
    }
  }
  for (const Operation operation : {Operation::Open, Operation::Size, Operation::Allocate,
                                    Operation::Read, Operation::Close}) {
    EXPECT_GT(failedAtLeastOnce[operation], 0) << "the walk never failed a " << NameOf(operation);
  }
}

INSTANTIATE_TEST_SUITE_P(
    FileLayers, ReadFaultWalk,
    ::testing::Values(
        WalkCase{"SizeToldReadErrors", {}, {}},
        WalkCase{"SizeToldShortReads", {}, {.readGoesShort = true, .allocationGivesNothing = true}},
        WalkCase{"SizeUnknownReadErrors", {.sizeKnown = false}, {}},
        WalkCase{"SizeUnknownShortReads", {.sizeKnown = false},
                 {.readGoesShort = true, .allocationGivesNothing = true}},
        WalkCase{"PiecesReadErrors", {.largestRead = 1000}, {}},
        WalkCase{"PiecesShortReads", {.largestRead = 1000},
                 {.readGoesShort = true, .allocationGivesNothing = true}}),
    [](const auto& info) { return std::string(info.param.name); });

// The errors of the walk as the fatal box shows them: class, message, and the box's full stop.
TEST(ReadFaultWalk, ErrorsReadInTheFatalBox) {
  struct Row {
    const char* errorClass;
    std::u16string message;
    std::u16string boxText;
  };
  const Row rows[] = {
      {"EFOpenError", u"Cannot open file \"C:\\g\\zixgame.ini\". Access is denied",
       u"Exception EFOpenError in module zixgame.exe at 00001A2B.\r\n"
       u"Cannot open file \"C:\\g\\zixgame.ini\". Access is denied.\r\n"},
      {"EReadError", u"Cannot read file \"C:\\g\\zixgame.ini\". The device is not ready",
       u"Exception EReadError in module zixgame.exe at 00001A2B.\r\n"
       u"Cannot read file \"C:\\g\\zixgame.ini\". The device is not ready.\r\n"},
      {"EOutOfMemory", u"Out of memory",
       u"Exception EOutOfMemory in module zixgame.exe at 00001A2B.\r\nOut of memory.\r\n"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ToUtf8(FatalErrorText(row.errorClass, {u"zixgame.exe", 0x1A2B}, row.message)),
              ToUtf8(row.boxText));
  }
}

}  // namespace
}  // namespace zix
