// Native stand-ins for the Windows text services: the portable UTF-8 decoder, iconv for the
// legacy code page with Windows' replacements, and ASCII upper-casing.
#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/code_page_936.h"
#include "platform/text_codec.h"

namespace zix {

namespace {

class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~IconvHandle() {
    if (valid()) iconv_close(handle_);  // nothing to do about a failed close of a converter
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return handle_; }

 private:
  iconv_t handle_;
};

constexpr const char* kNativeUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// What Windows puts where the converter stopped; returns the bytes it stands for.
size_t Replace936(const unsigned char* p, size_t remaining, char16_t* out) {
  const unsigned char byte = p[0];
  if (byte == 0xFF) {
    *out = cp936::kByteFF;
    return 1;
  }
  // A lead byte takes the next byte with it, unless the text ends or a zero byte follows.
  if (cp936::IsLeadByte(byte) && remaining >= 2 && p[1] != 0) {
    *out = cp936::UnassignedPair(byte, p[1]);
    return 2;
  }
  *out = cp936::kDefaultChar;
  return 1;
}

// Each byte the converter cannot take becomes "?" on its own.
size_t ReplaceOther(const unsigned char*, size_t, char16_t* out) {
  *out = u'?';
  return 1;
}

// Each call sees a bounded piece, so that no call's cost depends on what lies far ahead of it
// (a sanitizer's check of the whole input on every call would otherwise make this quadratic).
constexpr size_t kPiece = 1 << 16;

template <typename Replace>
std::u16string Convert(iconv_t converter, Bytes bytes, Replace replace) {
  // Every code page known here gives at most one unit per byte.
  std::u16string out(bytes.size(), u'\0');
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char* outPtr = reinterpret_cast<char*>(out.data());
  size_t outLeft = out.size() * sizeof(char16_t);
  while (inLeft > 0) {
    size_t piece = std::min(inLeft, kPiece);
    const size_t pieceSize = piece;
    const size_t result = iconv(converter, &in, &piece, &outPtr, &outLeft);
    inLeft -= pieceSize - piece;
    if (result != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG || outLeft < sizeof(char16_t)) break;  // cannot happen: one unit a byte
    // A sequence cut by the end of a piece goes on in the next one.
    if (errno == EINVAL && piece < inLeft) continue;
    char16_t unit;
    const size_t used = replace(reinterpret_cast<const unsigned char*>(in), inLeft, &unit);
    std::memcpy(outPtr, &unit, sizeof unit);
    outPtr += sizeof unit;
    outLeft -= sizeof unit;
    in += used;
    inLeft -= used;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);  // resets the shift state only
  }
  out.resize(out.size() - outLeft / sizeof(char16_t));
  return out;
}

std::u16string AsciiOnly(Bytes bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (const char c : bytes) out.push_back(static_cast<unsigned char>(c) < 0x80 ? c : u'?');
  return out;
}

}  // namespace

std::optional<std::u16string> DecodeUtf8Strict(Bytes bytes) { return DecodeUtf8StrictPortable(bytes); }

unsigned AnsiCodePage() { return 936; }

std::u16string DecodeCodePage(Bytes bytes, unsigned codePage) {
  const std::string name = "CP" + std::to_string(codePage);
  const IconvHandle converter(kNativeUtf16, name.c_str());
  if (!converter.valid()) return AsciiOnly(bytes);
  if (codePage == 936) return Convert(converter.get(), bytes, Replace936);
  return Convert(converter.get(), bytes, ReplaceOther);
}

std::u16string UpperCaseUnits(std::u16string_view text) {
  std::u16string out(text);
  // Without a branch, so that the whole text of a large file maps quickly.
  for (char16_t& u : out)
    u = static_cast<char16_t>(u - (static_cast<unsigned>(u - u'a') < 26u ? u'a' - u'A' : 0));
  return out;
}

}  // namespace zix
