#pragma once

#include <array>

// Internal to the numeric module: the decimal digits from which every real text is written.
namespace morven::numeric {

inline constexpr int kJudgedDigits = 18;

// value = 0.d1 d2 ... d18 x 10^exponent, digits as '0'..'9'.
struct SignificantDigits {
  std::array<char, kJudgedDigits> digits{};
  int exponent = 0;
};

// The first 18 correctly rounded significant digits of a finite magnitude > 0.
SignificantDigits EighteenDigitsOf(double magnitude);

// Rounds to `keep` significant digits, halves away from zero as judged on all 18; the places
// after `keep` become '0'. keep <= 0 means rounding to the place of 10^exponent, below d1
// (keep < 0 gives zero). Returns false when the rounded value is zero.
bool RoundToDigits(SignificantDigits& number, int keep);

}  // namespace morven::numeric
