#include <sys/utsname.h>

#include <cstring>

#include "platform/systems.h"

namespace zix {
namespace {

constexpr VersionPair kStandInVersion = {10, 0};

class PosixSystem final : public SystemProbe {
 public:
  bool IsWin64() const override {
    utsname names{};
    if (uname(&names) != 0) return false;
    return std::strcmp(names.machine, "x86_64") == 0;
  }
  double GetWinVersion() const override { return VersionNumber(kStandInVersion); }
  std::u16string GetWinVersionName() const override { return ReleaseLabel(kStandInVersion); }
};

}  // namespace

const SystemProbe& RunningSystem() {
  static const PosixSystem system;
  return system;
}

}  // namespace zix
