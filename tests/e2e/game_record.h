#pragma once
// What the fake game writes about how it was started, one line per start, so that a test
// can see the command line, working folder and program path the shell really gave it.

#include <string>
#include <string_view>
#include <vector>

namespace zix::e2e {

// The environment variable naming the file the fake game appends its record to.
inline constexpr wchar_t kRecordVariable[] = L"ZIX_FAKEGAME_RECORD";

struct GameRecord {
  std::u16string commandLine;
  std::u16string workingFolder;
  std::u16string programPath;
  // For each DLL the command line named after --load-libraries, in its order and each followed
  // by "\n": the file it was loaded from, or "error " and LoadLibraryW's error.
  std::u16string libraries = {};

  bool operator==(const GameRecord&) const = default;
};

// One UTF-8 line ending in "\n": the four fields separated by tabs, with "%", tab, CR, LF
// and the other control characters written as %XX so that no value can break the line.
std::string EncodeRecord(const GameRecord& record);

// Every complete line of a record file; a last line without its "\n" is a record still being
// written and is left out. A line that is not four fields is kept with its text in
// commandLine and the rest empty, so that a test sees it rather than losing it.
std::vector<GameRecord> DecodeRecords(std::string_view bytes);

}  // namespace zix::e2e
