#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "numeric/float_error.h"
#include "numeric/number_text.h"
#include "numeric/padded_real.h"

namespace morven::numeric {
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

// The usual coordinate, digits with at most one decimal point in at most 16 bytes, is read
// eight digits at a time: the text is right-aligned in a 16-byte block padded with '0', the
// point is taken out, and each half becomes a number with three multiplications. Anything else
// (an exponent, a second point, more than 2^53) is left to the byte-wise path.
constexpr std::size_t kBlockBytes = 16;
using padded::kAsciiZeros;
using padded::kWordBytes;

// The 16 bytes of a block, the first in the lowest byte.
__extension__ using Block = unsigned __int128;

constexpr Block Repeated(std::uint64_t half) {
  return (static_cast<Block>(half) << 64) | half;
}

// kLowBytes[n]: the lowest n bytes of a block.
constexpr std::array<Block, kBlockBytes + 1> MakeLowBytes() {
  std::array<Block, kBlockBytes + 1> masks{};
  for (std::size_t n = 0; n < kBlockBytes; ++n) masks[n] = (static_cast<Block>(1) << (8 * n)) - 1;
  masks[kBlockBytes] = ~static_cast<Block>(0);
  return masks;
}
constexpr std::array<Block, kBlockBytes + 1> kLowBytes = MakeLowBytes();

constexpr std::uint64_t LowHalf(Block block) {
  return static_cast<std::uint64_t>(block);
}
constexpr std::uint64_t HighHalf(Block block) {
  return static_cast<std::uint64_t>(block >> 64);
}

// The text right-aligned in a block padded with '0' in front, from one plain load: the text is
// followed by kRealTextPadding readable bytes.
Block LoadedBlock(const char* p, std::size_t size) {
  Block block;
  std::memcpy(&block, p, sizeof block);
  const std::size_t padding = kBlockBytes - size;
  return (block << (8 * padding)) | (Repeated(kAsciiZeros) & kLowBytes[padding]);
}

// Written without branches on the digits: coordinates vary in length and in the place of their
// point, which no branch predictor can guess.
bool TryShortDecimal(const char* p, std::size_t size, double& value) {
  if constexpr (std::endian::native != std::endian::little || FLT_EVAL_METHOD != 0) {
    return false;
  }
  if (size == 0 || size > kBlockBytes || (size == 1 && *p == '.')) return false;
  if (size <= kWordBytes) return padded::TryEightByteDecimal(p, size, value);
  const Block block = LoadedBlock(p, size);

  // The first point; a second one stays behind and fails the digit test.
  const int lowPoint = std::countr_zero(BytesEqual(LowHalf(block), '.'));
  const int highPoint = std::countr_zero(BytesEqual(HighHalf(block), '.'));
  const int at = (lowPoint < 64 ? lowPoint : 64 + highPoint) / 8;  // 16 without a point
  const bool hasPoint = at < static_cast<int>(kBlockBytes);
  // The bytes before the point move up by one, a '0' comes in front.
  const Block withoutPoint = (block & ~kLowBytes[at + hasPoint]) | ((block & kLowBytes[at]) << 8) |
                             static_cast<Block>('0');
  const Block digits = hasPoint ? withoutPoint : block;
  const int fractionDigits = hasPoint ? static_cast<int>(kBlockBytes) - 1 - at : 0;

  const std::uint64_t low = LowHalf(digits) ^ kAsciiZeros;
  const std::uint64_t high = HighHalf(digits) ^ kAsciiZeros;
  if (!(padded::AllDigitValues(low) & padded::AllDigitValues(high))) return false;
  const std::uint64_t mantissa =
      padded::EightDigitsValue(low) * 100000000 + padded::EightDigitsValue(high);
  if (mantissa > kMaxExactMantissa) return false;
  value = static_cast<double>(mantissa) / kExactPowers[fractionDigits];
  return true;
}

[[gnu::noinline]] double ConvertSlowly(const char* number, const char* end) {
  double value = 0.0;
  const auto [stop, error] = std::from_chars(number, end, value);
  if (error == std::errc::result_out_of_range) {
    if (IsAboveOne(number, end)) throw FloatingPointError(FloatingPointError::Kind::kOverflow);
    return 0.0;
  }
  if (error != std::errc() || stop != end) return 0.0;
  return value;
}

// A magnitude (never negative, +0.0 included) with the sign of the text.
double WithSign(double magnitude, bool negative) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(magnitude) |
                               (static_cast<std::uint64_t>(negative) << 63));
}

template <bool kPadded>
double ReadReal(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && *p == ' ') ++p;
  if (p == end) return 0.0;
  // Half of all coordinates are negative: the sign is taken without a branch.
  const bool negative = *p == '-';
  p += static_cast<int>(negative | (*p == '+'));
  if (p == end) return 0.0;

  // Copying a text that cannot be over-read into a block costs more than the byte-wise path
  // below saves.
  if constexpr (kPadded) {
    if (double value; TryShortDecimal(p, static_cast<std::size_t>(end - p), value)) {
      return WithSign(value, negative);
    }
  }

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
  return WithSign(value, negative);
}

}  // namespace

double TextToReal(std::string_view text) {
  return ReadReal<false>(text);
}

double padded::ReadRest(std::string_view text) {
  return ReadReal<true>(text);
}

}  // namespace morven::numeric
