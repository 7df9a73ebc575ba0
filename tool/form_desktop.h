#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// The form on the user's desktop, for every view: places and sizes in whole pixels, the form's
// pixels at the screen's resolution, its place under the pointer, its colours in the user's scheme
// and its icon.
namespace morven::tool {

struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A rectangle given by its edges, right and bottom outside it, as the system's rectangles are.
constexpr PixelRect PixelRectFromEdges(int left, int top, int right, int bottom) {
  return PixelRect{left, top, right - left, bottom - top};
}

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

 private:
  int dpi_;
};

// Where the form goes when it opens: centred across its outer width W under the pointer and 4
// pixels above it, left = X - W / 2 from the first pointer reading and top = Y - 4 from the
// second. Only when that would leave part of the window outside `workArea` (the usable area of
// the screen under the pointer) is it moved just enough to lie inside, the top-left corner first.
// (500, 300) with W = 318 gives (341, 296) on a large screen.
PixelPoint PlaceUnderPointer(PixelPoint pointer, PixelPoint pointerAgain, PixelSize frame,
                             std::optional<PixelRect> workArea);

// Colours as 0xRRGGBB.
inline constexpr unsigned kBackgroundRgb = 0xFFFFFF;  // the form's own

struct FormColours {
  unsigned text;
  unsigned background;
  friend bool operator==(const FormColours&, const FormColours&) = default;
};

// The form's white background with the system's window text, wherever that text reads on white
// (a contrast of at least 4.5 to 1, as for body text in the accessibility guidelines for the web:
// black does, #767676 just does, #777777 not). Where the system runs a high-contrast scheme, or
// its window text is too light to read on white (a dark scheme), the background is the system's
// own window colour instead: text and background then come from one scheme.
FormColours ChooseFormColours(unsigned systemWindowText, unsigned systemWindow, bool highContrast);

// The form's icon, a dimension line between two extension lines, as filled rectangles on a white
// square of 16 units; views show it at 16 and 32 pixels (a unit is 1 or 2 pixels).
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
