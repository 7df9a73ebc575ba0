#include <cmath>

#include "numeric/extended_precision.h"
#include "numeric/number_text.h"

namespace morven::numeric {
namespace {

constexpr long double kTenDecimalsStep = 1e-10L;
// Mode 1 rounds up unless the scaled fraction is below 1e-10.
constexpr long double kRoundUpAddend = 0.9999999999L;
constexpr long double kRoundUpThreshold = 1e-10L;
constexpr long double kHalf = 0.5L;
constexpr int kMaxDigits = 9;

// 10^digits for 1..9, else 1; exact in extended precision.
long double ScaleFor(int digits) {
  long double scale = 1.0L;
  if (digits >= 1 && digits <= kMaxDigits) {
    for (int i = 0; i < digits; ++i) scale *= 10.0L;
  }
  return scale;
}

}  // namespace

double RoundTenDecimals(double x) {
  const long double m = std::fabs(static_cast<long double>(x)) / kTenDecimalsStep + kHalf;
  const double r = ToCheckedDouble(std::trunc(m) * kTenDecimalsStep);
  return x < 0 ? -r : r;
}

double RoundDecimals(int digits, int mode, double x) {
  const long double scale = ScaleFor(digits);
  const long double m = std::fabs(static_cast<long double>(x)) * scale;
  long double t = std::trunc(m);
  if (mode == 1) {
    // Where the sum's last bit exceeds 1e-10 it would round an exact 1e12 up to 1e12 + 1, so a
    // fraction below 1e-10 is left alone explicitly.
    if (m - t >= kRoundUpThreshold) t = std::trunc(m + kRoundUpAddend);
  } else if (mode != 0) {
    t = std::trunc(m + kHalf);
  }
  const double r = ToCheckedDouble(t / scale);
  return x < 0 ? -r : r;
}

}  // namespace morven::numeric
