#include "tool/form_placement.h"

namespace morven::tool {
namespace {

constexpr int kPointerBelowTop = 4;

int Inside(int start, int length, int areaStart, int areaLength) {
  if (start + length > areaStart + areaLength) start = areaStart + areaLength - length;
  if (start < areaStart) start = areaStart;
  return start;
}

}  // namespace

PixelPoint PlaceUnderCursor(PixelPoint cursor, PixelPoint cursorAgain, PixelSize frame,
                            std::optional<PixelRect> workArea) {
  PixelPoint place{cursor.x - frame.width / 2, cursorAgain.y - kPointerBelowTop};
  if (workArea && workArea->width > 0 && workArea->height > 0) {
    place.x = Inside(place.x, frame.width, workArea->left, workArea->width);
    place.y = Inside(place.y, frame.height, workArea->top, workArea->height);
  }
  return place;
}

}  // namespace morven::tool
