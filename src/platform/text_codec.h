#pragma once
// Text services the settings reader needs from the system: decoding bytes to UTF-16 and the
// simple upper-case mapping used to compare names. On Windows these are MultiByteToWideChar,
// GetACP and CharUpperBuffW; natively they are portable code that gives the same answers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zix {

using Bytes = std::string_view;  // raw file bytes; char is only the storage type here

// Strict UTF-8: nullopt when the bytes hold any sequence that is not valid UTF-8
// (overlong forms, surrogates and values above U+10FFFF included).
std::optional<std::u16string> DecodeUtf8Strict(Bytes bytes);

// The same rules in portable code. Natively DecodeUtf8Strict is this; on Windows the tests
// hold it against the system's decoder.
std::optional<std::u16string> DecodeUtf8StrictPortable(Bytes bytes);

// UTF-16 in the given byte order; an odd last byte is dropped, code units are not validated.
std::u16string DecodeUtf16(Bytes bytes, bool bigEndian);

// The system's ANSI code page (GetACP); natively 936, the launcher's own language.
unsigned AnsiCodePage();

// Lenient decoding in a legacy code page: unmapped bytes become what the platform puts there.
// Natively only 936 follows the Windows replacements closely; other pages replace every byte
// they cannot map with "?".
std::u16string DecodeCodePage(Bytes bytes, unsigned codePage);

// Upper-cases each code unit to exactly one code unit (CharUpperBuffW natively stood in for
// by the ASCII letters, which is all that name matching promises).
std::u16string UpperCaseUnits(std::u16string_view text);

// UTF-8 for output on Linux and in JSON; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// For literals and arguments coming from the command line or tests; invalid sequences become
// U+FFFD.
std::u16string FromUtf8(std::string_view text);

}  // namespace zix
