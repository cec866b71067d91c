#include "check/json_writer.h"
#include "check/report_output.h"

namespace zix::check {

namespace {

void WriteOutcome(JsonWriter& json, const SystemOutcome& outcome) {
  json.BeginObject();
  if (const auto* start = std::get_if<LaunchStart>(&outcome.outcome)) {
    json.Key("kind");
    json.String(u"start");
    json.Key("file");
    json.String(start->file);
    json.Key("params");
    json.String(start->params);
    json.Key("dir");
    json.String(start->dir);
    json.Key("via");
    json.String(start->via == LaunchVia::ExecuteFileInDir ? u"ExecuteFileInDir" : u"ExecuteFile");
    if (outcome.workingFolderExists) {
      json.Key("dirExists");
      json.Boolean(*outcome.workingFolderExists);
    }
  } else if (const auto* message = std::get_if<LaunchMessage>(&outcome.outcome)) {
    json.Key("kind");
    json.String(u"message");
    json.Key("text");
    json.String(message->text);
    if (outcome.lookedFor) {
      json.Key("lookedFor");
      json.String(*outcome.lookedFor);
    }
  } else {
    const auto& error = std::get<LaunchError>(outcome.outcome);
    json.Key("kind");
    json.String(u"error");
    json.Key("class");
    json.String(std::u16string(error.className.begin(), error.className.end()));
    json.Key("text");
    json.String(error.message);
  }
  json.EndObject();
}

void WriteButton(JsonWriter& json, const CheckReport& report, const ButtonReport& button) {
  json.BeginObject();
  json.Key("tag");
  json.Integer(button.buttonSpec.tag);
  json.Key("caption");
  json.String(button.buttonSpec.caption);
  json.Key("hint");
  json.String(button.buttonSpec.hint);
  json.Key("tooltip");
  json.String(button.tooltip);
  json.Key("accessKey");
  if (button.accessKey) json.String(std::u16string(1, *button.accessKey));
  else json.Null();
  json.Key("left");
  json.Integer(button.buttonSpec.rect.left);
  json.Key("top");
  json.Integer(button.buttonSpec.rect.top);
  json.Key("width");
  json.Integer(button.buttonSpec.rect.width);
  json.Key("height");
  json.Integer(button.buttonSpec.rect.height);
  json.Key("outside");
  json.Boolean(button.outsideClient);
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
  json.Key("file");
  json.String(report.filePath);
  json.Key("encoding");
  json.String(EncodingName(report.encoding, report.options.codePage));

  json.Key("window");
  json.BeginObject();
  json.Key("width");
  json.Integer(report.settings.width);
  json.Key("height");
  json.Integer(report.settings.height);
  json.Key("title");
  json.String(report.settings.title);
  json.Key("client");
  json.BeginObject();
  json.Key("width");
  json.Integer(report.client.width);
  json.Key("height");
  json.Integer(report.client.height);
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

  json.Key("count");
  json.Integer(report.settings.count);

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
    json.Key("code");
    json.String(std::u16string(warning.code.begin(), warning.code.end()));
    json.Key("message");
    json.String(warning.message);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace zix::check
