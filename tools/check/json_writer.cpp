#include "check/json_writer.h"

#include "platform/text_codec.h"

namespace zix::check {

namespace {

constexpr char kHex[] = "0123456789abcdef";

std::string UnitEscape(char16_t unit) {
  std::string out = "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(unit >> shift) & 0xF];
  return out;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string JsonQuoted(std::u16string_view text) {
  std::string out = "\"";
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out += ToUtf8(text.substr(i++, 2));
      continue;
    }
    // UTF-8 cannot hold half a pair, but a JSON escape can: the text comes back unit for unit.
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit) || unit < 0x20 || unit == 0x7F) {
      switch (unit) {
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        default: out += UnitEscape(unit);
      }
      continue;
    }
    if (unit == u'"') out += "\\\"";
    else if (unit == u'\\') out += "\\\\";
    else out += ToUtf8(text.substr(i, 1));
  }
  out += '"';
  return out;
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!hasValue_.empty()) {
    if (hasValue_.back()) out_ += ',';
    hasValue_.back() = true;
  }
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  hasValue_.push_back(false);
}

void JsonWriter::EndObject() {
  hasValue_.pop_back();
  out_ += '}';
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  hasValue_.push_back(false);
}

void JsonWriter::EndArray() {
  hasValue_.pop_back();
  out_ += ']';
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  out_ += JsonQuoted(FromUtf8(name));
  out_ += ':';
  afterKey_ = true;
}

void JsonWriter::String(std::u16string_view text) {
  BeforeValue();
  out_ += JsonQuoted(text);
}

void JsonWriter::Integer(int64_t value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Boolean(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

}  // namespace zix::check
