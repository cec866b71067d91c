#include "game_record.h"

#include "text_convert.h"

namespace zix::e2e {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendEscaped(std::string& out, std::u16string_view field) {
  for (const char c : ToUtf8(field)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '%') {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A "%" not followed by two hexadecimal digits stays as written.
std::u16string Unescape(std::string_view field) {
  std::string bytes;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '%' && i + 2 < field.size()) {
      const int high = HexValue(field[i + 1]);
      const int low = HexValue(field[i + 2]);
      if (high >= 0 && low >= 0) {
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
        continue;
      }
    }
    bytes += field[i];
  }
  return FromUtf8(bytes);
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

}  // namespace

std::string EncodeRecord(const GameRecord& record) {
  std::string line;
  AppendEscaped(line, record.commandLine);
  line += '\t';
  AppendEscaped(line, record.workingFolder);
  line += '\t';
  AppendEscaped(line, record.programPath);
  line += '\t';
  AppendEscaped(line, record.libraries);
  line += '\n';
  return line;
}

std::vector<GameRecord> DecodeRecords(std::string_view bytes) {
  std::vector<GameRecord> records;
  size_t start = 0;
  for (;;) {
    const size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) return records;
    const std::vector<std::string_view> fields = SplitTabs(bytes.substr(start, end - start));
    GameRecord record;
    if (fields.size() == 4) {
      record.commandLine = Unescape(fields[0]);
      record.workingFolder = Unescape(fields[1]);
      record.programPath = Unescape(fields[2]);
      record.libraries = Unescape(fields[3]);
    } else {
      record.commandLine = FromUtf8(bytes.substr(start, end - start));
    }
    records.push_back(std::move(record));
    start = end + 1;
  }
}

}  // namespace zix::e2e
