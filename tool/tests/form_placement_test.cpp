#include "tool/form_placement.h"

#include <gtest/gtest.h>

#include <optional>

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
      {"odd width rounds the half down", {501, 300}, {501, 300}, kScreen, {342, 296}},
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
    EXPECT_EQ(PlaceUnderCursor(c.cursor, c.cursorAgain, kFrame, c.workArea), c.place) << c.name;
  }
}

}  // namespace
}  // namespace morven::tool
