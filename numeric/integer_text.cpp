#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string>

#include "numeric/number_text.h"

namespace morven::numeric {
namespace {

// No text of the program is longer than an output line; wider padding is cut to this.
constexpr int kMaxHexDigits = 255;

}  // namespace

std::string DecimalIntegerText(std::int32_t v) {
  char buffer[12];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, result.ptr);
}

std::string HexIntegerText(std::int32_t v, int minDigits) {
  char buffer[8];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint32_t>(v), 16);
  const auto length = static_cast<int>(result.ptr - buffer);
  std::string out(
      static_cast<std::size_t>(std::max(std::clamp(minDigits, 0, kMaxHexDigits) - length, 0)), '0');
  for (const char* p = buffer; p != result.ptr; ++p) {
    out += static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
  }
  return out;
}

}  // namespace morven::numeric
