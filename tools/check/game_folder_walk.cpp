#include "check/game_folder_walk.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "check/init_settings.h"
#include "check/native_path.h"
#include "check/program_header.h"

namespace zix::check {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Fail(const fs::path& path, Said why) {
  throw CollectionReadError{FromNativePath(path), std::move(why)};
}

[[noreturn]] void FailReading(const fs::path& path, const std::error_code& error) {
  Fail(path, {Phrase::CannotBeReadBecause, {FromUtf8(error.message())}});
}

std::vector<fs::directory_entry> Listing(const fs::path& folder) {
  std::error_code error;
  fs::directory_iterator it(folder, error);
  if (error) FailReading(folder, error);
  std::vector<fs::directory_entry> entries;
  for (const fs::directory_iterator end; it != end; it.increment(error)) {
    if (error) FailReading(folder, error);
    entries.push_back(*it);
  }
  if (error) FailReading(folder, error);
  return entries;
}

// The header of a program file; a damaged one stops the whole run.
ProgramHeader ReadHeaderOf(const fs::path& file) {
  std::error_code error;
  const uintmax_t size = fs::file_size(file, error);
  std::ifstream stream(file, std::ios::binary);
  if (error || !stream) Fail(file, {Phrase::CannotBeRead});
  std::string head(static_cast<size_t>(std::min<uintmax_t>(size, kProgramHeaderReach)), '\0');
  stream.read(head.data(), static_cast<std::streamsize>(head.size()));
  if (static_cast<size_t>(stream.gcount()) != head.size()) Fail(file, {Phrase::CannotBeReadToItsEnd});
  ProgramHeader header = ReadProgramHeader(head, size);
  if (const auto* fault = std::get_if<HeaderFault>(&header)) Fail(file, fault->why);
  return header;
}

void CollectPrograms(const fs::path& folder, const std::u16string& inside, int depth,
                     GameFolder& game) {
  for (const fs::directory_entry& entry : Listing(folder)) {
    std::error_code error;
    const std::u16string name = FromNativePath(entry.path().filename());
    // A "\" inside a name here would part it in two on Windows.
    if (name.find(u'\\') != std::u16string::npos) continue;
    const std::u16string path = inside + u"\\" + name;
    if (entry.is_directory(error)) {
      if (depth < kProgramSearchDepth) CollectPrograms(entry.path(), path, depth + 1, game);
      continue;
    }
    if (!entry.is_regular_file(error) || !IsProgramName(name)) continue;
    const std::u16string_view pathInsideGame =
        std::u16string_view(path).substr(game.name.size() + 1);
    if (IsHelperProgram(pathInsideGame) || !UsableAsLauncherPath(path)) continue;
    const ProgramHeader header = ReadHeaderOf(entry.path());
    const auto* program = std::get_if<WindowsProgram>(&header);
    if (!program) continue;
    std::error_code sizeError;
    game.programs.push_back({path, entry.file_size(sizeError), *program});
  }
}

}  // namespace

std::vector<GameFolder> WalkGameFolders(std::u16string_view collection) {
  const fs::path root = NativePath(collection);
  std::error_code error;
  const fs::file_status status = fs::status(root, error);
  if (!fs::exists(status)) Fail(root, {Phrase::NoSuchFolder});
  if (!fs::is_directory(status)) Fail(root, {Phrase::NotAFolder});
  std::vector<GameFolder> games;
  for (const fs::directory_entry& entry : Listing(root)) {
    if (!entry.is_directory(error)) continue;
    GameFolder game;
    game.name = FromNativePath(entry.path().filename());
    if (game.name.find(u'\\') != std::u16string::npos) continue;
    CollectPrograms(entry.path(), game.name, 0, game);
    games.push_back(std::move(game));
  }
  return games;
}

}  // namespace zix::check
