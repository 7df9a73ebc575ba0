#pragma once

#include <cstdint>

// Eight bytes looked at in one 64-bit word, for the reader's inner loops. Each helper gives, per
// byte, the high bit set exactly where the byte has the property; no byte disturbs another.
namespace morven::numeric {

inline constexpr std::uint64_t kEachByte = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
inline constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7FULL;

// Where the byte is below n (n <= 0x80). Adding to the low seven bits never carries into the next
// byte.
constexpr std::uint64_t BytesBelow(std::uint64_t w, unsigned n) {
  return ~(((w & kLowBits) + kEachByte * (0x80 - n)) | w) & kHighBits;
}

// Where the byte equals c.
constexpr std::uint64_t BytesEqual(std::uint64_t w, unsigned char c) {
  return BytesBelow(w ^ (kEachByte * c), 1);
}

}  // namespace morven::numeric
