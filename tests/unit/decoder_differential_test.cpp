// The portable text services against the Windows ones, on the same inputs.
//
// Strict UTF-8: the portable decoder is built on Windows too, so under Wine the two are held
// against each other directly. Code page 936 and the upper-casing of names use iconv and plain
// code natively but MultiByteToWideChar and CharUpperBuffW on Windows: both sides reduce the
// same inputs to the digests in the table below, so a difference on either side fails the
// side where it lies. A failure prints the row's decodings, to be compared with the same
// test's output on the other side.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/text_codec.h"

namespace zix {
namespace {

// splitmix64: the same numbers on every platform and compiler.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  unsigned Below(unsigned bound) { return static_cast<unsigned>(Next() % bound); }

 private:
  uint64_t state_;
};

// FNV-1a over each decoded text, its length first, so that texts cannot run into each other.
class Digest {
 public:
  void Add(std::u16string_view text) {
    Mix(text.size());
    for (const char16_t unit : text) Mix(unit);
  }
  uint64_t value() const { return value_; }

 private:
  void Mix(uint64_t word) {
    for (int i = 0; i < 8; ++i, word >>= 8) value_ = (value_ ^ (word & 0xFF)) * 0x100000001B3ull;
  }
  uint64_t value_ = 0xCBF29CE484222325ull;
};

std::string Hex(std::u16string_view text) {
  std::string out;
  char buffer[8];
  for (const char16_t unit : text) {
    std::snprintf(buffer, sizeof buffer, "%04X ", static_cast<unsigned>(unit));
    out += buffer;
  }
  return out;
}

// ---- strict UTF-8 ----

#ifdef _WIN32
// Every input is tried alone and between ASCII letters, which the decoders must pass through.
void ExpectSameUtf8(std::string_view bytes, int& differences) {
  for (const std::string& input : {std::string(bytes), "a" + std::string(bytes) + "b"}) {
    const std::optional<std::u16string> system = DecodeUtf8Strict(input);
    const std::optional<std::u16string> portable = DecodeUtf8StrictPortable(input);
    if (system == portable) continue;
    if (++differences > 20) return;
    ADD_FAILURE() << "bytes " << Hex(std::u16string(input.begin(), input.end())) << ": system "
                  << (system ? Hex(*system) : "invalid") << ", portable "
                  << (portable ? Hex(*portable) : "invalid");
  }
}

TEST(DecoderDifferentialTest, Utf8EveryInputOfOneAndTwoBytes) {
  int differences = 0;
  for (int first = 0; first < 256; ++first) {
    ExpectSameUtf8(std::string(1, static_cast<char>(first)), differences);
    for (int second = 0; second < 256; ++second) {
      const char pair[] = {static_cast<char>(first), static_cast<char>(second)};
      ExpectSameUtf8(std::string_view(pair, 2), differences);
    }
  }
  EXPECT_EQ(differences, 0);
}

// Lead bytes of three and four byte forms and of the retired longer ones, every second byte,
// and the bytes at the edges of the continuation ranges in the places after it.
TEST(DecoderDifferentialTest, Utf8LongerFormsAtTheirEdges) {
  const unsigned char edges[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xFF};
  int differences = 0;
  for (int lead = 0xE0; lead <= 0xFF; ++lead) {
    for (int second = 0; second < 256; ++second) {
      for (const unsigned char third : edges) {
        const char three[] = {static_cast<char>(lead), static_cast<char>(second),
                              static_cast<char>(third)};
        ExpectSameUtf8(std::string_view(three, 3), differences);
        if (lead < 0xF0) continue;
        for (const unsigned char fourth : edges) {
          const char four[] = {static_cast<char>(lead), static_cast<char>(second),
                               static_cast<char>(third), static_cast<char>(fourth)};
          ExpectSameUtf8(std::string_view(four, 4), differences);
        }
      }
    }
  }
  EXPECT_EQ(differences, 0);
}

// Texts of whole characters of every length, with now and then a byte that breaks them.
TEST(DecoderDifferentialTest, Utf8MixedTexts) {
  Random random(8);
  int differences = 0;
  for (int t = 0; t < 20000; ++t) {
    std::string text;
    const unsigned characters = 1 + random.Below(40);
    for (unsigned c = 0; c < characters; ++c) {
      const unsigned kind = random.Below(16);
      const unsigned scalar = kind < 6    ? random.Below(0x80)
                              : kind < 9  ? 0x80 + random.Below(0x780)
                              : kind < 13 ? 0x800 + random.Below(0xF800)
                                          : 0x10000 + random.Below(0x100000);
      if (kind == 15) {
        text += static_cast<char>(random.Below(256));
      } else if (scalar < 0x80) {
        text += static_cast<char>(scalar);
      } else if (scalar < 0x800) {
        text += static_cast<char>(0xC0 | (scalar >> 6));
        text += static_cast<char>(0x80 | (scalar & 0x3F));
      } else if (scalar < 0x10000) {  // surrogates included: both decoders must refuse them
        text += static_cast<char>(0xE0 | (scalar >> 12));
        text += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (scalar & 0x3F));
      } else {
        text += static_cast<char>(0xF0 | (scalar >> 18));
        text += static_cast<char>(0x80 | ((scalar >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (scalar & 0x3F));
      }
    }
    ExpectSameUtf8(text, differences);
  }
  EXPECT_EQ(differences, 0);
}
#endif

// ---- code page 936 ----

// Each input of a row alone: every byte on its own, or every byte after one lead byte.
std::vector<std::string> PairRow(int lead) {
  std::vector<std::string> inputs;
  for (int byte = 0; byte < 256; ++byte) {
    std::string input;
    if (lead >= 0) input += static_cast<char>(lead);
    input += static_cast<char>(byte);
    inputs.push_back(input);
  }
  return inputs;
}

// Texts of mixed ASCII, pairs and stray bytes; the long ones cross the pieces the native
// converter works in.
std::vector<std::string> MixedRow(uint64_t seed, int texts, size_t length) {
  Random random(seed);
  std::vector<std::string> inputs;
  for (int t = 0; t < texts; ++t) {
    std::string input;
    while (input.size() < length) {
      const unsigned kind = random.Below(8);
      if (kind < 3) {
        input += static_cast<char>(0x20 + random.Below(0x5F));
      } else if (kind < 7) {
        input += static_cast<char>(0x81 + random.Below(0x7E));
        input += static_cast<char>(0x40 + random.Below(0xBF));
      } else {
        input += static_cast<char>(random.Below(256));
      }
    }
    inputs.push_back(input);
  }
  return inputs;
}

uint64_t DigestOf936(const std::vector<std::string>& inputs) {
  Digest digest;
  for (const std::string& input : inputs) digest.Add(DecodeCodePage(input, 936));
  return digest.value();
}

void ExpectRow936(const char* name, const std::vector<std::string>& inputs, uint64_t expected) {
  const uint64_t got = DigestOf936(inputs);
  if (got == expected) return;
  std::string dump;
  for (const std::string& input : inputs) {
    if (input.size() <= 3) dump += Hex(std::u16string(input.begin(), input.end())) + "-> ";
    dump += Hex(DecodeCodePage(input, 936)) + "\n";
  }
  ADD_FAILURE() << name << ": digest 0x" << std::hex << got << ", the table has 0x" << expected
                << "\n"
                << dump.substr(0, 20000);
}

// The digests of the inputs above as the native converter decodes them.
constexpr uint64_t kSingleBytes936 = 0x2feb59d7d0dfcd04ull;
constexpr uint64_t kMixedShort936 = 0x751037d2b5fbb152ull;
constexpr uint64_t kMixedLong936 = 0x1bd1b24d4c0910f5ull;
constexpr uint64_t kLeadRows936[126] = {
    0x9ede34c6065b6023ull, 0x60420adad955f89full, 0xbf1c0fab69df5846ull,  // 81
    0x585a7c53550cbdfdull, 0xa95a0408bbd3d1a3ull, 0x545d3ac1bd840892ull,  // 84
    0x54b83ee725b36e30ull, 0x6d892cd47625c5ccull, 0xdea6d0ad0c90b998ull,  // 87
    0x6cede9f87f89921eull, 0xbac0cefcb37717c8ull, 0x824d8ad8fa5701ebull,  // 8A
    0xdd1fd210e48e85f6ull, 0xba8c181395a73c97ull, 0x6155c2554551da3cull,  // 8D
    0xecca3257f3b366e6ull, 0x0f1ca3e19f810e27ull, 0xc24655ef20115bb5ull,  // 90
    0x5cb48cf6df896678ull, 0xd3e1f122398aa8f1ull, 0x81705f633a2519beull,  // 93
    0x61bbecaf14350de4ull, 0x5bf82f2797118625ull, 0x5abd2c6b8d799af4ull,  // 96
    0x81380363fc8fc33full, 0xd6c9e09dcd6a60d9ull, 0xdcc61a3cc802254aull,  // 99
    0x611c9d6c83893157ull, 0x19f10c12384ea62bull, 0xe8afc8e7720c9a9full,  // 9C
    0x338d8c7a4a500b21ull, 0x3b4df28f5278319cull, 0xe91136214bd9f695ull,  // 9F
    0x04315b4b17ca2033ull, 0x4fba2945a7eeb511ull, 0x3ae35e1806785106ull,  // A2
    0xc4377029d7c19e51ull, 0x57fd90b9b41b3e0full, 0x9a4a5f470d6496eeull,  // A5
    0x28270d40f2836645ull, 0x28e63d5d1d81f2baull, 0xcffe0a2b2c3b5b44ull,  // A8
    0xb2ba2e8f21ad0187ull, 0x9eb526f158ff3fd2ull, 0x9e7378c5378029c5ull,  // AB
    0x6f95aeb89f20294eull, 0x44bf29aac873641aull, 0x6d03336268862d73ull,  // AE
    0x44f88da8be1e9e64ull, 0x998c2740e723eba8ull, 0x00f6539ed43d100dull,  // B1
    0x6067d02f19b1e74aull, 0x98da7afadd85fe6aull, 0x35764899bc24e14bull,  // B4
    0xedd977361a7a36bdull, 0x0b3e2d36ba5b5ddaull, 0x8d194b00f66e1e02ull,  // B7
    0xc940225e15a45033ull, 0x24e354d8191f7d27ull, 0x379360798d2f0c37ull,  // BA
    0x0a08ea21ca8f12dcull, 0x3f32de96d7207c51ull, 0x0f9258e6fbe4e119ull,  // BD
    0x639b5dc22e9accfaull, 0x0ca91862fc97b6c3ull, 0x630f2665724a1637ull,  // C0
    0x752c4b45e406cc0dull, 0x7ba45b2cf7e5d8b4ull, 0x755bbb368056308cull,  // C3
    0x24291248aa537294ull, 0xfa3020f245aecc28ull, 0xade88bd0b0a6035full,  // C6
    0x80e73781e166d7eeull, 0xc3cd62796986e6a9ull, 0xc2dc17620011e6c7ull,  // C9
    0x19dca92cda385e27ull, 0x382539363840005bull, 0xc158d7404991e40aull,  // CC
    0x074bd4b112312391ull, 0x26dc97b0e0e60cb1ull, 0x2e2e616ffae84196ull,  // CF
    0xd742ed6ff209b641ull, 0xd73b71f299ee2b01ull, 0xca70f5d5e0bd105cull,  // D2
    0x1bd9e2454f3622efull, 0x4f4ef05309b2afa0ull, 0x825c8430352e6478ull,  // D5
    0x714ba2e12fcae8daull, 0x3508e3a72cf98bfeull, 0xcc87c97a35582f85ull,  // D8
    0x730c8e1aa16c10feull, 0x2db6e2fcdf8e00e2ull, 0xf67852cd1c9b0633ull,  // DB
    0x82b924a7507986a0ull, 0x1884f2473075f214ull, 0x571f3559a56f5583ull,  // DE
    0x677a67ad3d951c0dull, 0x020fa9f1445cfdfcull, 0xe1f5c7e85babfdf7ull,  // E1
    0x8b50f5a263739957ull, 0xf23001863ad8d9cdull, 0x9a2f42f2c34173b0ull,  // E4
    0x62511ae12f8821b6ull, 0xd8cfd222b8360de3ull, 0xd8a971c143649312ull,  // E7
    0x72e8c1f6218f9230ull, 0x88a882bbafc13358ull, 0x27fbc380a58d9c97ull,  // EA
    0xbb4f3022fe574252ull, 0xa2ce846257d9f77dull, 0x7e18886821eae781ull,  // ED
    0xe3c71581f7d18c24ull, 0x112a65b92ae64b19ull, 0x3acfcfff6b1178fdull,  // F0
    0xec2e0b6f41d3b067ull, 0x015af5f6db26359full, 0x716090589ef8886aull,  // F3
    0x524ceb7a6b1814e8ull, 0xdc83824d9cd94782ull, 0xfb09ee1b96af7124ull,  // F6
    0xacf231e5ba3933dbull, 0x456c7bfe94fb077eull, 0x8d24708f8b91b464ull,  // F9
    0x9fe418d5600d9a0bull, 0x061b2c1bea7fabd7ull, 0xf182d3445cc8653eull,  // FC
};

TEST(DecoderDifferentialTest, CodePage936SingleBytes) {
  ExpectRow936("single bytes", PairRow(-1), kSingleBytes936);
}

TEST(DecoderDifferentialTest, CodePage936EveryPairOfEveryLeadByte) {
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    SCOPED_TRACE(lead);
    ExpectRow936("pairs", PairRow(lead), kLeadRows936[lead - 0x81]);
  }
}

TEST(DecoderDifferentialTest, CodePage936MixedTexts) {
  ExpectRow936("short mixed texts", MixedRow(936, 4000, 24), kMixedShort936);
  ExpectRow936("long mixed texts", MixedRow(9360, 3, 200000), kMixedLong936);
}

// ---- upper-casing of ASCII names ----

constexpr uint64_t kUpperSingles = 0x52cdaae5c6a85e65ull;
constexpr uint64_t kUpperPairs = 0x493302c4d35d04a5ull;
constexpr uint64_t kUpperNames = 0xa336de152a36acc3ull;

uint64_t DigestOfUpper(const std::vector<std::u16string>& texts) {
  Digest digest;
  for (const std::u16string& text : texts) digest.Add(UpperCaseUnits(text));
  return digest.value();
}

TEST(DecoderDifferentialTest, UpperCaseOfAsciiNames) {
  std::vector<std::u16string> singles, pairs, names;
  for (char16_t a = 0; a < 0x80; ++a) {
    singles.push_back(std::u16string(1, a));
    for (char16_t b = 0; b < 0x80; ++b) pairs.push_back(std::u16string{a, b});
  }
  Random random(0x5E7);
  for (int n = 0; n < 2000; ++n) {
    std::u16string name(1 + random.Below(24), u' ');
    for (char16_t& unit : name) unit = static_cast<char16_t>(random.Below(0x80));
    names.push_back(name);
  }
  EXPECT_EQ(DigestOfUpper(singles), kUpperSingles) << std::hex << DigestOfUpper(singles);
  EXPECT_EQ(DigestOfUpper(pairs), kUpperPairs) << std::hex << DigestOfUpper(pairs);
  EXPECT_EQ(DigestOfUpper(names), kUpperNames) << std::hex << DigestOfUpper(names);
}

}  // namespace
}  // namespace zix
