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

// Character by character when the whole text does not convert, leaving out those that do not.
template <typename Char, typename Convert, typename Length>
std::string Dropping(std::basic_string_view<Char> text, Convert convert, Length characterLength) {
  if (std::optional<std::string> bytes = convert(text)) return *std::move(bytes);
  std::string bytes;
  while (!text.empty()) {
    const std::size_t length = std::min(characterLength(text), text.size());
    bytes += convert(text.substr(0, length)).value_or(std::string());
    text.remove_prefix(length);
  }
  return bytes;
}

}  // namespace

std::size_t Utf16CharacterLength(std::u16string_view text) {
  const bool pair = text.size() >= 2 && text[0] >= 0xD800 && text[0] <= 0xDBFF &&
                    text[1] >= 0xDC00 && text[1] <= 0xDFFF;
  return pair ? 2 : 1;
}

std::string Utf8ToCp932Dropping(std::string_view utf8) {
  return Dropping(utf8, Utf8ToCp932, [](std::string_view text) {
    return Utf8CharacterLength(static_cast<unsigned char>(text.front()));
  });
}

std::string Utf16ToCp932Dropping(std::u16string_view utf16) {
  return Dropping(utf16, Utf16ToCp932, Utf16CharacterLength);
}

}  // namespace morven::numeric
