#include <charconv>
#include <system_error>

#include "numeric/float_error.h"
#include "numeric/number_text.h"

namespace MyFunc {
namespace {

constexpr long kExponentCap = 100000;  // far past both ends of the double range

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether a validated number text that the converter found out of range lies above 1 (so it
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
  bool hasDigit = false;
  while (p != end && IsDigit(*p)) {
    hasDigit = true;
    ++p;
  }
  if (p != end && *p == '.') {
    ++p;
    while (p != end && IsDigit(*p)) {
      hasDigit = true;
      ++p;
    }
  }
  if (p != end && (*p == 'E' || *p == 'e')) {
    ++p;
    if (p != end && (*p == '+' || *p == '-')) ++p;
    if (p == end) return 0.0;
    while (p != end && IsDigit(*p)) ++p;
    if (!IsDigit(p[-1])) return 0.0;
  }
  if (p != end) return 0.0;
  if (!hasDigit) return 0.0;  // '.', 'e5': a mantissa without digits reads as 0

  double value = 0.0;
  const auto [stop, error] = std::from_chars(number, end, value);
  if (error == std::errc::result_out_of_range) {
    if (IsAboveOne(number, end)) throw FloatingPointError(FloatingPointError::Kind::Overflow);
    value = 0.0;
  } else if (error != std::errc() || stop != end) {
    return 0.0;
  }
  return negative ? -value : value;
}

}  // namespace MyFunc
