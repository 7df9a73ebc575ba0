// The form on the user's desktop: its pixels at the screen's resolution, its colours in the
// user's scheme.
#include <gtest/gtest.h>

#include "tool/form_colours.h"
#include "tool/form_layout.h"
#include "tool/form_scale.h"

namespace morven::tool {
namespace {

TEST(FormScaleTest, DesignPixelsAtTheWindowsResolution) {
  const struct {
    const char* name;
    int dpi;
    int design;
    int pixels;
  } cases[] = {
      {"96 DPI is the design", 96, 217, 217},
      {"120 DPI: a quarter more, rounded down below the half", 120, kFontPixels, 16},
      {"144 DPI: a half rounds up", 144, 217, 326},
      {"192 DPI: twice", 192, 217, 434},
      {"a negative half rounds away from zero", 144, -3, -5},
      {"a resolution the system could not tell is the design's", -144, 217, 217},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormScale(c.dpi).Pixels(c.design), c.pixels) << c.name;
  }
  EXPECT_EQ(FormScale(144).Size(kClientSize), (PixelSize{468, 326}));
  EXPECT_EQ(FormScale(192).Rect(PixelRect{200, 108, 57, 21}), (PixelRect{400, 216, 114, 42}));
}

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
      {"#767676 reads on white, just", 0x767676, 0x202020, false, {0x767676, kWhite}},
      {"#777777 does not: the system's window", 0x777777, 0x202020, false, {0x777777, 0x202020}},
      {"a dark scheme: its own window", 0xEEEEEE, 0x303030, false, {0xEEEEEE, 0x303030}},
      {"high contrast, white on black", kWhite, kBlack, true, {kWhite, kBlack}},
      {"high contrast, black on yellow", kBlack, 0xFFFF00, true, {kBlack, 0xFFFF00}},
      {"bits above the colour are not colour", 0xFF000000, 0xFF303030, false, {kBlack, kWhite}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseFormColours(c.windowText, c.window, c.highContrast), c.chosen) << c.name;
  }
}

}  // namespace
}  // namespace morven::tool
