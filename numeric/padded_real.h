#pragma once

#include <array>
#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "numeric/byte_words.h"

// Real reading for the exchange-file reader's inner loop, where the text is followed by more
// readable bytes: the usual coordinate ("-1234.567") is read from one eight-byte word, inline.
namespace morven::numeric {

// How many bytes after the end of a text TextToRealPadded may read.
inline constexpr std::size_t kRealTextPadding = 16;

// TextToReal for callers that promise kRealTextPadding readable bytes after the end of the text.
inline double TextToRealPadded(std::string_view text);

namespace padded {

// Every text that the eight-byte word cannot take, with the same results as TextToReal.
double ReadRest(std::string_view text);

inline constexpr std::size_t kWordBytes = 8;
inline constexpr std::uint64_t kAsciiZeros = 0x3030303030303030ULL;

constexpr std::array<std::uint64_t, kWordBytes + 1> MakeLowBytes() {
  std::array<std::uint64_t, kWordBytes + 1> masks{};
  for (std::size_t n = 0; n < kWordBytes; ++n) masks[n] = (std::uint64_t{1} << (8 * n)) - 1;
  masks[kWordBytes] = ~std::uint64_t{0};
  return masks;
}
// kLowBytes[n]: the lowest n bytes of a word.
inline constexpr std::array<std::uint64_t, kWordBytes + 1> kLowBytes = MakeLowBytes();

// Up to eight digits are an exact double, and so is every power of ten up to 1e22: one division
// gives the correctly rounded value.
inline constexpr double kPowersOfTen[kWordBytes] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};

// Whether every byte holds a digit value 0 to 9. Adding 0x76 to a byte below 0x80 never carries
// into the next byte, and reaches its high bit exactly from 10 on.
constexpr bool AllDigitValues(std::uint64_t values) {
  return (((values + kEachByte * 0x76) | values) & kHighBits) == 0;
}

// Eight digit values, the first (most significant) in the lowest byte, as one number.
constexpr std::uint64_t EightDigitsValue(std::uint64_t values) {
  values = values * 10 + (values >> 8);  // pairs
  constexpr std::uint64_t kPairMask = 0x000000FF000000FFULL;
  constexpr std::uint64_t kHundredsAndMillions = 100 + (1000000ULL << 32);
  constexpr std::uint64_t kOnesAndTenThousands = 1 + (10000ULL << 32);
  return (((values & kPairMask) * kHundredsAndMillions) +
          (((values >> 16) & kPairMask) * kOnesAndTenThousands)) >>
         32;
}

// One to eight bytes of digits with at most one point and at least one digit, such as "4296.11",
// read from one word without a branch on the digits: coordinates vary in length and in the place
// of their point, which no branch predictor can guess. False for anything else.
inline bool TryEightByteDecimal(const char* p, std::size_t size, double& magnitude) {
  if constexpr (std::endian::native != std::endian::little || FLT_EVAL_METHOD != 0) {
    return false;
  }
  if (size - 1 >= kWordBytes) return false;  // 0 wraps round
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  const std::size_t padding = kWordBytes - size;
  word <<= 8 * padding;  // right-aligned: the text's last byte is the word's highest
  const int at = std::countr_zero(BytesEqual(word, '.')) / 8;  // 8 without a point
  const bool hasPoint = at < static_cast<int>(kWordBytes);
  if (hasPoint && size == 1) return false;  // "." alone has no digit

  std::uint64_t values = word ^ kAsciiZeros;
  // The bytes in front of the point move up into its place.
  const std::uint64_t withoutPoint =
      (values & ~kLowBytes[at + hasPoint]) | ((values & kLowBytes[at]) << 8);
  values = hasPoint ? withoutPoint : values;
  values &= ~kLowBytes[padding + hasPoint];  // leading zeros where nothing was
  if (!AllDigitValues(values)) return false;
  const int fractionDigits = hasPoint ? static_cast<int>(kWordBytes) - 1 - at : 0;
  magnitude = static_cast<double>(EightDigitsValue(values)) / kPowersOfTen[fractionDigits];
  return true;
}

}  // namespace padded

inline double TextToRealPadded(std::string_view text) {
  // Half of all coordinates are negative: the sign is taken without a branch.
  const bool negative = !text.empty() && text.front() == '-';
  double magnitude;
  if (padded::TryEightByteDecimal(text.data() + negative, text.size() - negative, magnitude)) {
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(magnitude) |
                                 (std::uint64_t{negative} << 63));
  }
  return padded::ReadRest(text);
}

}  // namespace morven::numeric
