#include <cfloat>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <system_error>

#include "numeric/float_error.h"
#include "numeric/number_text.h"

namespace MyFunc {
namespace {

// Up to 19 digits always fit an unsigned 64-bit mantissa.
constexpr int kMaxFastDigits = 19;
// A mantissa up to 2^53 and a power of ten up to 1e22 are exact doubles, so one multiplication
// or division gives the correctly rounded value; everything else goes to std::from_chars.
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;
constexpr int kMaxExactPower = 22;
constexpr double kExactPowers[kMaxExactPower + 1] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};
// Exponent digits beyond this change nothing: the value is far outside the double range.
constexpr long kExponentCap = 100000;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether a validated number text that std::from_chars found out of range lies above 1 (so it
// overflowed) rather than below (so it underflowed). Only the decimal order matters there.
[[gnu::cold]] bool IsAboveOne(const char* p, const char* end) {
  long order = 0;
  bool seenNonZero = false;
  for (; p != end && IsDigit(*p); ++p) {
    if (*p != '0') seenNonZero = true;
    if (seenNonZero) ++order;
  }
  if (p != end && *p == '.') {
    for (++p; p != end && IsDigit(*p); ++p) {
      if (*p != '0') seenNonZero = true;
      if (!seenNonZero) --order;
    }
  }
  long exponent = 0;
  if (p != end) {
    ++p;  // 'E' or 'e'
    const bool negative = *p == '-';
    if (*p == '+' || *p == '-') ++p;
    for (; p != end; ++p) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (*p - '0');
    }
    if (negative) exponent = -exponent;
  }
  return order + exponent > 0;
}

[[gnu::noinline]] double ConvertSlowly(const char* number, const char* end) {
  double value = 0.0;
  const auto [stop, error] = std::from_chars(number, end, value);
  if (error == std::errc::result_out_of_range) {
    if (IsAboveOne(number, end)) throw FloatingPointError(FloatingPointError::Kind::Overflow);
    return 0.0;
  }
  if (error != std::errc() || stop != end) return 0.0;
  return value;
}

}  // namespace

double TextToReal(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && *p == ' ') ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  if (p == end) return 0.0;

  const char* const number = p;
  std::uint64_t mantissa = 0;
  std::ptrdiff_t digits = 0;
  const char* const integerStart = p;
  for (; p != end && IsDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
  digits += p - integerStart;
  std::ptrdiff_t fractionDigits = 0;
  if (p != end && *p == '.') {
    const char* const fractionStart = ++p;
    for (; p != end && IsDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    fractionDigits = p - fractionStart;
    digits += fractionDigits;
  }
  long exponent = 0;
  if (p != end && (*p == 'E' || *p == 'e')) {
    ++p;
    bool negativeExponent = false;
    if (p != end && (*p == '+' || *p == '-')) {
      negativeExponent = *p == '-';
      ++p;
    }
    if (p == end || !IsDigit(*p)) return 0.0;
    for (; p != end && IsDigit(*p); ++p) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (*p - '0');
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (p != end) return 0.0;
  if (digits == 0) return 0.0;  // '.', 'e5': a mantissa without digits reads as 0

  double value;
  const std::ptrdiff_t power = exponent - fractionDigits;
  // The fast path needs double arithmetic without excess precision.
  if (FLT_EVAL_METHOD == 0 && digits <= kMaxFastDigits && mantissa <= kMaxExactMantissa &&
      power >= -kMaxExactPower && power <= kMaxExactPower) {
    const double exact = static_cast<double>(mantissa);
    value = power < 0 ? exact / kExactPowers[-power] : exact * kExactPowers[power];
  } else {
    value = ConvertSlowly(number, end);
  }
  return negative ? -value : value;
}

}  // namespace MyFunc
