#pragma once

#include <limits>

// The extended format the program's arithmetic relies on, and the one way its results return to
// double.
static_assert(std::numeric_limits<long double>::digits == 64,
              "The numeric module needs long double with a 64-bit mantissa (x87 extended, as GCC "
              "and Clang give on x86-64): its rounding results depend on that exact precision.");

namespace morven::numeric {

inline constexpr long double kPi = 3.1415926535897932385L;
inline constexpr long double kTwoPi = 6.283185307179586477L;

// Rounds an extended result to double once; throws FloatingPointError where the double range
// is left (Overflow) or the value is no number (Invalid).
double ToCheckedDouble(long double value);

}  // namespace morven::numeric
