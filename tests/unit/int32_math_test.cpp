#include "launcher/int32_math.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace zix {
namespace {

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
