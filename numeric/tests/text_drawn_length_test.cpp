#include <gtest/gtest.h>

#include <cfloat>
#include <string_view>

#include "numeric/float_error.h"
#include "numeric/geometry.h"
#include "numeric/tests/same_double.h"

namespace morven::numeric {
namespace {

TEST(TextDrawnLengthTest, AddsWidthsAndGapsBetweenCharacters) {
  const struct {
    std::string_view text;
    double w, g, expected;
  } cases[] = {
      {"ABCDEF", 3, 0, 9},
      {"ABCDEF", 3, 1, 11.5},
      {"\x82\xA0\x82\xA2", 3, 1, 7},
      {"A\x82\xA0", 3, 1, 5},
      {"\x82\xA0"
       "A",
       3, 1, 5.5},
      {"", 3, 1, 0},
      {"\x82", 3, 1, 3},
      {"A\x82", 3, 1, 5},
      {"A\tB", 2, 1, 3},
      {"\t", 2, 1, 0},
      {"1,234.500", 2.5, 0, 11.25},
      {"\xB1\xB2", 2, 0, 2},  // half-width katakana
      {"\x81\x40", 2, 1, 2},  // the full-width space has width
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(SameDouble(c.text, c.expected, TextDrawnLength(c.text, c.w, c.g)));
  }
}

TEST(TextDrawnLengthTest, LengthBeyondTheDoubleRangeThrowsOverflow) {
  EXPECT_THROW(TextDrawnLength("\x82\xA0\x82\xA0", DBL_MAX, 0), FloatingPointError);
}

}  // namespace
}  // namespace morven::numeric
