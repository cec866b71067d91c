// The Windows text services: MultiByteToWideChar, GetACP and CharUpperBuffW.
#include <windows.h>

#include <algorithm>
#include <climits>

#include "platform/text_codec.h"

namespace zix {

namespace {

// MultiByteToWideChar counts in int; a file larger than that is decoded in pieces that end
// on a character boundary, so that no lead byte is parted from its second byte.
constexpr size_t kMaxPiece = INT_MAX / 2;

size_t PieceEnd(Bytes bytes, size_t start, unsigned codePage) {
  if (bytes.size() - start <= kMaxPiece) return bytes.size();
  size_t i = start;
  while (i < start + kMaxPiece - 1) {
    const bool lead = IsDBCSLeadByteEx(codePage, static_cast<BYTE>(bytes[i])) != FALSE;
    i += lead ? 2 : 1;
  }
  return i;
}

// One call pair: measure, then convert. Returns false when the system refuses the bytes.
bool AppendDecoded(UINT codePage, DWORD flags, Bytes piece, std::u16string& out) {
  if (piece.empty()) return true;  // a zero length is an invalid parameter, not an empty text
  const int length = static_cast<int>(piece.size());
  const int units = MultiByteToWideChar(codePage, flags, piece.data(), length, nullptr, 0);
  if (units <= 0) return false;
  const size_t at = out.size();
  out.resize(at + static_cast<size_t>(units));
  const int written = MultiByteToWideChar(codePage, flags, piece.data(), length,
                                          reinterpret_cast<wchar_t*>(out.data() + at), units);
  if (written <= 0) return false;
  out.resize(at + static_cast<size_t>(written));
  return true;
}

}  // namespace

std::optional<std::u16string> DecodeUtf8Strict(Bytes bytes) {
  // Beyond an int the system cannot take the bytes in one call, and a UTF-8 sequence may not
  // be cut; the portable decoder follows the same rules.
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return DecodeUtf8StrictPortable(bytes);
  std::u16string out;
  if (!AppendDecoded(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, out)) return std::nullopt;
  return out;
}

unsigned AnsiCodePage() { return GetACP(); }

std::u16string DecodeCodePage(Bytes bytes, unsigned codePage) {
  std::u16string out;
  out.reserve(bytes.size());
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = PieceEnd(bytes, start, codePage);
    // Without flags the system replaces what it cannot map, so only an unknown code page
    // fails; that leaves this piece out rather than inventing characters for it.
    if (!AppendDecoded(codePage, 0, bytes.substr(start, end - start), out)) break;
    start = end;
  }
  return out;
}

std::u16string UpperCaseUnits(std::u16string_view text) {
  std::u16string out(text);
  for (size_t at = 0; at < out.size();) {
    const DWORD length = static_cast<DWORD>(std::min<size_t>(out.size() - at, MAXDWORD));
    // The count returned is the length passed: each unit maps to one unit in place.
    (void)CharUpperBuffW(reinterpret_cast<wchar_t*>(out.data() + at), length);
    at += length;
  }
  return out;
}

}  // namespace zix
