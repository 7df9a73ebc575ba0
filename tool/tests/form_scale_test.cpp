#include "tool/form_scale.h"

#include <gtest/gtest.h>

#include "tool/form_layout.h"

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

}  // namespace
}  // namespace morven::tool
