#include "numeric/significant_digits.h"

#include <charconv>

namespace morven::numeric {

SignificantDigits EighteenDigitsOf(double magnitude) {
  // "d.ddddddddddddddddde-ddd" at most
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, kJudgedDigits - 1);
  SignificantDigits number;
  number.digits[0] = buffer[0];
  for (int i = 1; i < kJudgedDigits; ++i) number.digits[i] = buffer[i + 1];
  const char* p = buffer + kJudgedDigits + 2;  // after the 'e'
  const bool negative = *p == '-';
  int exponent = 0;
  for (++p; p != result.ptr; ++p) exponent = exponent * 10 + (*p - '0');
  number.exponent = (negative ? -exponent : exponent) + 1;
  return number;
}

bool RoundToDigits(SignificantDigits& number, int keep) {
  if (keep >= kJudgedDigits) return true;
  if (keep < 0) {
    number.digits.fill('0');
    return false;
  }
  const bool up = number.digits[keep] >= '5';
  for (int i = keep; i < kJudgedDigits; ++i) number.digits[i] = '0';
  if (!up) return keep > 0;  // d1 is never '0'
  int i = keep - 1;
  while (i >= 0 && number.digits[i] == '9') number.digits[i--] = '0';
  if (i >= 0) {
    ++number.digits[i];
  } else {
    number.digits[0] = '1';
    ++number.exponent;
  }
  return true;
}

}  // namespace morven::numeric
