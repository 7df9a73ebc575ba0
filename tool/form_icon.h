#pragma once

#include <span>

// The form's icon, a dimension line between two extension lines, as filled rectangles on a white
// square of 16 units; views paint it at 16 and 32 pixels (a unit is 1 or 2 pixels).
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

}  // namespace morven::tool
