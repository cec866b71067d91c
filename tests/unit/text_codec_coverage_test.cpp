// Decoder paths that the main tables leave out: a four-byte UTF-8 sequence broken at each of
// its continuation bytes, a high surrogate that ends the text, and the lead bytes of page 936.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/code_page_936.h"
#include "platform/text_codec.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zix {
namespace {

TEST(Utf8FourByteSequences, BrokenAtAnyContinuationFailsWhole) {
  struct Row {
    const char* what;
    std::string bytes;
    bool valid;
  };
  const Row rows[] = {
      {"whole", "a\xF0\x9F\x98\x80" "b", true},
      {"second byte no continuation", "a\xF0\x41\x98\x80" "b", false},
      {"third byte no continuation", "a\xF0\x9F\x41\x80" "b", false},
      {"fourth byte no continuation", "a\xF0\x9F\x98\x41" "b", false},
      {"third byte missing at the end", "a\xF4\x8F", false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DecodeUtf8StrictPortable(row.bytes).has_value(), row.valid) << row.what;
    EXPECT_EQ(DecodeUtf8Strict(row.bytes).has_value(), row.valid) << row.what << " (in use)";
  }
  EXPECT_EQ(DecodeUtf8StrictPortable("a\xF0\x9F\x98\x80" "b"), u"a\U0001F600b");
}

TEST(ToUtf8, HighSurrogateAtTheEndBecomesTheReplacement) {
  const std::u16string text = {u'a', static_cast<char16_t>(0xD83D)};
  EXPECT_EQ(ToUtf8(text), "a\xEF\xBF\xBD");
}

TEST(CodePage936, LeadBytesRunFrom81ToFE) {
  struct Row {
    unsigned char byte;
    bool lead;
  };
  constexpr Row rows[] = {{0x00, false}, {0x7F, false}, {0x80, false}, {0x81, true},
                          {0xA1, true},  {0xFE, true},  {0xFF, false}};
  for (const Row& row : rows) {
    EXPECT_EQ(cp936::IsLeadByte(row.byte), row.lead) << static_cast<int>(row.byte);
#ifdef _WIN32
    // The system's own table of the code page says the same.
    EXPECT_EQ(IsDBCSLeadByteEx(936, row.byte) != FALSE, row.lead) << static_cast<int>(row.byte);
#endif
  }
}

}  // namespace
}  // namespace zix
