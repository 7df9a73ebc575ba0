#include <gtest/gtest.h>

#include <string_view>

#include "numeric/number_text.h"

namespace morven::numeric {
namespace {

TEST(StripBlanksTest, RemovesBlanksAndControlBytesByCharacter) {
  const struct {
    std::string_view text;
    std::string_view expected;
  } cases[] = {
      {"\x81\x40"
       "A B",
       "AB"},
      {" \x81\x40\t\x01\x1F\r\n \x81\x40", ""},
      {"", ""},
      {"\x83\x40", "\x83\x40"},
      {"\x81\x20", "\x81\x20"},
      {"A\x81", "A\x81"},
      {"\x81\x40\x81", "\x81"},
      {"\x82\x81\x40", "\x82\x81@"},  // 0x81 here is a trail byte
      {"\xA0\xDF\xFE\xFF", "\xA0\xDF\xFE\xFF"},
      {std::string_view("A\0B", 3), "AB"},
      {" 12.5 mm ", "12.5mm"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripBlanks(c.text), c.expected);
}

}  // namespace
}  // namespace morven::numeric
