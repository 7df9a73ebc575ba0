#include "tool/form_icon.h"

#include <cstddef>

namespace morven::tool {

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
