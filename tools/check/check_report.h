#pragma once
// Everything the launcher will do with one settings file on the imagined machine, worked out
// by the launcher's own layout and launch code.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "check/autorun_report.h"
#include "check/check_options.h"
#include "check/check_warning.h"
#include "check/local_paths.h"
#include "check/settings_source.h"
#include "launcher/game_button_ids.h"
#include "launcher/grid_layout.h"
#include "launcher/launch_decision.h"

namespace zix::check {

// A press that raises instead of deciding: the launcher shows its error box.
struct LaunchError {
  std::string className;
  std::u16string message;
};

using CheckedOutcome = std::variant<LaunchStart, LaunchMessage, LaunchError>;

struct SystemOutcome {
  bool win64 = false;
  CheckedOutcome outcome;
  std::optional<std::u16string> lookedFor;  // the path the existence test was asked about
  bool lookedForExists = false;
  std::optional<bool> workingFolderExists;  // asked only for a start with curDir
};

struct ButtonReport {
  GameButtonSpec buttonSpec;
  std::u16string tooltip;  // the part of the Hint a tooltip shows
  std::optional<char16_t> accessKey;
  bool outsideClient = false;
  std::vector<SystemOutcome> outcomes;  // one per imagined system, 32-bit first
};

struct CheckReport {
  std::u16string filePath;
  IniEncoding encoding = IniEncoding::Ansi;
  StartupSettings settings;
  ClientSize client;
  bool clientAssumed = true;  // from the default frame rather than --client
  TGridLayout grid;
  std::vector<ButtonReport> buttons;  // at most kMostGameButtons: the launcher builds no more
  std::vector<bool> systems;          // the imagined systems, as IsWin64 answers
  CheckOptions options;
  Warnings warnings;
  std::optional<AutorunReport> autorun;  // when the checked folder has an autorun.inf
};

using FolderExistence = std::function<bool(std::u16string_view path, EntryKind kind)>;

CheckReport BuildCheckReport(const LoadedSettings& settings, const CheckOptions& options,
                             const FolderExistence& exists);

// Whether a button lies wholly inside the client area.
bool InsideClient(const ButtonRect& rect, ClientSize client);

}  // namespace zix::check
