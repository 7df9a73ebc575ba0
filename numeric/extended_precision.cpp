#include "numeric/extended_precision.h"

#include <cmath>

#include "numeric/float_error.h"

namespace MyFunc {

double ToCheckedDouble(long double value) {
  const double rounded = static_cast<double>(value);
  if (std::isnan(rounded)) throw FloatingPointError(FloatingPointError::Kind::Invalid);
  if (std::isinf(rounded)) throw FloatingPointError(FloatingPointError::Kind::Overflow);
  return rounded;
}

}  // namespace MyFunc
