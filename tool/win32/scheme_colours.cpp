#include "tool/win32/scheme_colours.h"

#include <windows.h>

namespace morven::tool::win32 {
namespace {

unsigned RgbOf(COLORREF colour) {
  return (unsigned{GetRValue(colour)} << 16) | (unsigned{GetGValue(colour)} << 8) |
         unsigned{GetBValue(colour)};
}

// Wine never says so, whatever its colours: they decide there.
bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

FormColours SchemeColours() {
  return ChooseFormColours(RgbOf(GetSysColor(COLOR_WINDOWTEXT)), RgbOf(GetSysColor(COLOR_WINDOW)),
                           HighContrastOn());
}

}  // namespace morven::tool::win32
