#include "check/autorun_check.h"

#include "check/document_lookup.h"
#include "check/report_output.h"
#include "check/report_warnings.h"
#include "platform/text_codec.h"

namespace zix::check {

namespace {

constexpr std::u16string_view kAutorunSection = u"autorun";

// The program of a command: the quoted part, else everything up to the first blank.
std::u16string_view ProgramOf(std::u16string_view command) {
  if (command.starts_with(u'"')) {
    const size_t close = command.find(u'"', 1);
    return command.substr(1, close == std::u16string_view::npos ? close : close - 1);
  }
  return command.substr(0, command.find(u' '));
}

// "zixgame.exe,0" names the file zixgame.exe and the first icon in it.
std::u16string_view IconFileOf(std::u16string_view icon) {
  const size_t comma = icon.rfind(u',');
  std::u16string_view file = icon.substr(0, comma);
  if (file.size() >= 2 && file.front() == u'"' && file.back() == u'"')
    file = file.substr(1, file.size() - 2);
  return file;
}

std::u16string DecodedText(const std::string& bytes, unsigned codePage, bool* failed) {
  IniEncoding encoding = IniEncoding::Ansi;
  std::u16string text = DecodeIniBytes(bytes, &encoding, failed);
  // Unmarked, AutoPlay reads the file in the code page of the machine the disc is put in.
  if (encoding == IniEncoding::Ansi) text = DecodeCodePage(bytes, codePage);
  return text;
}

}  // namespace

std::optional<std::u16string> DiscLabelFor(std::u16string_view title) {
  if (title.empty() || title.size() > kLongestDiscLabel) return std::nullopt;
  for (const char16_t unit : title)
    if (unit < 0x20) return std::nullopt;
  return std::u16string(title);
}

std::string ComposeAutorun(std::u16string_view title) {
  std::u16string text = u"[autorun]\r\nopen=" + std::u16string(kLauncherProgram) + u"\r\nicon=" +
                        std::u16string(kLauncherProgram) + u",0\r\n";
  if (const auto label = DiscLabelFor(title)) text += u"label=" + *label + u"\r\n";
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

void CheckAutorun(std::u16string filePath, const std::optional<std::string>& bytes,
                  unsigned codePage, const FolderHasFile& hasFile, CheckReport& report) {
  const Language language = report.options.language;
  AutorunReport autorun{filePath, std::nullopt, std::nullopt, std::nullopt};
  Warnings found;
  const auto warn = [&](uint32_t line, const char* code, std::u16string message) {
    found.emplace_back(line, code, std::move(message), filePath);
  };
  // After the settings file's own findings, in the order of this file's lines.
  const auto finish = [&] {
    SortWarnings(found);
    report.warnings.insert(report.warnings.end(), found.begin(), found.end());
    report.autorun = std::move(autorun);
  };
  bool failed = false;
  const std::u16string text = bytes ? DecodedText(*bytes, codePage, &failed) : std::u16string();
  if (!bytes || failed) {
    const uint32_t line = bytes ? FirstInvalidUtf8Line(std::string_view(*bytes).substr(3)) : 0;
    warn(line, "autorun-unreadable",
         Say(language, Phrase::AutorunUnreadable,
             {Say(language, bytes ? Phrase::InvalidUtf8Bytes : Phrase::CannotBeRead)}));
    finish();
    return;
  }
  IniDocument document;
  document.sections = ParseIniText(text);
  const IniSection* section = FirstSection(document, kAutorunSection);
  if (!section) {
    warn(0, "autorun-open", Say(language, Phrase::AutorunNoSection));
    finish();
    return;
  }
  for (const IniLine& line : section->lines)
    if (!line.isKey) warn(line.lineNumber, "autorun-unreadable", Say(language, Phrase::AutorunBadLine, {line.name}));

  const IniLine* open = FirstKey(*section, u"open");
  if (!open) open = FirstKey(*section, u"shellexecute");
  if (!open || open->value.empty()) {
    warn(open ? open->lineNumber : section->lineNumber, "autorun-open",
         Say(language, Phrase::AutorunNoOpen));
  } else {
    autorun.open = std::u16string(open->value);
    const std::u16string_view program = ProgramOf(open->value);
    if (!NamesMatch(program, kLauncherProgram)) {
      warn(open->lineNumber, "autorun-open", Say(language, Phrase::AutorunOtherProgram, {open->value}));
    } else if (!hasFile(program)) {
      warn(open->lineNumber, "autorun-open", Say(language, Phrase::AutorunLauncherMissing));
    }
  }

  const IniLine* icon = FirstKey(*section, u"icon");
  if (!icon || icon->value.empty()) {
    warn(icon ? icon->lineNumber : section->lineNumber, "autorun-icon",
         Say(language, Phrase::AutorunNoIconKey));
  } else {
    autorun.icon = std::u16string(icon->value);
    const std::u16string_view file = IconFileOf(icon->value);
    if (!hasFile(file)) warn(icon->lineNumber, "autorun-icon", Say(language, Phrase::AutorunIconMissing, {file}));
  }
  if (const IniLine* label = FirstKey(*section, u"label")) autorun.label = std::u16string(label->value);
  finish();
}

std::u16string AutorunText(const AutorunReport& autorun, Language language) {
  const std::u16string program =
      autorun.open ? *autorun.open : Say(language, Phrase::AutorunStartsNothing);
  const std::u16string icon = autorun.icon ? Say(language, Phrase::AutorunIcon, {*autorun.icon})
                                           : Say(language, Phrase::AutorunNoIcon);
  const std::u16string label =
      autorun.label ? Say(language, Phrase::AutorunLabel, {Quote(language, *autorun.label)}) : u"";
  return Say(language, Phrase::AutorunLine, {program, icon, label});
}

}  // namespace zix::check
