#include "tool/form_desktop.h"

#include <cmath>
#include <cstddef>

namespace morven::tool {
namespace {

constexpr int kPointerBelowTop = 4;
constexpr double kReadableContrast = 4.5;

int Inside(int start, int length, int areaStart, int areaLength) {
  if (start + length > areaStart + areaLength) start = areaStart + areaLength - length;
  if (start < areaStart) start = areaStart;
  return start;
}

// The share of light of one 8-bit sRGB channel.
double LinearChannel(unsigned value) {
  const double c = static_cast<double>(value & 0xFF) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(unsigned rgb) {
  return 0.2126 * LinearChannel(rgb >> 16) + 0.7152 * LinearChannel(rgb >> 8) +
         0.0722 * LinearChannel(rgb);
}

bool ReadsOnWhite(unsigned textRgb) {
  const double contrast = (1.0 + 0.05) / (RelativeLuminance(textRgb) + 0.05);
  return contrast >= kReadableContrast;
}

}  // namespace

PixelPoint PlaceUnderPointer(PixelPoint pointer, PixelPoint pointerAgain, PixelSize frame,
                             std::optional<PixelRect> workArea) {
  PixelPoint place{pointer.x - frame.width / 2, pointerAgain.y - kPointerBelowTop};
  if (workArea && workArea->width > 0 && workArea->height > 0) {
    place.x = Inside(place.x, frame.width, workArea->left, workArea->width);
    place.y = Inside(place.y, frame.height, workArea->top, workArea->height);
  }
  return place;
}

FormColours ChooseFormColours(unsigned systemWindowText, unsigned systemWindow, bool highContrast) {
  const bool formsWhite = !highContrast && ReadsOnWhite(systemWindowText);
  return {systemWindowText & 0xFFFFFF, formsWhite ? kBackgroundRgb : systemWindow & 0xFFFFFF};
}

std::vector<std::uint32_t> FormIconPixels(int pixels) {
  const auto side = static_cast<std::size_t>(pixels > 0 ? pixels : 0);
  std::vector<std::uint32_t> image(side * side, kIconBackgroundRgb);
  const int unit = pixels / kIconUnits;
  for (const IconRect& rect : kIconRects) {
    for (int y = rect.top * unit; y < (rect.top + rect.height) * unit; ++y) {
      for (int x = rect.left * unit; x < (rect.left + rect.width) * unit; ++x) {
        image[static_cast<std::size_t>(y) * side + static_cast<std::size_t>(x)] = rect.rgb;
      }
    }
  }
  return image;
}

}  // namespace morven::tool
