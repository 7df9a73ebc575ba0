#include <cmath>

#include "numeric/extended_precision.h"
#include "numeric/geometry.h"
#include "numeric/shift_jis.h"

namespace morven::numeric {

double TextDrawnLength(std::string_view text, double w, double g) {
  // The running sum is a double on purpose: it is rounded after every addition.
  double length = 0.0;
  const double halfWidth = w / 2;
  const double halfGap = g / 2;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte)) {
      length += w;
      i += 2;
      if (i < text.size()) length += g;
    } else {
      if (!IsControlByte(byte)) length += halfWidth;
      ++i;
      if (i < text.size()) length += halfGap;
    }
  }
  return ToCheckedDouble(length);
}

}  // namespace morven::numeric
