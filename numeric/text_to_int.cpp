#include <cstdint>

#include "numeric/number_text.h"

namespace morven::numeric {
namespace {

constexpr std::uint64_t kMaxHexValue = 0xFFFFFFFF;
constexpr std::uint64_t kMaxNegativeMagnitude = 2147483648;
constexpr std::uint64_t kMaxPositiveMagnitude = 2147483647;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsHexPrefix(const char* p, const char* end) {
  return *p == '$' || *p == 'x' || *p == 'X' ||
         (*p == '0' && end - p >= 2 && (p[1] == 'x' || p[1] == 'X'));
}

}  // namespace

std::int32_t TextToInt(std::string_view text) noexcept {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && *p == ' ') ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  if (p == end) return 0;

  std::uint64_t magnitude = 0;
  if (IsHexPrefix(p, end)) {
    p += *p == '0' ? 2 : 1;
    if (p == end) return 0;
    for (; p != end; ++p) {
      const int digit = HexDigitValue(*p);
      if (digit < 0) return 0;
      magnitude = magnitude * 16 + static_cast<unsigned>(digit);
      if (magnitude > kMaxHexValue) return 0;
    }
  } else {
    for (; p != end; ++p) {
      if (*p < '0' || *p > '9') return 0;
      magnitude = magnitude * 10 + static_cast<unsigned>(*p - '0');
      if (magnitude > kMaxNegativeMagnitude) return 0;
    }
    if (!negative && magnitude > kMaxPositiveMagnitude) return 0;
  }
  // Hexadecimal values are 32-bit patterns, so '$FFFFFFFF' is -1; the conversion wraps.
  const std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

}  // namespace morven::numeric
