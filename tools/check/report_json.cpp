#include "check/json_writer.h"
#include "check/report_output.h"

namespace zix::check {

namespace {

void WriteOutcome(JsonWriter& json, const SystemOutcome& outcome) {
  json.BeginObject();
  if (const auto* start = std::get_if<LaunchStart>(&outcome.outcome)) {
    json.StringField("kind", u"start");
    json.StringField("file", start->file);
    json.StringField("params", start->params);
    json.StringField("dir", start->dir);
    json.StringField("via", start->via == LaunchVia::ExecuteFileInDir ? u"ExecuteFileInDir" : u"ExecuteFile");
    if (outcome.workingFolderExists) {
      json.BooleanField("dirExists", *outcome.workingFolderExists);
    }
  } else if (const auto* message = std::get_if<LaunchMessage>(&outcome.outcome)) {
    json.StringField("kind", u"message");
    json.StringField("text", message->text);
    if (outcome.lookedFor) {
      json.StringField("lookedFor", *outcome.lookedFor);
    }
  } else {
    const auto& error = std::get<LaunchError>(outcome.outcome);
    json.StringField("kind", u"error");
    json.StringField("class", std::u16string(error.className.begin(), error.className.end()));
    json.StringField("text", error.message);
  }
  json.EndObject();
}

void WriteButton(JsonWriter& json, const CheckReport& report, const ButtonReport& button) {
  json.BeginObject();
  json.IntegerField("tag", button.buttonSpec.tag);
  json.StringField("caption", button.buttonSpec.caption);
  json.StringField("hint", button.buttonSpec.hint);
  json.StringField("tooltip", button.tooltip);
  json.Key("accessKey");
  if (button.accessKey) json.String(std::u16string(1, *button.accessKey));
  else json.Null();
  json.IntegerField("left", button.buttonSpec.rect.left);
  json.IntegerField("top", button.buttonSpec.rect.top);
  json.IntegerField("width", button.buttonSpec.rect.width);
  json.IntegerField("height", button.buttonSpec.rect.height);
  json.BooleanField("outside", button.outsideClient);
  json.Key("outcome");
  if (report.systems.size() == 1) {
    WriteOutcome(json, button.outcomes.front());
  } else {
    json.BeginObject();
    for (const SystemOutcome& outcome : button.outcomes) {
      json.Key(outcome.win64 ? "64" : "32");
      WriteOutcome(json, outcome);
    }
    json.EndObject();
  }
  json.EndObject();
}

}  // namespace

std::string ReportJson(const CheckReport& report) {
  JsonWriter json;
  json.BeginObject();
  json.StringField("file", report.filePath);
  // A name for programs, the same in every language.
  json.StringField("encoding", EncodingName(report.encoding, report.options.codePage, Language::English));

  json.Key("window");
  json.BeginObject();
  json.IntegerField("width", report.settings.width);
  json.IntegerField("height", report.settings.height);
  json.StringField("title", report.settings.title);
  json.Key("client");
  json.BeginObject();
  json.IntegerField("width", report.client.width);
  json.IntegerField("height", report.client.height);
  json.EndObject();
  json.EndObject();

  const TGridLayout& g = report.grid;
  json.Key("grid");
  json.BeginObject();
  for (const auto& [name, value] : {std::pair{"OriginX", g.OriginX}, {"OriginY", g.OriginY},
                                    {"SpaceX", g.SpaceX}, {"SpaceY", g.SpaceY},
                                    {"ButtonWidth", g.ButtonWidth}, {"ButtonHeight", g.ButtonHeight},
                                    {"ColCount", g.ColCount}}) {
    json.Key(name);
    json.Integer(value);
  }
  json.EndObject();

  json.IntegerField("count", report.settings.count);

  json.Key("buttons");
  json.BeginArray();
  for (const ButtonReport& button : report.buttons) WriteButton(json, report, button);
  json.EndArray();

  json.Key("warnings");
  json.BeginArray();
  for (const CheckWarning& warning : report.warnings) {
    json.BeginObject();
    json.Key("line");
    if (warning.line) json.Integer(warning.line);
    else json.Null();
    json.StringField("code", std::u16string(warning.code.begin(), warning.code.end()));
    json.StringField("message", warning.message);
    if (!warning.file.empty()) json.StringField("file", warning.file);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace zix::check
