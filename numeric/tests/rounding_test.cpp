#include <gtest/gtest.h>

#include <string>

#include "numeric/float_error.h"
#include "numeric/number_text.h"
#include "numeric/tests/same_double.h"

namespace morven::numeric {
namespace {

struct RoundCase {
  int digits;
  int mode;
  double x;
  double expected;
};

// The products |x| * 10^digits stay in extended precision before the half is added: in doubles
// 1.2345 and 1.0005 would round up.
TEST(RoundDecimalsTest, RoundsInExtendedPrecision) {
  const RoundCase cases[] = {
      {3, 2, 1.2345, 1.234},
      {3, 2, 1.0005, 1.0},
      {3, 2, 2.0005, 2.001},
      {3, 2, 0.0005, 0.001},
      {3, 2, -1.0015, -1.002},
      {3, 2, 1234.5675, 1234.568},
      {3, 2, -0.0004, -0.0},
      {3, 2, 0.0, 0.0},
      {3, 0, 2.675, 2.674},
      {3, 0, -2.6759, -2.675},
      {3, 1, 3.00000000001, 3.001},
      {3, 1, 3.00000000000005, 3.0},
      {3, 1, 2.0, 2.0},
      {3, 1, 1e9, 1e9},  // the plain sum 1e12 + 0.9999999999 rounds to 1e12 + 1
      {3, 1, -1e9, -1e9},
      {3, 1, 1000000000.0000002, 1000000000.001},
      {9, 1, 12345.0, 12345.0},
      {3, 7, 1.0015, 1.002},
      {3, -1, 1.0015, 1.002},
      {0, 2, 2.5, 3.0},
      {12, 2, 2.5, 3.0},
      {9, 2, 0.1234567895, 0.123456789},  // the double lies below the half
      {3, 2, 1e300, 1e300},
      {3, 2, 1e19, 1e19},
  };
  for (const auto& c : cases) {
    const std::string input =
        std::to_string(c.digits) + ", " + std::to_string(c.mode) + ", " + std::to_string(c.x);
    EXPECT_TRUE(SameDouble(input, c.expected, RoundDecimals(c.digits, c.mode, c.x)));
  }
}

TEST(RoundTenDecimalsTest, MovesToTheNearestTenthDecimal) {
  const struct {
    double x;
    double expected;
  } cases[] = {
      {0.99999999999, 1.0},
      {12.3456789012345, 12.3456789012},
      {-12.3456789012345, -12.3456789012},
      {359.99999999996, 360.0},
      {1e-11, 0.0},
      {-1e-11, -0.0},
      {45.000000000000007, 45.0},
      {0.0, 0.0},
      {1e300, 1e300},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(SameDouble(std::to_string(c.x), c.expected, RoundTenDecimals(c.x)));
  }
}

TEST(RoundingTest, NonFiniteInputThrows) {
  EXPECT_THROW(RoundTenDecimals(INFINITY), FloatingPointError);
  EXPECT_THROW(RoundDecimals(3, 2, NAN), FloatingPointError);
}

}  // namespace
}  // namespace morven::numeric
