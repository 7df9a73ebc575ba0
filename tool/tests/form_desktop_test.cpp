// The form on the user's desktop: its place under the pointer, its pixels at the screen's
// resolution, its colours in the user's scheme.
#include "tool/form_desktop.h"

#include <gtest/gtest.h>

#include <optional>

#include "tool/form_layout.h"

namespace morven::tool {
namespace {

constexpr PixelSize kFrame{318, 244};
constexpr PixelRect kScreen{0, 0, 1920, 1080};

TEST(FormPlacementTest, UnderThePointerClampedToTheWorkArea) {
  const struct {
    const char* name;
    PixelPoint cursor;
    PixelPoint cursorAgain;
    std::optional<PixelRect> workArea;
    PixelPoint place;
  } cases[] = {
      {"under the pointer", {500, 300}, {500, 300}, kScreen, {341, 296}},
      {"top from the second reading", {500, 300}, {510, 310}, kScreen, {341, 306}},
      {"right edge", {1900, 300}, {1900, 300}, kScreen, {1920 - 318, 296}},
      {"bottom edge", {500, 1000}, {500, 1000}, kScreen, {341, 1080 - 244}},
      {"top left corner", {10, 2}, {10, 2}, kScreen, {0, 0}},
      {"second screen", {1930, 300}, {1930, 300}, PixelRect{1920, 0, 1280, 1024}, {1920, 296}},
      {"second screen's work area from its edges",
       {3190, 1060},
       {3190, 1060},
       PixelRectFromEdges(1920, 40, 3200, 1064),
       {3200 - 318, 1064 - 244}},
      {"screen smaller than the window keeps the title bar",
       {100, 100},
       {100, 100},
       PixelRect{0, 0, 200, 200},
       {0, 0}},
      {"no known work area", {10, 2}, {10, 2}, std::nullopt, {-149, -2}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlaceUnderPointer(c.cursor, c.cursorAgain, kFrame, c.workArea), c.place) << c.name;
  }
}

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
      {"nor is none", 0, 217, 217},
  };
  for (const auto& c : cases) EXPECT_EQ(FormScale(c.dpi).Pixels(c.design), c.pixels) << c.name;
  EXPECT_EQ(FormScale(144).Size(kClientSize), (PixelSize{468, 326}));
  // A label is as wide as the table says, or as its caption where the font draws it wider.
  const ControlSpec& label = ControlFor(ControlRole::kStartMarkLabel);  // 26 x 13
  EXPECT_EQ(LabelSize(label, 20), (PixelSize{26, 13}));
  EXPECT_EQ(LabelSize(label, 28), (PixelSize{28, 13}));
  EXPECT_EQ(LabelSize(label, 28, FormScale(144)), (PixelSize{39, 20}));
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
      {"navy on cream: the form's white", 0x000080, 0xFFFDD0, false, {0x000080, kWhite}},
      {"light yellow on navy: its own window", 0xFFFFE0, 0x000080, false, {0xFFFFE0, 0x000080}},
      {"blue reads on white (8.6:1)", 0x0000FF, 0xFFFDD0, false, {0x0000FF, kWhite}},
      {"red does not (4.0:1)", 0xFF0000, 0xFFFDD0, false, {0xFF0000, 0xFFFDD0}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseFormColours(c.windowText, c.window, c.highContrast), c.chosen) << c.name;
  }
}

}  // namespace
}  // namespace morven::tool
