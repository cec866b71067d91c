#pragma once
// The settings object: the whole file decoded and held in memory, answering typed reads.
// It only reads; nothing is ever written, to the file or anywhere else.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/format_settings.h"
#include "settings/ini_index.h"

namespace zix {

enum class IniEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

// Names, values and texts are views into the decoded text that the IniDocument holding them
// keeps alive: one buffer for the whole file instead of an allocation for every line.
struct IniLine {
  std::u16string_view name;   // key lines: trimmed name; bare lines: the trimmed text
  std::u16string_view value;  // key lines: trimmed value
  bool isKey = false;
  uint32_t lineNumber = 0;  // 1-based line in the decoded text, for diagnostics
};

struct IniSection {
  std::u16string_view name;
  uint32_t lineNumber = 0;
  std::vector<IniLine> lines;
};

// What the reader made of a file's bytes: the detected encoding and the sections in file order.
struct IniDocument {
  IniEncoding encoding = IniEncoding::Ansi;
  bool decodeFailed = false;  // a UTF-8 mark followed by invalid bytes
  std::vector<IniSection> sections;
  // The decoded text the sections point into, shared so that copies of the document stay valid.
  std::shared_ptr<const std::u16string> text;
};

// Bytes to text: tells the encoding from the mark and decodes the rest. The text is cut at
// its first U+0000 by ParseIniText, not here.
std::u16string DecodeIniBytes(std::string_view bytes, IniEncoding* encoding, bool* decodeFailed);

// Text to sections: line ends, trimming, comments, headers, key and bare lines. The sections
// point into text, which must outlive them.
std::vector<IniSection> ParseIniText(std::u16string_view text);

// Both steps at once.
IniDocument ParseIniBytes(std::string_view bytes);

// Trim every code unit from U+0000 to U+0020 at both ends.
std::u16string_view TrimControls(std::u16string_view text);

// Name match: equal after the simple per-unit upper-case mapping.
bool NamesMatch(std::u16string_view searched, std::u16string_view stored);

class TCustomIniFile {
 public:
  TCustomIniFile(std::u16string fileName, const FormatSettings& format)
      : fileName_(std::move(fileName)), format_(&format) {}
  virtual ~TCustomIniFile() = default;
  TCustomIniFile(const TCustomIniFile&) = delete;
  TCustomIniFile& operator=(const TCustomIniFile&) = delete;

  const std::u16string& FileName() const { return fileName_; }

  virtual std::u16string ReadString(std::u16string_view section, std::u16string_view ident,
                                    std::u16string_view defaultValue) const = 0;
  // Defined once, here, in terms of ReadString alone.
  int32_t ReadInteger(std::u16string_view section, std::u16string_view ident,
                      int32_t defaultValue) const;
  // Raises EOverflow for a number beyond the range of a double.
  double ReadFloat(std::u16string_view section, std::u16string_view name,
                   double defaultValue) const;

 private:
  std::u16string fileName_;
  const FormatSettings* format_;
};

class TMemIniFile : public TCustomIniFile {
 public:
  // Loads the whole file. A missing file, a folder or an empty name give no sections.
  // Raises EFOpenError when the file exists but cannot be opened.
  static std::unique_ptr<TMemIniFile> Create(std::u16string fileName, const FormatSettings& format,
                                             FileReader& reader = SystemFileReader());
  // From bytes already in memory (tools, tests, fuzzing).
  TMemIniFile(std::u16string fileName, const FormatSettings& format, std::string_view bytes);

  std::u16string ReadString(std::u16string_view section, std::u16string_view ident,
                            std::u16string_view defaultValue) const override;

  const IniDocument& Document() const { return document_; }

 private:
  // Upper-cased names as views into upperText_, which mirrors the decoded text unit for unit.
  std::u16string_view UpperName(std::u16string_view name) const;
  std::vector<std::u16string_view> UpperSectionNames() const;

  IniDocument document_;
  std::u16string upperText_;
  SectionIndex firstSections_;
};

}  // namespace zix
