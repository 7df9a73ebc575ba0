#include "numeric/extended_precision.h"

#include <cmath>

#include "numeric/float_error.h"

namespace morven::numeric {
namespace {

// DBL_MAX plus half its last place: from here on a value rounds to infinity. Checked before the
// conversion, which is undefined for values outside the double range.
constexpr long double kFirstOverflowing = 0x1.fffffffffffff8p1023L;

}  // namespace

double ToCheckedDouble(long double value) {
  if (std::isnan(value)) throw FloatingPointError(FloatingPointError::Kind::kInvalid);
  if (std::fabs(value) >= kFirstOverflowing) {
    throw FloatingPointError(FloatingPointError::Kind::kOverflow);
  }
  return static_cast<double>(value);
}

}  // namespace morven::numeric
