#include "host/svg_number.h"

#include <cmath>

#include "host/host_error.h"
#include "numeric/number_text.h"

namespace MorvenHost {

std::string SvgNumber(double v) {
  if (!std::isfinite(v)) throw HostError("the drawing is too large to draw");
  return MyFunc::GeneralNumberText(MyFunc::RoundTenDecimals(v));
}

}  // namespace MorvenHost
