// Platform decisions that the main tables leave out: the innermost error of a chain, a
// separator the system gives as a zero character, and signed division at its edges.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "launcher/int32_math.h"
#include "platform/exception.h"
#include "platform/format_settings.h"

namespace zix {
namespace {

TEST(GetBaseException, WalksToTheInnermostError) {
  EOverflow alone(u"alone");
  EXPECT_EQ(&GetBaseException(alone), &alone);

  auto innermost = std::make_shared<EDivByZero>(u"Division by zero");
  auto middle = std::make_shared<EOverflow>(u"");
  middle->SetInner(innermost);
  EFOpenError outer(u"outer");
  outer.SetInner(middle);
  EXPECT_EQ(&GetBaseException(outer), innermost.get());
  EXPECT_EQ(GetBaseException(outer).Message(), u"Division by zero");
  EXPECT_STREQ(GetBaseException(outer).ClassName(), "EDivByZero");
}

TEST(FormatSettings, ZeroCharacterWrittenAsTheSeparator) {
  const char16_t zero[2] = {u'\0', u'\0'};
  EXPECT_EQ(SeparatorFromLocaleInfo(2, zero), u'.');
}

TEST(TruncDiv, TowardZeroAndTheOneOverflow) {
  struct Row {
    int32_t a;
    int32_t b;
    int32_t quotient;
  };
  constexpr Row rows[] = {
      {7, 2, 3},           {-45, 2, -22},       {45, -2, -22},
      {-7, -1, 7},         {7, -1, -7},         {0, -1, 0},
      {INT32_MIN, -1, INT32_MIN},  // the quotient 2^31 does not fit and wraps
      {INT32_MIN, 2, -1073741824}, {INT32_MAX, -1, -INT32_MAX},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TruncDiv(row.a, row.b), row.quotient) << row.a << " / " << row.b;
  }
}

}  // namespace
}  // namespace zix
