#include "platform/text_codec.h"

#include <cstring>

namespace zix {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// Length of the well-formed UTF-8 sequence at p (Unicode's table of well-formed byte
// sequences), or 0 when the bytes there are not one. p[0] is 0x80 or above: the caller copies
// ASCII itself.
size_t WellFormedLength(const unsigned char* p, size_t remaining) {
  const unsigned char lead = p[0];
  auto continuation = [&](size_t i, unsigned char low = 0x80, unsigned char high = 0xBF) {
    return i < remaining && InRange(p[i], low, high);
  };
  if (InRange(lead, 0xC2, 0xDF)) return continuation(1) ? 2 : 0;
  if (InRange(lead, 0xE0, 0xEF)) {
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : 0xBF;  // no encoded surrogates
    return continuation(1, low, high) && continuation(2) ? 3 : 0;
  }
  if (InRange(lead, 0xF0, 0xF4)) {
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
    return continuation(1, low, high) && continuation(2) && continuation(3) ? 4 : 0;
  }
  return 0;
}

// Only sequences of two to four bytes come here, ASCII being copied by the caller.
char32_t DecodeWellFormed(const unsigned char* p, size_t length) {
  switch (length) {
    case 2: return (char32_t{p[0] & 0x1Fu} << 6) | (p[1] & 0x3Fu);
    case 3: return (char32_t{p[0] & 0x0Fu} << 12) | (char32_t{p[1] & 0x3Fu} << 6) | (p[2] & 0x3Fu);
    default:
      return (char32_t{p[0] & 0x07u} << 18) | (char32_t{p[1] & 0x3Fu} << 12) |
             (char32_t{p[2] & 0x3Fu} << 6) | (p[3] & 0x3Fu);
  }
}

// Decodes bytes; an ill-formed sequence either ends the decoding (strict) or becomes U+FFFD.
std::optional<std::u16string> DecodeUtf8(Bytes bytes, bool strict) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  std::u16string out(size, u'\0');  // never more units than bytes
  char16_t* w = out.data();
  size_t i = 0;
  while (i < size) {
    // Settings files are mostly ASCII: take eight bytes at a time while none has its top bit set.
    for (uint64_t word; size - i >= 8; i += 8, w += 8) {
      std::memcpy(&word, p + i, sizeof word);
      if (word & 0x8080808080808080ull) break;
      for (size_t k = 0; k < 8; ++k) w[k] = p[i + k];
    }
    if (i == size) break;
    if (p[i] < 0x80) {
      *w++ = p[i++];
      continue;
    }
    const size_t length = WellFormedLength(p + i, size - i);
    if (length == 0) {
      if (strict) return std::nullopt;
      *w++ = kReplacement;
      ++i;
      continue;
    }
    const char32_t c = DecodeWellFormed(p + i, length);
    if (c < 0x10000) {
      *w++ = static_cast<char16_t>(c);
    } else {
      *w++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      *w++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
    i += length;
  }
  out.resize(static_cast<size_t>(w - out.data()));
  return out;
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace

std::optional<std::u16string> DecodeUtf8StrictPortable(Bytes bytes) {
  return DecodeUtf8(bytes, /*strict=*/true);
}

std::u16string FromUtf8(std::string_view text) { return *DecodeUtf8(text, /*strict=*/false); }

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

std::u16string DecodeUtf16(Bytes bytes, bool bigEndian) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t units = bytes.size() / 2;  // an odd last byte is dropped
  std::u16string out(units, u'\0');
  for (size_t i = 0; i < units; ++i) {
    const unsigned first = p[2 * i];
    const unsigned second = p[2 * i + 1];
    out[i] = static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  return out;
}

}  // namespace zix
