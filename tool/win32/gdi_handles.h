#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Owners for the GDI objects the window makes, so each is given back exactly once.
namespace morven::tool::win32 {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

// A colour of the form's tables (0xRRGGBB) as GDI takes it.
constexpr COLORREF ColorFromRgb(unsigned rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace morven::tool::win32
