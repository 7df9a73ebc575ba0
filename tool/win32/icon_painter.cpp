#include "tool/win32/icon_painter.h"

#include <cstdint>
#include <vector>

#include "tool/form_icon.h"

namespace morven::tool::win32 {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

}  // namespace

UniqueIcon PaintFormIcon(int pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = pixels;
  info.bmiHeader.biHeight = -pixels;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const UniqueBitmap color(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!color || bits == nullptr) return nullptr;

  // A 32-bit pixel reads 0xAARRGGBB, the tables' own order.
  auto* const image = static_cast<std::uint32_t*>(bits);
  for (int i = 0; i < pixels * pixels; ++i) image[i] = kOpaque | kIconBackgroundRgb;
  const int unit = pixels / kIconUnits;
  for (const IconRect& rect : kIconRects) {
    for (int y = rect.top * unit; y < (rect.top + rect.height) * unit; ++y) {
      for (int x = rect.left * unit; x < (rect.left + rect.width) * unit; ++x) {
        image[y * pixels + x] = kOpaque | rect.rgb;
      }
    }
  }

  // Every pixel opaque: an all-zero mask, rows padded to 16 bits.
  const std::vector<unsigned char> zeros(static_cast<std::size_t>((pixels + 15) / 16 * 2 * pixels));
  const UniqueBitmap mask(CreateBitmap(pixels, pixels, 1, 1, zeros.data()));
  if (!mask) return nullptr;
  ICONINFO icon{TRUE, 0, 0, mask.get(), color.get()};
  return UniqueIcon(CreateIconIndirect(&icon));
}

}  // namespace morven::tool::win32
