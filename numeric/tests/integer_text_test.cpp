#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "numeric/number_text.h"

namespace morven::numeric {
namespace {

TEST(DecimalIntegerTextTest, WritesSignAndDigits) {
  const struct {
    std::int32_t v;
    std::string_view expected;
  } cases[] = {
      {0, "0"}, {-7, "-7"}, {42, "42"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalIntegerText(c.v), c.expected);
}

TEST(HexIntegerTextTest, WritesUpperCaseTwosComplement) {
  const struct {
    std::int32_t v;
    int minDigits;
    std::string_view expected;
  } cases[] = {
      {10, 1, "A"},
      {0, 1, "0"},
      {255, 1, "FF"},
      {-1, 1, "FFFFFFFF"},
      {INT32_MIN, 1, "80000000"},
      {10, 4, "000A"},
      {0x12345, 2, "12345"},
      {0, 0, "0"},
      {-1, 10, "00FFFFFFFF"},
      {10, -3, "A"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HexIntegerText(c.v, c.minDigits), c.expected) << c.v << " min " << c.minDigits;
  }
}

TEST(HexIntegerTextTest, PaddingStopsAtALineLength) {
  EXPECT_EQ(HexIntegerText(1, 100000), std::string(254, '0') + "1");
}

}  // namespace
}  // namespace morven::numeric
