#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "numeric/padded_real.h"
#include "numeric/separators.h"

// Conversions between numbers and Shift_JIS text. Every function is pure.
namespace morven::numeric {

// Tolerant integer reading: '  42' -> 42, '$A' -> 10, '0x1F' -> 31, '$FFFFFFFF' -> -1,
// '42 ' -> 0, '2147483648' -> 0. Only 0x20 is skipped in front; any malformed text gives 0.
std::int32_t TextToInt(std::string_view text) noexcept;

// Tolerant real reading, always with "." as decimal point: '.5' -> 0.5, '5.' -> 5, '1,5' -> 0,
// '1e' -> 0, '-' -> 0. A magnitude beyond the double range throws FloatingPointError
// (Overflow); one too small gives 0 or the subnormal.
double TextToReal(std::string_view text);

// TextToRealPadded, for callers such as the exchange-file reader that promise readable bytes
// after the end of the text, is in numeric/padded_real.h.

// x with exactly `decimals` decimals and thousands separators, halves away from zero judged on
// the first 18 significant digits: (3, 1234.5) -> '1,234.500', (3, -0.0004) -> '0.000'.
// Places past the 18th digit are written as 0; from 1e18 on (and for INF/NAN) the result is the
// general number text with 18 digits: (3, 1e18) -> '1E18'. decimals is clamped to 0..18.
std::string RealToText(int decimals, double x, Separators separators = {});

// The text without half-width blanks, full-width blanks (0x81 0x40) and control bytes.
std::string StripBlanks(std::string_view text);

// x to the nearest multiple of 1e-10, halves away from zero, in extended precision:
// 359.99999999996 -> 360. A non-finite x throws FloatingPointError.
double RoundTenDecimals(double x);

// x rounded to `digits` decimals (1..9, else 0): mode 0 truncates, mode 1 rounds up unless the
// scaled fraction is below 1e-10, any other mode rounds halves away from zero. Extended
// precision: (3, 2, 1.2345) -> 1.234, (3, 2, 1.0005) -> 1.0. A non-finite x throws
// FloatingPointError.
double RoundDecimals(int digits, int mode, double x);

// At most 15 significant digits, trailing zeros dropped, positional from 0.0001 to below 1e15,
// "E" form otherwise: 1.0/3 -> '0.333333333333333', 0.00001 -> '1E-5', 1e15 -> '1E15'.
// Halves go away from zero, judged on the first 18 significant digits: 562949953421312.5 ->
// '562949953421313'. Zero of either sign is '0'; infinities 'INF' and '-INF', a NaN 'NAN'.
std::string GeneralNumberText(double x, Separators separators = {});

// '0', '-7', '-2147483648'.
std::string DecimalIntegerText(std::int32_t v);

// Upper-case hexadecimal without prefix, padded to minDigits; negatives as 32-bit two's
// complement: (10, 1) -> 'A', (-1, 1) -> 'FFFFFFFF'. Padding stops at 255 digits.
std::string HexIntegerText(std::int32_t v, int minDigits = 1);

}  // namespace morven::numeric
