#pragma once
// A small streaming JSON writer: strings are UTF-8, escaped so that any text survives.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zix::check {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // Inside an object: the name of the next value.
  void Key(std::string_view name);
  void String(std::u16string_view text);
  void Integer(int64_t value);
  void Boolean(bool value);
  void Null();
  // Inside an object: a name and its value at once.
  void StringField(std::string_view name, std::u16string_view text) { Key(name); String(text); }
  void IntegerField(std::string_view name, int64_t value) { Key(name); Integer(value); }
  void BooleanField(std::string_view name, bool value) { Key(name); Boolean(value); }

  const std::string& Text() const { return out_; }

 private:
  void BeforeValue();

  std::string out_;
  // One flag per open container: whether it holds a value yet.
  std::vector<bool> hasValue_;
  bool afterKey_ = false;
};

// A JSON string literal of text, quotes included. Unpaired surrogates are written as their
// \uXXXX escapes, so that the text reads back unit for unit.
std::string JsonQuoted(std::u16string_view text);

}  // namespace zix::check
