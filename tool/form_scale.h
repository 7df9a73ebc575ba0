#pragma once

#include "tool/pixel_geometry.h"

namespace morven::tool {

// The form is laid out in pixels of a 96-DPI screen; a view draws it at its window's resolution,
// each length times DPI / 96, rounded half away from zero as the system's MulDiv rounds. Places
// and sizes are scaled alike, so that what touches at 96 DPI touches at every resolution:
// 312 x 217 at 96 DPI is 390 x 271 at 120, 468 x 326 at 144 and 624 x 434 at 192.
class FormScale {
 public:
  static constexpr int kDesignDpi = 96;

  // A resolution the system could not tell (0 or less) is the design's.
  constexpr explicit FormScale(int dpi = kDesignDpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  constexpr int Dpi() const { return dpi_; }

  constexpr int Pixels(int designPixels) const {
    const long long twice = 2LL * designPixels * dpi_;
    const long long half = designPixels < 0 ? -kDesignDpi : kDesignDpi;
    return static_cast<int>((twice + half) / (2LL * kDesignDpi));
  }
  constexpr PixelSize Size(PixelSize design) const {
    return {Pixels(design.width), Pixels(design.height)};
  }
  constexpr PixelRect Rect(PixelRect design) const {
    return {Pixels(design.left), Pixels(design.top), Pixels(design.width), Pixels(design.height)};
  }

  friend constexpr bool operator==(FormScale, FormScale) = default;

 private:
  int dpi_;
};

}  // namespace morven::tool
