#pragma once
// zixgame-check's report for settings held in memory, with a made-up folder of files.

#include <memory>
#include <set>
#include <string>

#include "check/check_report.h"
#include "check/settings_source.h"
#include "platform/format_settings.h"

namespace zix::check::testing {

struct CheckedSettings {
  CheckedSettings(std::string bytes, const CheckOptions& options,
                  std::set<std::u16string> existingFiles, std::set<std::u16string> existingFolders)
      : format(options.decimalSeparator),
        loaded(SettingsFromBytes(u"zixgame.ini", u".", std::move(bytes), options.codePage, format)),
        files(std::move(existingFiles)),
        folders(std::move(existingFolders)),
        report(BuildCheckReport(loaded, options, [this](std::u16string_view path, EntryKind kind) {
          return (kind == EntryKind::File ? files : folders).count(std::u16string(path)) > 0;
        })) {}

  FormatSettings format;  // the settings object reads through it
  LoadedSettings loaded;
  std::set<std::u16string> files;
  std::set<std::u16string> folders;
  CheckReport report;
};

// UTF-8 with its mark unless the text is meant to test the mark.
inline std::unique_ptr<CheckedSettings> Check(std::string bytes, CheckOptions options = {},
                                              std::set<std::u16string> files = {},
                                              std::set<std::u16string> folders = {}) {
  return std::make_unique<CheckedSettings>(std::move(bytes), options, std::move(files),
                                           std::move(folders));
}

}  // namespace zix::check::testing
