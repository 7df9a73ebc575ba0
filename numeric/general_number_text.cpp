#include <cmath>
#include <string>

#include "numeric/number_text.h"
#include "numeric/real_text_forms.h"
#include "numeric/significant_digits.h"

namespace morven::numeric {
namespace {

constexpr int kGeneralDigits = 15;
// Positional form for 0.0001 <= |x| < 1e15, i.e. 0.d1... x 10^E with E in this range.
constexpr int kMinPositionalExponent = -3;
constexpr int kMaxPositionalExponent = 15;

void AppendPositional(std::string& out, const SignificantDigits& number, int count, char decimal) {
  const int e = number.exponent;
  if (e <= 0) {
    out += '0';
    out += decimal;
    out.append(static_cast<std::size_t>(-e), '0');
    out.append(number.digits.data(), static_cast<std::size_t>(count));
    return;
  }
  for (int i = 0; i < e; ++i) out += i < count ? number.digits[i] : '0';
  if (count > e) {
    out += decimal;
    out.append(number.digits.data() + e, static_cast<std::size_t>(count - e));
  }
}

void AppendScientific(std::string& out, const SignificantDigits& number, int count, char decimal) {
  out += number.digits[0];
  if (count > 1) {
    out += decimal;
    out.append(number.digits.data() + 1, static_cast<std::size_t>(count - 1));
  }
  out += 'E';
  out += std::to_string(number.exponent - 1);
}

}  // namespace

std::string GeneralTextWithDigits(double x, int significant, char decimal) {
  if (std::isnan(x)) return "NAN";
  if (x == 0.0) return "0";
  std::string out = std::signbit(x) ? "-" : "";
  if (std::isinf(x)) return out + "INF";

  SignificantDigits number = EighteenDigitsOf(std::fabs(x));
  RoundToDigits(number, significant);
  int count = significant;
  while (count > 1 && number.digits[count - 1] == '0') --count;
  if (number.exponent >= kMinPositionalExponent && number.exponent <= kMaxPositionalExponent) {
    AppendPositional(out, number, count, decimal);
  } else {
    AppendScientific(out, number, count, decimal);
  }
  return out;
}

std::string GeneralNumberText(double x, Separators separators) {
  return GeneralTextWithDigits(x, kGeneralDigits, separators.decimal);
}

}  // namespace morven::numeric
