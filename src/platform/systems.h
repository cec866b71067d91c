#pragma once
// The system probe: is Windows 64-bit, which version is it, and its release label.
// The decisions are pure functions of what the queries gathered, so they run anywhere.

#include <cstdint>
#include <optional>
#include <string>

namespace zix {

struct VersionPair {
  uint32_t major = 0;
  uint32_t minor = 0;
};

// "[win7]" for 6.1 and so on; empty for a pair outside the table.
std::u16string ReleaseLabel(VersionPair pair);

// major "." minor through ParseFloat with ".", rounded to a double.
double VersionNumber(VersionPair pair);

// What the 64-bit query found; an absent optional means the step was never reached.
struct Win64Facts {
  bool kernel32Found = false;
  bool isWow64ProcessFound = false;
  bool getNativeSystemInfoFound = false;
  bool underWow64 = false;
  uint16_t nativeArchitecture = 0;
};

// The decision table for a 32-bit process: true only under WOW64 on an AMD64 or IA64 system.
bool IsWin64Decision(const Win64Facts& facts);

// What a process of the given bitness concludes: a 64-bit process runs on a 64-bit system.
bool IsWin64ForProcess(bool processIs64Bit, const Win64Facts& facts);

// The probe the launcher asks; every call asks the system afresh.
class SystemProbe {
 public:
  virtual ~SystemProbe() = default;
  virtual bool IsWin64() const = 0;
  virtual double GetWinVersion() const = 0;
  virtual std::u16string GetWinVersionName() const = 0;
};

// The running system (Windows: GetVersionExW, IsWow64Process, GetNativeSystemInfo).
const SystemProbe& RunningSystem();

}  // namespace zix
