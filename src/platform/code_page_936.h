#pragma once
// Where Windows' table for code page 936 goes beyond the GBK standard that other systems'
// converters know: the natively decoded text must match what MultiByteToWideChar gives.

namespace zix::cp936 {

inline constexpr char16_t kDefaultChar = u'?';
// The one byte 0xFF, which is no lead byte, stands for a private-use character.
inline constexpr char16_t kByteFF = u'\uF8F5';

inline constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The character of a lead byte followed by a byte that GBK assigns nothing: the user-defined
// areas and the gaps of the symbol rows are private-use characters, anything else "?".
char16_t UnassignedPair(unsigned char lead, unsigned char trail);

}  // namespace zix::cp936
