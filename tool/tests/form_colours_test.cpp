#include "tool/form_colours.h"

#include <gtest/gtest.h>

namespace morven::tool {
namespace {

constexpr unsigned kWhite = 0xFFFFFF;
constexpr unsigned kBlack = 0x000000;

TEST(FormColoursTest, TheFormsWhiteOnlyWhereTheSystemsTextReadsOnIt) {
  const struct {
    const char* name;
    unsigned windowText;
    unsigned window;
    bool highContrast;
    FormColours chosen;
  } cases[] = {
      {"the usual scheme: black on the form's white", kBlack, 0xF0F0F0, false, {kBlack, kWhite}},
      {"a dark blue text reads on white", 0x000080, 0x202020, false, {0x000080, kWhite}},
      {"#767676 reads on white, just", 0x767676, 0x202020, false, {0x767676, kWhite}},
      {"#777777 does not: the system's window", 0x777777, 0x202020, false, {0x777777, 0x202020}},
      {"a dark scheme: light text on the system's dark window",
       0xEEEEEE,
       0x303030,
       false,
       {0xEEEEEE, 0x303030}},
      {"high contrast, white on black", kWhite, kBlack, true, {kWhite, kBlack}},
      {"high contrast whose text would read on white keeps its own window",
       kBlack,
       0xFFFF00,
       true,
       {kBlack, 0xFFFF00}},
      {"bits above the colour are not colour", 0xFF000000, 0xFF303030, false, {kBlack, kWhite}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseFormColours(c.windowText, c.window, c.highContrast), c.chosen) << c.name;
  }
}

}  // namespace
}  // namespace morven::tool
