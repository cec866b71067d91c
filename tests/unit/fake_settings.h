#pragma once
// Settings objects made from text in memory, and a probe whose answers a test chooses.

#include <memory>
#include <string>

#include "platform/format_settings.h"
#include "platform/systems.h"
#include "platform/text_codec.h"
#include "settings/ini_file.h"

namespace zix::testing {

// The text is stored as UTF-8 with its mark, as a settings file written in a modern editor.
inline std::unique_ptr<TMemIniFile> IniFromText(std::string_view utf8, const FormatSettings& format) {
  std::string bytes = "\xEF\xBB\xBF";
  bytes += utf8;
  return std::make_unique<TMemIniFile>(u"C:\\Games\\zixgame.ini", format, bytes);
}

class FakeProbe : public SystemProbe {
 public:
  FakeProbe(bool win64, double version, std::u16string label)
      : win64_(win64), version_(version), label_(std::move(label)) {}
  bool IsWin64() const override { ++win64Asked; return win64_; }
  double GetWinVersion() const override { ++versionAsked; return version_; }
  std::u16string GetWinVersionName() const override { return label_; }

  mutable int versionAsked = 0;
  mutable int win64Asked = 0;

 private:
  bool win64_;
  double version_;
  std::u16string label_;
};

}  // namespace zix::testing
