// zixgame-inidump FILE: loads a settings file as the launcher does and prints, as UTF-8, the
// encoding found, every section with its lines, and the launcher's keys as it reads them.
#include <charconv>
#include <cstdio>
#include <string>

#include "platform/exception.h"
#include "platform/format_settings.h"
#include "platform/text_codec.h"
#include "settings/ini_file.h"
#include "settings/launcher_keys.h"

namespace {

using namespace zix;

// Entries past this are counted, not printed: Count may be any 32-bit number.
constexpr int32_t kMostEntriesShown = 10000;

class Output {
 public:
  Output& operator<<(std::u16string_view text) { return *this << ToUtf8(text); }
  Output& operator<<(std::string_view bytes) {
    text_ += bytes;
    return *this;
  }
  Output& operator<<(int64_t number) { return *this << std::to_string(number); }
  // Raw UTF-8 bytes; in text mode Windows writes each line end as CR LF.
  bool Flush() {
    const bool written = std::fwrite(text_.data(), 1, text_.size(), stdout) == text_.size();
    text_.clear();
    return written && std::fflush(stdout) == 0;
  }

 private:
  std::string text_;
};

// Between quotes, so that empty texts and edge blanks show; controls become \xNN. Runs of
// other units convert as a whole, so that surrogate pairs stay together.
std::string Quoted(std::u16string_view text) {
  std::string out = "\"";
  size_t runStart = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] >= u' ') continue;
    out += ToUtf8(text.substr(runStart, i - runStart));
    if (i < text.size()) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(text[i]));
      out += escape;
    }
    runStart = i + 1;
  }
  return out + "\"";
}

std::string EncodingName(IniEncoding encoding) {
  switch (encoding) {
    case IniEncoding::Utf8: return "UTF-8 (mark EF BB BF)";
    case IniEncoding::Utf16LE: return "UTF-16 little-endian (mark FF FE)";
    case IniEncoding::Utf16BE: return "UTF-16 big-endian (mark FE FF)";
    case IniEncoding::Ansi: break;
  }
  return "ANSI code page " + std::to_string(AnsiCodePage()) + " (no mark)";
}

std::string Number(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

void DumpDocument(const TMemIniFile& ini, Output& out) {
  const IniDocument& document = ini.Document();
  out << "file: " << ini.FileName() << "\n";
  out << "encoding: " << EncodingName(document.encoding) << "\n";
  if (document.decodeFailed) out << "decoding failed: invalid UTF-8, the file reads as empty\n";
  out << "sections: " << static_cast<int64_t>(document.sections.size()) << "\n";
  for (const IniSection& section : document.sections) {
    out << "\n" << static_cast<int64_t>(section.lineNumber) << ": [" << section.name << "]\n";
    for (const IniLine& line : section.lines) {
      out << static_cast<int64_t>(line.lineNumber) << ":   ";
      if (line.isKey) out << Quoted(line.name) << " = " << Quoted(line.value) << "\n";
      else out << "(no \"=\") " << Quoted(line.name) << "\n";
    }
  }
}

void Integer(const TMemIniFile& ini, std::u16string_view section, const keys::IntegerKey& key, Output& out) {
  out << "  " << key.name << " = " << static_cast<int64_t>(ini.ReadInteger(section, key.name, key.defaultValue)) << "\n";
}

void Text(const TMemIniFile& ini, std::u16string_view section, const keys::TextKey& key, Output& out) {
  out << "  " << key.name << " = " << Quoted(ini.ReadString(section, key.name, key.defaultValue)) << "\n";
}

void Float(const TMemIniFile& ini, std::u16string_view section, const keys::FloatKey& key, Output& out) {
  out << "  " << key.name << " = ";
  try {
    out << Number(ini.ReadFloat(section, key.name, key.defaultValue)) << "\n";
  } catch (const Exception& e) {
    out << e.ClassName() << ": " << e.Message() << "\n";
  }
}

void DumpLauncherKeys(const TMemIniFile& ini, Output& out) {
  out << "\nthe launcher reads:\n[" << keys::kSetSection << "]\n";
  Text(ini, keys::kSetSection, keys::kTitle, out);
  Integer(ini, keys::kSetSection, keys::kWidth, out);
  Integer(ini, keys::kSetSection, keys::kHeight, out);
  Integer(ini, keys::kSetSection, keys::kCount, out);
  Integer(ini, keys::kSetSection, keys::kCol, out);
  const int32_t count = ini.ReadInteger(keys::kSetSection, keys::kCount.name, keys::kCount.defaultValue);
  for (int32_t n = 1; n <= count && n <= kMostEntriesShown; ++n) {
    const std::u16string section = FromUtf8(std::to_string(n));
    out << "[" << section << "]\n";
    for (const auto& key : {keys::kText, keys::kHint}) Text(ini, section, key, out);
    for (const auto& key : {keys::kMinOs, keys::kMaxOs}) Float(ini, section, key, out);
    for (const auto& key : {keys::kExe, keys::kExeX64, keys::kCurDir, keys::kParam, keys::kParamX64})
      Text(ini, section, key, out);
  }
  if (count > kMostEntriesShown)
    out << "(" << static_cast<int64_t>(count - kMostEntriesShown) << " more entries not shown)\n";
}

int Run(std::u16string fileName) {
  Output out;
  try {
    const FormatSettings format;  // the user's decimal separator, as the launcher reads it
    const auto ini = TMemIniFile::Create(std::move(fileName), format);
    DumpDocument(*ini, out);
    DumpLauncherKeys(*ini, out);
  } catch (const Exception& e) {
    out.Flush();
    std::fprintf(stderr, "%s: %s\n", e.ClassName(), ToUtf8(e.Message()).c_str());
    return 1;
  }
  return out.Flush() ? 0 : 1;
}

constexpr const char* kUsage = "usage: zixgame-inidump FILE\n";

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::wstring_view name(argv[1]);
  return Run(std::u16string(name.begin(), name.end()));
}
#else
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  return Run(FromUtf8(argv[1]));
}
#endif
