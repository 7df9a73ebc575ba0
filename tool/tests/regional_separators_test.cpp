#include "tool/regional_separators.h"

#include <gtest/gtest.h>

namespace morven::tool {
namespace {

struct SeparatorCase {
  const char* decimal;
  const char* thousands;
  char expectedDecimal;
  char expectedThousands;
};

const SeparatorCase kSeparatorCases[] = {
    {".", ",", '.', ','},
    {",", ".", ',', '.'},
    {".", "'", '.', '\''},
    {",", " ", ',', ' '},
    {",", "\xE2\x80\xAF", '.', ','},  // narrow no-break space: not in code page 932
    {".", "\xE2\x80\x99", '.', ','},  // right single quotation mark: two bytes in code page 932
    {",", ",", '.', ','},             // equal
    {"", ",", '.', ','},
    {"..", ",", '.', ','},
    {"\xEF\xBC\x8E", ",", '.', ','},  // full-width full stop: two bytes
};

TEST(RegionalSeparatorsTest, UsesOneByteSeparatorsThatDiffer) {
  for (const SeparatorCase& c : kSeparatorCases) {
    const numeric::Separators s = ChooseSeparators(c.decimal, c.thousands);
    EXPECT_EQ(s.decimal, c.expectedDecimal) << c.decimal << " " << c.thousands;
    EXPECT_EQ(s.thousands, c.expectedThousands) << c.decimal << " " << c.thousands;
  }
}

}  // namespace
}  // namespace morven::tool
