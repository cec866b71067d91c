#include "check/init_settings.h"

#include <vector>

#include "check/caption_text.h"
#include "check/document_lookup.h"
#include "launcher/grid_layout.h"
#include "platform/numbers.h"
#include "platform/text_codec.h"
#include "settings/ini_file.h"
#include "settings/launcher_keys.h"

namespace zix::check {

namespace {

class IniWriter {
 public:
  void Section(std::u16string_view name) {
    if (!text_.empty()) text_ += u"\r\n";
    text_ += u"[" + std::u16string(name) + u"]\r\n";
  }
  void Key(std::u16string_view name, std::u16string_view value) {
    text_ += std::u16string(name) + u"=" + std::u16string(value) + u"\r\n";
  }
  void Key(std::u16string_view name, int64_t value) { Key(name, DecimalText(value)); }
  std::string Bytes() const { return "\xEF\xBB\xBF" + ToUtf8(text_); }

 private:
  std::u16string text_;
};

}  // namespace

bool UsableAsLauncherPath(std::u16string_view text) {
  if (text.empty() || TrimControls(text).size() != text.size()) return false;
  for (const char16_t unit : text)
    if (unit < 0x20 || std::u16string_view(u"<>:\"/|?*").find(unit) != std::u16string_view::npos)
      return false;
  return FromUtf8(ToUtf8(text)) == text;
}

std::u16string EntryCaption(std::u16string_view folderName) {
  std::u16string shown(folderName);
  for (char16_t& unit : shown)
    if (unit == u'\r' || unit == u'\n') unit = u' ';
  return CaptionShowing(shown);
}

std::string ComposeInitSettings(std::span<const GameEntry> entries) {
  std::vector<std::u16string> captions;
  for (const GameEntry& entry : entries) captions.push_back(EntryCaption(entry.folderName));
  const InitLayout layout = ChooseInitLayout(captions);

  IniWriter ini;
  ini.Section(keys::kSetSection);
  ini.Key(keys::kWidth.name, layout.width);
  ini.Key(keys::kHeight.name, layout.height);
  if (layout.buttonWidth != keys::kButtonWidth.defaultValue)
    ini.Key(keys::kButtonWidth.name, layout.buttonWidth);
  ini.Key(keys::kCol.name, layout.col);
  ini.Key(keys::kCount.name, layout.count);
  for (size_t i = 0; i < entries.size(); ++i) {
    const GameEntry& entry = entries[i];
    ini.Section(EntrySectionName(static_cast<int32_t>(i + 1)));
    ini.Key(keys::kText.name, captions[i]);
    if (entry.exe) ini.Key(keys::kExe.name, entry.exe->path);
    if (entry.exeX64) ini.Key(keys::kExeX64.name, entry.exeX64->path);
    // A whole number, which reads the same whatever the user's decimal separator.
    if (NeedsVista(entry)) ini.Key(keys::kMinOs.name, 6);
  }
  return ini.Bytes();
}

}  // namespace zix::check
