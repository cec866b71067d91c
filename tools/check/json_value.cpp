#include "check/json_value.h"

#include <limits>

#include "platform/text_codec.h"

namespace zix::check {

namespace {

const JsonValue kNull;

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::optional<JsonValue> Document() {
    auto value = Value(0);
    SkipBlanks();
    if (!value || pos_ != text_.size()) return std::nullopt;
    return value;
  }

 private:
  // Deep nesting is no report of ours; refusing it keeps the stack bounded.
  static constexpr int kMaxDepth = 64;

  void SkipBlanks() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
      ++pos_;
  }

  bool Literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  std::optional<JsonValue> Value(int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    SkipBlanks();
    if (pos_ >= text_.size()) return std::nullopt;
    const char c = text_[pos_];
    if (c == '{') return ObjectValue(depth);
    if (c == '[') return ArrayValue(depth);
    if (c == '"') {
      auto text = StringValue();
      if (!text) return std::nullopt;
      return JsonValue(std::move(*text));
    }
    if (Literal("true")) return JsonValue(true);
    if (Literal("false")) return JsonValue(false);
    if (Literal("null")) return JsonValue();
    return IntegerValue();
  }

  std::optional<JsonValue> IntegerValue() {
    const bool negative = pos_ < text_.size() && text_[pos_] == '-';
    if (negative) ++pos_;
    const size_t start = pos_;
    uint64_t magnitude = 0;
    while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      magnitude = magnitude * 10 + static_cast<uint64_t>(text_[pos_] - '0');
      if (magnitude > uint64_t{std::numeric_limits<int64_t>::max()}) return std::nullopt;
      ++pos_;
    }
    const size_t digits = pos_ - start;
    if (digits == 0 || (digits > 1 && text_[start] == '0')) return std::nullopt;
    const auto value = static_cast<int64_t>(magnitude);
    return JsonValue(negative ? -value : value);
  }

  std::optional<unsigned> Hex4() {
    if (text_.size() - pos_ < 4) return std::nullopt;
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[pos_++];
      value <<= 4;
      if (c >= '0' && c <= '9') value |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f') value |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') value |= static_cast<unsigned>(c - 'A' + 10);
      else return std::nullopt;
    }
    return value;
  }

  std::optional<std::u16string> StringValue() {
    ++pos_;  // the opening quote
    std::u16string out;
    size_t runStart = pos_;
    const auto flushRun = [&] { out += FromUtf8(text_.substr(runStart, pos_ - runStart)); };
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '"') {
        flushRun();
        ++pos_;
        return out;
      }
      if (static_cast<unsigned char>(c) < 0x20) return std::nullopt;
      if (c != '\\') {
        ++pos_;
        continue;
      }
      flushRun();
      if (++pos_ >= text_.size()) return std::nullopt;
      const char escaped = text_[pos_++];
      switch (escaped) {
        case '"': out += u'"'; break;
        case '\\': out += u'\\'; break;
        case '/': out += u'/'; break;
        case 'b': out += u'\b'; break;
        case 'f': out += u'\f'; break;
        case 'n': out += u'\n'; break;
        case 'r': out += u'\r'; break;
        case 't': out += u'\t'; break;
        case 'u': {
          const auto unit = Hex4();
          if (!unit) return std::nullopt;
          out += static_cast<char16_t>(*unit);
          break;
        }
        default: return std::nullopt;
      }
      runStart = pos_;
    }
    return std::nullopt;
  }

  std::optional<JsonValue> ArrayValue(int depth) {
    ++pos_;
    JsonValue::Array items;
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ']') {
      ++pos_;
      return JsonValue(std::move(items));
    }
    while (true) {
      auto item = Value(depth + 1);
      if (!item) return std::nullopt;
      items.push_back(std::move(*item));
      SkipBlanks();
      if (pos_ >= text_.size()) return std::nullopt;
      if (text_[pos_] == ']') {
        ++pos_;
        return JsonValue(std::move(items));
      }
      if (text_[pos_++] != ',') return std::nullopt;
    }
  }

  std::optional<JsonValue> ObjectValue(int depth) {
    ++pos_;
    JsonValue::Object members;
    SkipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '}') {
      ++pos_;
      return JsonValue(std::move(members));
    }
    while (true) {
      SkipBlanks();
      if (pos_ >= text_.size() || text_[pos_] != '"') return std::nullopt;
      auto name = StringValue();
      if (!name) return std::nullopt;
      SkipBlanks();
      if (pos_ >= text_.size() || text_[pos_++] != ':') return std::nullopt;
      auto value = Value(depth + 1);
      if (!value) return std::nullopt;
      members[ToUtf8(*name)] = std::move(*value);
      SkipBlanks();
      if (pos_ >= text_.size()) return std::nullopt;
      if (text_[pos_] == '}') {
        ++pos_;
        return JsonValue(std::move(members));
      }
      if (text_[pos_++] != ',') return std::nullopt;
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](std::string_view name) const {
  const Object* object = AsObject();
  if (!object) return kNull;
  const auto found = object->find(std::string(name));
  return found == object->end() ? kNull : found->second;
}

const JsonValue& JsonValue::operator[](size_t index) const {
  const Array* array = AsArray();
  return array && index < array->size() ? (*array)[index] : kNull;
}

std::optional<JsonValue> ParseJson(std::string_view utf8) { return Parser(utf8).Document(); }

}  // namespace zix::check
