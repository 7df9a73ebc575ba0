#include "tool/form_colours.h"

#include <cmath>

#include "tool/form_layout.h"

namespace morven::tool {
namespace {

constexpr double kReadableContrast = 4.5;

// The share of light of one 8-bit sRGB channel.
double LinearChannel(unsigned value) {
  const double c = static_cast<double>(value & 0xFF) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(unsigned rgb) {
  return 0.2126 * LinearChannel(rgb >> 16) + 0.7152 * LinearChannel(rgb >> 8) +
         0.0722 * LinearChannel(rgb);
}

}  // namespace

bool ReadsOnWhite(unsigned textRgb) {
  const double contrast = (1.0 + 0.05) / (RelativeLuminance(textRgb) + 0.05);
  return contrast >= kReadableContrast;
}

FormColours ChooseFormColours(unsigned systemWindowText, unsigned systemWindow, bool highContrast) {
  const bool formsWhite = !highContrast && ReadsOnWhite(systemWindowText);
  return {systemWindowText & 0xFFFFFF, formsWhite ? kBackgroundRgb : systemWindow & 0xFFFFFF};
}

}  // namespace morven::tool
