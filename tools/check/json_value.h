#pragma once
// Reading JSON back: zixgame-check's own report, for tests that compare it with what the
// launcher really did. Strict RFC 8259 apart from numbers, which must be integers.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zix::check {

class JsonValue {
 public:
  using Array = std::vector<JsonValue>;
  using Object = std::map<std::string, JsonValue>;

  JsonValue() = default;
  template <typename T>
  explicit JsonValue(T value) : value_(std::move(value)) {}

  bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
  const bool* AsBool() const { return std::get_if<bool>(&value_); }
  const int64_t* AsInteger() const { return std::get_if<int64_t>(&value_); }
  const std::u16string* AsString() const { return std::get_if<std::u16string>(&value_); }
  const Array* AsArray() const { return std::get_if<Array>(&value_); }
  const Object* AsObject() const { return std::get_if<Object>(&value_); }

  // The member of an object, or null when this is no object or has no such member.
  const JsonValue& operator[](std::string_view name) const;
  // The element of an array, or null.
  const JsonValue& operator[](size_t index) const;

 private:
  std::variant<std::monostate, bool, int64_t, std::u16string, Array, Object> value_;
};

// None when the text is not one JSON value (with blanks around it allowed).
std::optional<JsonValue> ParseJson(std::string_view utf8);

}  // namespace zix::check
