#include "numeric/cp932_text.h"

#include <cstddef>
#include <utility>

#include "numeric/cp932_platform.h"
#include "numeric/cp932_table.h"

// UTF-8 is converted here, once for both builds, and the table comes before the platform's
// converter, which deals in UTF-16 only.
namespace morven::numeric {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

constexpr bool IsSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

struct Utf8Character {
  char32_t codePoint;
  std::size_t length;
};

// The UTF-8 character that starts a non-empty text; nothing when it is malformed (a bad or
// missing continuation byte, an overlong form, past U+10FFFF). An encoded surrogate passes, to
// be refused with every other surrogate.
std::optional<Utf8Character> FirstUtf8Character(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  if (lead < 0x80) return Utf8Character{lead, 1};
  const std::size_t length = lead < 0xC2   ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || text.size() < length) return std::nullopt;
  char32_t codePoint = lead & (0x7Fu >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) return std::nullopt;
    codePoint = (codePoint << 6) | (byte & 0x3Fu);
  }
  const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (codePoint < least || codePoint > 0x10FFFF) return std::nullopt;
  return Utf8Character{codePoint, length};
}

// Nothing when the UTF-8 is malformed; with skipMalformed, a byte that starts no character is
// left out and the next byte tried on its own.
std::optional<std::u16string> Utf16OfUtf8(std::string_view utf8, bool skipMalformed) {
  std::u16string utf16;
  while (!utf8.empty()) {
    const std::optional<Utf8Character> character = FirstUtf8Character(utf8);
    if (!character) {
      if (!skipMalformed) return std::nullopt;
      utf8.remove_prefix(1);
      continue;
    }
    if (character->codePoint >= 0x10000) {
      const char32_t above = character->codePoint - 0x10000;
      utf16 += static_cast<char16_t>(0xD800 + (above >> 10));
      utf16 += static_cast<char16_t>(0xDC00 + (above & 0x3FF));
    } else {
      utf16 += static_cast<char16_t>(character->codePoint);
    }
    utf8.remove_prefix(character->length);
  }
  return utf16;
}

// Code page 932 reads as basic-plane characters only, so no surrogate comes here.
std::string Utf8OfUtf16(std::u16string_view utf16) {
  std::string utf8;
  for (const char16_t unit : utf16) {
    if (unit < 0x80) {
      utf8 += static_cast<char>(unit);
    } else if (unit < 0x800) {
      utf8 += static_cast<char>(0xC0 | (unit >> 6));
      utf8 += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (unit >> 12));
      utf8 += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (unit & 0x3F));
    }
  }
  return utf8;
}

}  // namespace

std::size_t Utf16CharacterLength(std::u16string_view text) {
  const bool pair = text.size() >= 2 && text[0] >= 0xD800 && text[0] <= 0xDBFF &&
                    text[1] >= 0xDC00 && text[1] <= 0xDFFF;
  return pair ? 2 : 1;
}

std::optional<std::string> Utf16ToCp932(std::u16string_view utf16) {
  std::string cp932;
  std::size_t platformFrom = 0;  // start of the characters the platform's converter decides
  for (std::size_t i = 0; i <= utf16.size(); ++i) {
    std::optional<std::string_view> tableBytes;
    if (i < utf16.size()) {
      if (IsSurrogate(utf16[i])) return std::nullopt;
      tableBytes = Cp932TableBytes(utf16[i]);
      if (!tableBytes) continue;
      if (tableBytes->empty()) return std::nullopt;
    }
    if (platformFrom < i) {
      const std::optional<std::string> bytes =
          platform::Cp932Of(utf16.substr(platformFrom, i - platformFrom));
      if (!bytes) return std::nullopt;
      cp932 += *bytes;
    }
    if (tableBytes) cp932 += *tableBytes;
    platformFrom = i + 1;
  }
  return cp932;
}

// Character by character when the whole text does not convert, leaving out those that do not.
std::string Utf16ToCp932Dropping(std::u16string_view utf16) {
  if (std::optional<std::string> bytes = Utf16ToCp932(utf16)) return *std::move(bytes);
  std::string bytes;
  while (!utf16.empty()) {
    const std::size_t length = Utf16CharacterLength(utf16);
    bytes += Utf16ToCp932(utf16.substr(0, length)).value_or(std::string());
    utf16.remove_prefix(length);
  }
  return bytes;
}

std::u16string Cp932ToUtf16(std::string_view cp932) {
  std::u16string utf16;
  while (true) {
    cp932.remove_prefix(platform::AppendUtf16Of(cp932, utf16));
    if (cp932.empty()) return utf16;
    utf16 += Cp932TableCharacter(static_cast<unsigned char>(cp932.front())).value_or(kReplacement);
    cp932.remove_prefix(1);
  }
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  const std::optional<std::u16string> utf16 = Utf16OfUtf8(utf8, false);
  if (!utf16) return std::nullopt;
  return Utf16ToCp932(*utf16);
}

std::string Utf8ToCp932Dropping(std::string_view utf8) {
  return Utf16ToCp932Dropping(*Utf16OfUtf8(utf8, true));
}

std::string Cp932ToUtf8(std::string_view cp932) {
  return Utf8OfUtf16(Cp932ToUtf16(cp932));
}

}  // namespace morven::numeric
