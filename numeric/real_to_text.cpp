#include <algorithm>
#include <cmath>
#include <string>

#include "numeric/number_text.h"
#include "numeric/real_text_forms.h"
#include "numeric/significant_digits.h"

namespace morven::numeric {
namespace {

constexpr int kMaxDecimals = 18;
// From here on the fixed form would need more than 18 digits: the general text takes over.
constexpr double kFixedFormLimit = 1e18;

char DigitAt(const SignificantDigits& number, int index) {
  return index >= 0 && index < kJudgedDigits ? number.digits[index] : '0';
}

}  // namespace

std::string RealToText(int decimals, double x, Separators separators) {
  const int n = std::clamp(decimals, 0, kMaxDecimals);
  if (!std::isfinite(x) || std::fabs(x) >= kFixedFormLimit) {
    return GeneralTextWithDigits(x, kJudgedDigits, separators.decimal);
  }

  SignificantDigits number;
  number.digits.fill('0');
  bool nonZero = false;
  if (x != 0.0) {
    number = EighteenDigitsOf(std::fabs(x));
    nonZero = RoundToDigits(number, number.exponent + n);
  }
  const int integerDigits = nonZero ? number.exponent : 0;

  std::string out;
  if (nonZero && std::signbit(x)) out += '-';
  if (integerDigits <= 0) {
    out += '0';
  } else {
    for (int i = 0; i < integerDigits; ++i) {
      if (i > 0 && (integerDigits - i) % 3 == 0) out += separators.thousands;
      out += DigitAt(number, i);
    }
  }
  if (n > 0) {
    out += separators.decimal;
    for (int j = 0; j < n; ++j) out += nonZero ? DigitAt(number, number.exponent + j) : '0';
  }
  return out;
}

}  // namespace morven::numeric
