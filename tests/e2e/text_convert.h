#pragma once
// The driver keeps text as UTF-16 and converts only where it meets Win32 (wchar_t) or
// writes bytes (UTF-8: the settings file, the fake game's record, failure messages).

#include <string>
#include <string_view>

namespace zix::e2e {

std::wstring ToWide(std::u16string_view text);
std::u16string FromWide(std::wstring_view text);

// Unpaired surrogates become U+FFFD; the driver never needs them to survive.
std::string ToUtf8(std::u16string_view text);
// Invalid sequences become U+FFFD.
std::u16string FromUtf8(std::string_view bytes);

// ASCII letters folded to lower case, for the names Windows compares without case.
std::u16string AsciiLower(std::u16string_view text);

}  // namespace zix::e2e
