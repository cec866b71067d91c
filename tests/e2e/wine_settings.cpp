#include "wine_settings.h"

#include <windows.h>

#include "platform/unique_handle_win32.h"
#include "text_convert.h"

namespace zix::e2e {
namespace {

std::u16string KeyPath(std::u16string_view subkey) {
  return subkey.empty() ? u"Software\\Wine" : u"Software\\Wine\\" + std::u16string(subkey);
}

UniqueRegistryKey OpenKey(const std::u16string& key) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, ToWide(key).c_str(), 0, nullptr, 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
    return UniqueRegistryKey();
  }
  return UniqueRegistryKey(handle);
}

std::optional<std::u16string> ReadText(HKEY key, const std::u16string& name) {
  wchar_t value[256];
  DWORD type = 0;
  DWORD size = sizeof value - sizeof(wchar_t);
  if (RegQueryValueExW(key, ToWide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  value[size / sizeof(wchar_t)] = L'\0';
  return FromWide(value);
}

bool WriteText(HKEY key, const std::u16string& name, std::u16string_view value) {
  const std::wstring text = ToWide(value);
  const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        size) == ERROR_SUCCESS;
}

}  // namespace

ScopedWineSetting::ScopedWineSetting(std::u16string_view subkey, std::u16string_view name,
                                     std::u16string_view value)
    : key_(KeyPath(subkey)), name_(name) {
  UniqueRegistryKey key = OpenKey(key_);
  if (!key) return;
  previous_ = ReadText(key.get(), name_);
  applied_ = WriteText(key.get(), name_, value);
}

std::optional<std::u16string> ReadWineSetting(std::u16string_view subkey, std::u16string_view name) {
  UniqueRegistryKey key = OpenKey(KeyPath(subkey));
  if (!key) return std::nullopt;
  return ReadText(key.get(), std::u16string(name));
}

ScopedWineSetting::~ScopedWineSetting() {
  if (!applied_) return;
  UniqueRegistryKey key = OpenKey(key_);
  if (!key) return;  // nothing else can be done from a destructor; the prefix is a throwaway one
  if (previous_) {
    (void)WriteText(key.get(), name_, *previous_);  // as above: no better fallback exists
  } else {
    (void)RegDeleteValueW(key.get(), ToWide(name_).c_str());  // as above
  }
}

}  // namespace zix::e2e
