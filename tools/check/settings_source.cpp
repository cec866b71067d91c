#include "check/settings_source.h"

#include <filesystem>
#include <system_error>

#include "check/native_path.h"
#include "platform/exception.h"
#include "platform/files.h"
#include "platform/text_codec.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

std::string AsMarkedUtf16LE(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  bytes.reserve(2 + text.size() * 2);
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

std::u16string Shown(const std::filesystem::path& path) { return FromNativePath(path); }

}  // namespace

LoadedSettings SettingsFromBytes(std::u16string filePath, std::u16string folder, std::string bytes,
                                 unsigned codePage, const FormatSettings& format) {
  LoadedSettings s;
  s.filePath = std::move(filePath);
  s.folder = std::move(folder);
  s.bytes = std::move(bytes);
  DecodeIniBytes(s.bytes, &s.encoding, &s.decodeFailed);
  if (s.encoding == IniEncoding::Ansi) {
    // The reader decodes unmarked files in the code page of the machine it runs on; the tool
    // must use the one of the machine that will run the launcher. Handed over as marked
    // UTF-16, the same text reaches the same parser unit for unit.
    s.ini = std::make_unique<TMemIniFile>(s.filePath, format,
                                          AsMarkedUtf16LE(DecodeCodePage(s.bytes, codePage)));
  } else {
    s.ini = std::make_unique<TMemIniFile>(s.filePath, format, s.bytes);
  }
  return s;
}

LoadedSettings LoadSettings(std::u16string_view target, unsigned codePage,
                            const FormatSettings& format) {
  namespace fs = std::filesystem;
  const fs::path given = NativePath(target);
  std::error_code error;
  fs::path file = given;
  fs::path folder = given.parent_path();
  if (fs::is_directory(given, error)) {
    file = given / NativePath(keys::kSettingsFileName);
    folder = given;
  }
  if (folder.empty()) folder = ".";
  const fs::file_status status = fs::status(file, error);
  if (!fs::exists(status)) throw SettingsReadError{{Phrase::NoSettingsFile, {Shown(file)}}};
  if (fs::is_directory(status)) throw SettingsReadError{{Phrase::IsAFolder, {Shown(file)}}};

  std::string bytes;
  try {
    bytes = SystemFileReader().ReadAll(FromNativePath(file));
  } catch (const Exception& e) {
    throw SettingsReadError{{Phrase::CannotReadSettings, {e.Message()}}};
  }
  return SettingsFromBytes(FromNativePath(file), FromNativePath(folder), std::move(bytes), codePage,
                           format);
}

}  // namespace zix::check
