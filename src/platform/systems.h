#pragma once
// The system probe: is Windows 64-bit, which version is it, and its release label.
// The decisions are pure functions of what the queries gathered, so they run anywhere.

#include <cstdint>
#include <string>

namespace zix {

struct VersionPair {
  uint32_t major = 0;
  uint32_t minor = 0;
};

// "[win7]" for 6.1 and so on; empty for a pair outside the table.
std::u16string ReleaseLabel(VersionPair pair);

// major "." minor through ParseFloat with ".", rounded to a double; 6.10 therefore reads as 6.1.
double VersionNumber(VersionPair pair);

inline constexpr uint16_t kArchitectureAmd64 = 9;  // PROCESSOR_ARCHITECTURE_AMD64
inline constexpr uint16_t kArchitectureIa64 = 6;   // PROCESSOR_ARCHITECTURE_IA64

// What the 64-bit query found. A step that was never reached keeps its false or zero.
struct Win64Facts {
  bool kernel32Found = false;
  bool isWow64ProcessFound = false;
  bool getNativeSystemInfoFound = false;
  bool underWow64 = false;
  uint16_t nativeArchitecture = 0;
};

// The decision table for a 32-bit process: true only under WOW64 on an AMD64 or IA64 system.
bool IsWin64Decision(const Win64Facts& facts);

// What a process of the given bitness concludes. A 64-bit process is never under WOW64, so
// the table alone would call every system it runs on 32-bit; it runs only on a 64-bit one.
bool IsWin64ForProcess(bool processIs64Bit, const Win64Facts& facts);

// The probe the launcher asks; every call asks the system afresh.
class SystemProbe {
 public:
  virtual ~SystemProbe() = default;
  virtual bool IsWin64() const = 0;
  virtual double GetWinVersion() const = 0;
  virtual std::u16string GetWinVersionName() const = 0;
};

// The running system (Windows: GetVersionExW, IsWow64Process, GetNativeSystemInfo; natively:
// uname's machine decides the bitness and the version is 10.0).
const SystemProbe& RunningSystem();

#ifdef _WIN32
// The raw queries behind RunningSystem, for tests that compare the probe with the system.
VersionPair QueryVersionPair();
Win64Facts QueryWin64Facts();
#endif

}  // namespace zix
