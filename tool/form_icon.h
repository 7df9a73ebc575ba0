#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The form's icon, a dimension line between two extension lines, as filled rectangles on a white
// square of 16 units; views show it at 16 and 32 pixels (a unit is 1 or 2 pixels).
namespace morven::tool {

inline constexpr int kIconUnits = 16;
inline constexpr int kIconSizes[] = {16, 32};
inline constexpr unsigned kIconBackgroundRgb = 0xFFFFFF;

struct IconRect {
  int left, top, width, height;  // in units
  unsigned rgb;
};

inline constexpr IconRect kIconRects[] = {
    {0, 2, 1, 12, 0x000000},                            // extension lines
    {15, 2, 1, 12, 0x000000}, {1, 7, 14, 1, 0x000080},  // dimension line
    {1, 6, 2, 3, 0x000080},                             // end marks
    {13, 6, 2, 3, 0x000080},
};

// The icon at `pixels` square (a multiple of kIconUnits): one 0xRRGGBB per pixel, rows from the
// top. Every view's icon and the program file's icon resource are made from it.
std::vector<std::uint32_t> FormIconPixels(int pixels);

}  // namespace morven::tool
