#include "platform/exception.h"

#include <gtest/gtest.h>

#include <memory>

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

}  // namespace
}  // namespace zix
