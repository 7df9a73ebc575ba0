#include "host/svg_number.h"

#include <cmath>

#include "host/host_error.h"
#include "numeric/number_text.h"

namespace morven::host {

std::string SvgNumber(double v) {
  if (!std::isfinite(v)) throw HostError("the drawing is too large to draw");
  return numeric::GeneralNumberText(numeric::RoundTenDecimals(v));
}

}  // namespace morven::host
