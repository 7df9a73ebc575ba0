#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

namespace morven::numeric {
namespace {

struct TextCase {
  double x;
  std::string_view expected;
};

TEST(GeneralNumberTextTest, WritesAtMostFifteenDigits) {
  const TextCase cases[] = {
      {3, "3"},
      {2.5, "2.5"},
      {-12.75, "-12.75"},
      {0.1, "0.1"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {1.5e-5, "1.5E-5"},
      {0.0000999, "9.99E-5"},
      {0.00009999999999999999, "0.0001"},
      {123456789012345, "123456789012345"},
      {999999999999999, "999999999999999"},
      {999999999999999.4, "999999999999999"},
      {999999999999999.5, "1E15"},
      {1e15, "1E15"},
      {1234567890123456, "1.23456789012346E15"},
      {1e20, "1E20"},
      {1e-20, "1E-20"},
      {-2.5e-300, "-2.5E-300"},
      {DBL_MAX, "1.79769313486232E308"},
      {4.9406564584124654e-324, "4.94065645841247E-324"},
      {0.0, "0"},
      {-0.0, "0"},
      {100, "100"},
      {1234.5, "1234.5"},
      {-0.001, "-0.001"},
      {0.5, "0.5"},
      {INFINITY, "INF"},
      {-INFINITY, "-INF"},
      {NAN, "NAN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GeneralNumberText(c.x), c.expected) << "input " << std::to_string(c.x);
  }
}

// The tie is judged on 18 significant digits, not on the double's full expansion and not on 15.
TEST(GeneralNumberTextTest, JudgesTiesOnEighteenDigits) {
  const TextCase cases[] = {
      {562949953421312.5, "562949953421313"},  // exactly representable half
      {-562949953421312.5, "-562949953421313"},
      {0.1234567890123245, "0.123456789012325"},  // exactly ...32449987, 18 digits ...324500
      {0.1234567890123595, "0.12345678901236"},   // exactly ...35949965, 18 digits ...359500
      {0.1234567890123454, "0.123456789012345"},
      {1.0000000000000049, "1"},  // 18 digits 1.00000000000000488
      {1.0000000000000051, "1.00000000000001"},
      {2.0000000000000004, "2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GeneralNumberText(c.x), c.expected) << "input " << c.expected;
  }
}

TEST(GeneralNumberTextTest, UsesTheDecimalSeparatorOnly) {
  const Separators comma{',', '.'};
  EXPECT_EQ(GeneralNumberText(1234.5, comma), "1234,5");
  EXPECT_EQ(GeneralNumberText(1.5e-5, comma), "1,5E-5");
  EXPECT_EQ(GeneralNumberText(0.0001, Separators{'\'', ' '}), "0'0001");
}

struct FixedCase {
  int n;
  double x;
  std::string_view expected;
};

TEST(RealToTextTest, WritesFixedDecimalsWithThousands) {
  const FixedCase cases[] = {
      {3, 1234.5, "1,234.500"},
      {3, 0.25, "0.250"},
      {3, 999999.9996, "1,000,000.000"},
      {3, -0.0004, "0.000"},
      {3, -0.0005, "-0.001"},
      {3, 0.0005, "0.001"},
      {3, 0, "0.000"},
      {3, -0.0, "0.000"},
      {3, 1234567, "1,234,567.000"},
      {3, 123, "123.000"},
      {3, 123456, "123,456.000"},
      {3, -1234.5675, "-1,234.568"},
      {3, 2.675, "2.675"},  // 18 digits 2.67499999999999982: no tie at 3 decimals
      {2, 2.675, "2.67"},
      {2, 0.125, "0.13"},
      {0, 2.5, "3"},
      {0, -2.5, "-3"},
      {0, 0.4, "0"},
      {0, 1234, "1,234"},
      {3, 1e-20, "0.000"},
      {18, 0.1, "0.100000000000000006"},
      {3, 123456789012345678.0, "123,456,789,012,345,680.000"},  // past 18 digits: zeros
      {3, 1e18, "1E18"},
      {3, -1234567890123456789.0, "-1.23456789012345677E18"},
      {3, INFINITY, "INF"},
      {3, NAN, "NAN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RealToText(c.n, c.x), c.expected) << "n " << c.n << " input " << c.expected;
  }
}

TEST(RealToTextTest, UsesBothSeparators) {
  EXPECT_EQ(RealToText(3, 1234567.5, Separators{',', '.'}), "1.234.567,500");
  EXPECT_EQ(RealToText(3, -1234.5, Separators{'.', ' '}), "-1 234.500");
  EXPECT_EQ(RealToText(1, 1e18, Separators{',', '.'}), "1E18");
}

}  // namespace
}  // namespace morven::numeric
