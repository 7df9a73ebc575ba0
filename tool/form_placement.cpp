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

QPoint PlaceUnderCursor(QPoint cursor, QPoint cursorAgain, QSize frame, QRect available) {
  QPoint place(cursor.x() - frame.width() / 2, cursorAgain.y() - kPointerBelowTop);
  if (available.isValid()) {
    place.setX(Inside(place.x(), frame.width(), available.x(), available.width()));
    place.setY(Inside(place.y(), frame.height(), available.y(), available.height()));
  }
  return place;
}

}  // namespace morven::tool
