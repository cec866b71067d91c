#pragma once
// Settings of the Wine the suite runs under, under HKCU\Software\Wine, for the processes
// started while one of these objects lives; the previous value comes back on release.

#include <optional>
#include <string>
#include <string_view>

namespace zix::e2e {

class ScopedWineSetting {
 public:
  // subkey is relative to HKCU\Software\Wine ("" for the key itself).
  ScopedWineSetting(std::u16string_view subkey, std::u16string_view name, std::u16string_view value);
  ~ScopedWineSetting();
  ScopedWineSetting(const ScopedWineSetting&) = delete;
  ScopedWineSetting& operator=(const ScopedWineSetting&) = delete;

  bool ok() const { return applied_; }

 private:
  std::u16string key_;
  std::u16string name_;
  std::optional<std::u16string> previous_;  // nothing: the value was absent
  bool applied_ = false;
};

// The value as it stands now; nothing when it is absent or not text.
std::optional<std::u16string> ReadWineSetting(std::u16string_view subkey, std::u16string_view name);

// The Windows version Wine tells the programs it starts: win7, win81, win10, winxp64...
class ScopedWineVersion : public ScopedWineSetting {
 public:
  explicit ScopedWineVersion(std::u16string_view version) : ScopedWineSetting(u"", u"Version", version) {}
};

}  // namespace zix::e2e
