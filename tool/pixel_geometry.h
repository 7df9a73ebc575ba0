#pragma once

// Screen and form positions in whole pixels, as every windowing toolkit counts them.
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

}  // namespace morven::tool
