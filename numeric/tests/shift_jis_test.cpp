#include "numeric/shift_jis.h"

#include <gtest/gtest.h>

#include <string>

namespace morven::numeric {
namespace {

TEST(CutWhole, NeverEndsInsideOrOnALeadByte) {
  struct Case {
    std::string text;
    std::size_t max;
    std::string expected;
  };
  const Case cases[] = {
      {"abc", 5, "abc"},
      {"abcdef", 3, "abc"},
      {"A\x82\xa0", 2, "A"},
      {"A\x82\xa0", 3, "A\x82\xa0"},
      {"\x82\xa0\x82\xa1", 3, "\x82\xa0"},
      {"ab\x82", 10, "ab"},
      {"\xa0\xdf", 1, "\xa0"},  // half-width kana are single bytes
      {"", 0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CutWhole(c.text, c.max), c.expected) << c.text;
}

TEST(FindWhole, SkipsSecondBytesOfDoubleByteCharacters) {
  EXPECT_EQ(FindWhole("hp12ln", "ln"), 4u);
  EXPECT_EQ(FindWhole("x\x83-", "-"), std::string_view::npos);
  EXPECT_EQ(FindWhole("\x83-"
                      "-",
                      "-"),
            2u);
  EXPECT_EQ(FindWhole("a\x82"
                      "file=",
                      "file="),
            std::string_view::npos);
  EXPECT_EQ(FindWhole("afile=", "file="), 1u);
  EXPECT_EQ(FindWhole("", "x"), std::string_view::npos);
}

}  // namespace
}  // namespace morven::numeric
