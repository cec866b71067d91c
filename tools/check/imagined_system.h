#pragma once
// The Windows the user asked the tool to imagine, answering as the launcher's probe would.

#include "platform/systems.h"

namespace zix::check {

class ImaginedSystem : public SystemProbe {
 public:
  ImaginedSystem(bool win64, VersionPair version) : win64_(win64), version_(version) {}
  bool IsWin64() const override { return win64_; }
  double GetWinVersion() const override { return VersionNumber(version_); }
  std::u16string GetWinVersionName() const override { return ReleaseLabel(version_); }

 private:
  bool win64_;
  VersionPair version_;
};

}  // namespace zix::check
