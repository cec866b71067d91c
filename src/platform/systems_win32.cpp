#include <windows.h>

#include "platform/entry_point_win32.h"
#include "platform/systems.h"

namespace zix {
namespace {

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE process, PBOOL wow64);
using GetNativeSystemInfoFunction = void(WINAPI*)(LPSYSTEM_INFO info);

constexpr bool kProcessIs64Bit = sizeof(void*) == 8;

class Win32System final : public SystemProbe {
 public:
  bool IsWin64() const override { return IsWin64ForProcess(kProcessIs64Bit, QueryWin64Facts()); }
  double GetWinVersion() const override { return VersionNumber(QueryVersionPair()); }
  std::u16string GetWinVersionName() const override { return ReleaseLabel(QueryVersionPair()); }
};

}  // namespace

VersionPair QueryVersionPair() {
  static_assert(sizeof(OSVERSIONINFOW) == 276);
  // Zeroed so that a failed call, whose result is not examined, reads as the unlabelled 0.0.
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = 276;
  static_cast<void>(GetVersionExW(&info));
  return {info.dwMajorVersion, info.dwMinorVersion};
}

Win64Facts QueryWin64Facts() {
  Win64Facts facts;
  HMODULE kernel32 = GetModuleHandleW(L"KERNEL32.DLL");
  // Never freed: kernel32 stays loaded for the life of every process anyway.
  if (kernel32 == nullptr) kernel32 = LoadLibraryW(L"KERNEL32.DLL");
  if (kernel32 == nullptr) return facts;
  facts.kernel32Found = true;

  const auto isWow64Process = EntryPoint<IsWow64ProcessFunction>(kernel32, "IsWow64Process");
  const auto getNativeSystemInfo =
      EntryPoint<GetNativeSystemInfoFunction>(kernel32, "GetNativeSystemInfo");
  facts.isWow64ProcessFound = isWow64Process != nullptr;
  facts.getNativeSystemInfoFound = getNativeSystemInfo != nullptr;
  if (isWow64Process == nullptr) return facts;

  // Zeroed so that a failed call, whose result is not examined, reads as "not under WOW64".
  BOOL wow64 = FALSE;
  static_cast<void>(isWow64Process(GetCurrentProcess(), &wow64));
  facts.underWow64 = wow64 != FALSE;
  if (!facts.underWow64 || getNativeSystemInfo == nullptr) return facts;

  SYSTEM_INFO info{};
  getNativeSystemInfo(&info);
  facts.nativeArchitecture = info.wProcessorArchitecture;
  return facts;
}

const SystemProbe& RunningSystem() {
  static const Win32System system;
  return system;
}

}  // namespace zix
