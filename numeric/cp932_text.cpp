#include "numeric/cp932_text.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace morven::numeric {
namespace {

// The length of the UTF-8 character that starts with this byte; 1 for a byte that starts none.
std::size_t Utf8CharacterLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string Utf8ToCp932Dropping(std::string_view utf8) {
  if (std::optional<std::string> bytes = Utf8ToCp932(utf8)) return *std::move(bytes);
  std::string bytes;
  while (!utf8.empty()) {
    const std::size_t length =
        std::min(Utf8CharacterLength(static_cast<unsigned char>(utf8.front())), utf8.size());
    bytes += Utf8ToCp932(utf8.substr(0, length)).value_or(std::string());
    utf8.remove_prefix(length);
  }
  return bytes;
}

}  // namespace morven::numeric
