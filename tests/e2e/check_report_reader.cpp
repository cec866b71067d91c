#include "check_report_reader.h"

#include "check/json_value.h"

namespace zix::e2e {
namespace {

using check::JsonValue;

// Remembers the first field it could not read; later reads then change nothing that matters.
class FieldReader {
 public:
  int64_t Integer(const JsonValue& value, const std::string& where) {
    if (const int64_t* integer = value.AsInteger()) return *integer;
    Missing(where, "an integer");
    return 0;
  }

  std::u16string String(const JsonValue& value, const std::string& where) {
    if (const std::u16string* text = value.AsString()) return *text;
    Missing(where, "a string");
    return {};
  }

  std::optional<bool> OptionalBoolean(const JsonValue& value, const std::string& where) {
    if (value.IsNull()) return std::nullopt;
    if (const bool* flag = value.AsBool()) return *flag;
    Missing(where, "true or false");
    return std::nullopt;
  }

  const JsonValue::Array* Array(const JsonValue& value, const std::string& where) {
    if (const JsonValue::Array* array = value.AsArray()) return array;
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

PredictedOutcome ReadOutcome(FieldReader& read, const JsonValue& outcome, const std::string& where) {
  PredictedOutcome result;
  result.kind = read.String(outcome["kind"], where + ".kind");
  if (result.kind == u"start") {
    result.file = read.String(outcome["file"], where + ".file");
    result.params = read.String(outcome["params"], where + ".params");
    result.dir = read.String(outcome["dir"], where + ".dir");
    result.dirExists = read.OptionalBoolean(outcome["dirExists"], where + ".dirExists");
  } else {
    result.text = read.String(outcome["text"], where + ".text");
  }
  return result;
}

}  // namespace

std::optional<PredictedLauncher> ReadCheckReport(std::string_view json, std::string* problem) {
  const std::optional<JsonValue> report = check::ParseJson(json);
  if (!report) {
    *problem = "the output is no JSON value";
    return std::nullopt;
  }
  FieldReader read;
  PredictedLauncher launcher;
  const JsonValue& window = (*report)["window"];
  launcher.width = read.Integer(window["width"], "window.width");
  launcher.height = read.Integer(window["height"], "window.height");
  launcher.title = read.String(window["title"], "window.title");
  launcher.count = read.Integer((*report)["count"], "count");
  if (const JsonValue::Array* buttons = read.Array((*report)["buttons"], "buttons")) {
    for (size_t i = 0; i < buttons->size(); ++i) {
      const JsonValue& button = (*buttons)[i];
      const std::string where = "buttons[" + std::to_string(i) + "]";
      PredictedButton predicted;
      predicted.tag = read.Integer(button["tag"], where + ".tag");
      predicted.caption = read.String(button["caption"], where + ".caption");
      predicted.left = read.Integer(button["left"], where + ".left");
      predicted.top = read.Integer(button["top"], where + ".top");
      predicted.width = read.Integer(button["width"], where + ".width");
      predicted.height = read.Integer(button["height"], where + ".height");
      predicted.outcome = ReadOutcome(read, button["outcome"], where + ".outcome");
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
