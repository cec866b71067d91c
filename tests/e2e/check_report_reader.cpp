#include "check_report_reader.h"

#include <limits>

#include <nlohmann/json.hpp>

#include "text_convert.h"

namespace zix::e2e {
namespace {

using nlohmann::json;

// A missing member reads as null, as an absent optional field is written.
const json& Member(const json& object, const char* name) {
  static const json kAbsent;
  if (!object.is_object()) return kAbsent;
  const auto found = object.find(name);
  return found == object.end() ? kAbsent : *found;
}

// Remembers the first field it could not read; later reads then change nothing that matters.
class FieldReader {
 public:
  int64_t Integer(const json& value, const std::string& where) {
    // The checker writes signed 64-bit integers; a larger one is no number of its report.
    const bool tooLarge =
        value.is_number_unsigned() && value.get<uint64_t>() > uint64_t{std::numeric_limits<int64_t>::max()};
    if (value.is_number_integer() && !tooLarge) return value.get<int64_t>();
    Missing(where, "an integer");
    return 0;
  }

  std::u16string String(const json& value, const std::string& where) {
    if (value.is_string()) return FromUtf8(value.get_ref<const std::string&>());
    Missing(where, "a string");
    return {};
  }

  std::optional<bool> OptionalBoolean(const json& value, const std::string& where) {
    if (value.is_null()) return std::nullopt;
    if (value.is_boolean()) return value.get<bool>();
    Missing(where, "true or false");
    return std::nullopt;
  }

  const json* Array(const json& value, const std::string& where) {
    if (value.is_array()) return &value;
    Missing(where, "an array");
    return nullptr;
  }

  const std::string& problem() const { return problem_; }

 private:
  void Missing(const std::string& where, const char* expected) {
    if (problem_.empty()) problem_ = where + " is not " + expected;
  }

  std::string problem_;
};

PredictedOutcome ReadOutcome(FieldReader& read, const json& outcome, const std::string& where) {
  PredictedOutcome result;
  result.kind = read.String(Member(outcome, "kind"), where + ".kind");
  if (result.kind == u"start") {
    result.file = read.String(Member(outcome, "file"), where + ".file");
    result.params = read.String(Member(outcome, "params"), where + ".params");
    result.dir = read.String(Member(outcome, "dir"), where + ".dir");
    result.dirExists = read.OptionalBoolean(Member(outcome, "dirExists"), where + ".dirExists");
  } else {
    result.text = read.String(Member(outcome, "text"), where + ".text");
  }
  return result;
}

}  // namespace

std::optional<PredictedLauncher> ReadCheckReport(std::string_view text, std::string* problem) {
  const json report = json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (report.is_discarded()) {
    *problem = "the output is no JSON value";
    return std::nullopt;
  }
  FieldReader read;
  PredictedLauncher launcher;
  const json& window = Member(report, "window");
  launcher.width = read.Integer(Member(window, "width"), "window.width");
  launcher.height = read.Integer(Member(window, "height"), "window.height");
  launcher.title = read.String(Member(window, "title"), "window.title");
  launcher.count = read.Integer(Member(report, "count"), "count");
  if (const json* buttons = read.Array(Member(report, "buttons"), "buttons")) {
    for (size_t i = 0; i < buttons->size(); ++i) {
      const json& button = (*buttons)[i];
      const std::string where = "buttons[" + std::to_string(i) + "]";
      PredictedButton predicted;
      predicted.tag = read.Integer(Member(button, "tag"), where + ".tag");
      predicted.caption = read.String(Member(button, "caption"), where + ".caption");
      predicted.left = read.Integer(Member(button, "left"), where + ".left");
      predicted.top = read.Integer(Member(button, "top"), where + ".top");
      predicted.width = read.Integer(Member(button, "width"), where + ".width");
      predicted.height = read.Integer(Member(button, "height"), where + ".height");
      predicted.outcome = ReadOutcome(read, Member(button, "outcome"), where + ".outcome");
      launcher.buttons.push_back(std::move(predicted));
    }
  }
  if (!read.problem().empty()) {
    *problem = read.problem();
    return std::nullopt;
  }
  return launcher;
}

}  // namespace zix::e2e
