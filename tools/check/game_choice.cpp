#include "check/game_choice.h"

#include <algorithm>
#include <tuple>

namespace zix::check {

namespace {

char16_t LowerAscii(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

std::u16string Lowered(std::u16string_view text) {
  std::u16string out(text);
  std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
  return out;
}

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::u16string_view FileNameOf(std::u16string_view path) {
  const size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::u16string_view StemOf(std::u16string_view fileName) {
  const size_t dot = fileName.rfind(u'.');
  return dot == std::u16string_view::npos ? fileName : fileName.substr(0, dot);
}

bool IsHelperName(std::u16string_view name) {
  const std::u16string lowered = Lowered(name);
  std::u16string_view bare = lowered;
  // "_CommonRedist", "__Installer": folders that stores put beside the game.
  while (!bare.empty() && bare.front() == u'_') bare.remove_prefix(1);
  static constexpr std::u16string_view kPrefixes[] = {u"unins", u"setup", u"install", u"vcredist",
                                                      u"dxsetup"};
  static constexpr std::u16string_view kInside[] = {u"redist", u"crash", u"prereq"};
  static constexpr std::u16string_view kOwnPrograms[] = {u"zixgame", u"zixgame-check"};
  for (const auto prefix : kPrefixes)
    if (StartsWith(bare, prefix)) return true;
  for (const auto part : kInside)
    if (bare.find(part) != std::u16string_view::npos) return true;
  for (const auto own : kOwnPrograms)
    if (bare == own) return true;
  return false;
}

// A name reduced to what tells games apart: ASCII letters in one case, no blanks or
// punctuation, no processor tag at the end ("Racing_x64" and "racing" name the same game).
std::u16string GameKey(std::u16string_view name) {
  std::u16string key;
  for (const char16_t unit : Lowered(name)) {
    const bool asciiWord = (unit >= u'a' && unit <= u'z') || (unit >= u'0' && unit <= u'9');
    if (asciiWord || unit > 0x7F) key += unit;
  }
  static constexpr std::u16string_view kTags[] = {u"win64", u"win32", u"amd64", u"x64", u"x86",
                                                  u"64", u"32"};
  for (const auto tag : kTags) {
    if (key.size() > tag.size() && EndsWith(key, tag)) {
      key.resize(key.size() - tag.size());
      break;
    }
  }
  return key;
}

std::optional<ProgramFile> Best(const GameFolder& folder, ProgramMachine machine) {
  const std::u16string folderKey = GameKey(folder.name);
  const ProgramFile* best = nullptr;
  const auto rank = [&](const ProgramFile& file) {
    const bool namesGame = GameKey(StemOf(FileNameOf(file.path))) == folderKey;
    const auto depth = std::count(file.path.begin(), file.path.end(), u'\\');
    // Greater is better; the path breaks ties so that the choice never depends on the walk.
    return std::make_tuple(namesGame, file.size, -depth);
  };
  for (const ProgramFile& file : folder.programs) {
    if (file.program.machine != machine) continue;
    if (!best || rank(file) > rank(*best) || (rank(file) == rank(*best) && file.path < best->path))
      best = &file;
  }
  if (!best) return std::nullopt;
  return *best;
}

}  // namespace

bool IsProgramName(std::u16string_view fileName) {
  return EndsWith(Lowered(fileName), u".exe") && fileName.size() > 4;
}

bool IsHelperProgram(std::u16string_view pathInsideGame) {
  size_t start = 0;
  while (start <= pathInsideGame.size()) {
    size_t end = pathInsideGame.find(u'\\', start);
    if (end == std::u16string_view::npos) end = pathInsideGame.size();
    std::u16string_view name = pathInsideGame.substr(start, end - start);
    if (end == pathInsideGame.size()) name = StemOf(name);
    if (!name.empty() && IsHelperName(name)) return true;
    start = end + 1;
  }
  return false;
}

std::optional<GameEntry> ChooseGameEntry(const GameFolder& folder) {
  GameEntry entry;
  entry.folderName = folder.name;
  entry.exe = Best(folder, ProgramMachine::I386);
  entry.exeX64 = Best(folder, ProgramMachine::Amd64);
  if (!entry.exe && !entry.exeX64) return std::nullopt;
  return entry;
}

std::vector<GameEntry> ChooseGameEntries(const std::vector<GameFolder>& folders) {
  std::vector<GameEntry> entries;
  for (const GameFolder& folder : folders)
    if (auto entry = ChooseGameEntry(folder)) entries.push_back(std::move(*entry));
  std::sort(entries.begin(), entries.end(), [](const GameEntry& a, const GameEntry& b) {
    return std::make_pair(Lowered(a.folderName), a.folderName) <
           std::make_pair(Lowered(b.folderName), b.folderName);
  });
  return entries;
}

bool NeedsVista(const GameEntry& entry) {
  for (const auto& file : {entry.exe, entry.exeX64})
    if (file && file->program.subsystemMajor < 6) return false;
  return true;
}

}  // namespace zix::check
