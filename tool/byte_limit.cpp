#include "tool/byte_limit.h"

#include <algorithm>

#include "numeric/cp932_text.h"

namespace morven::tool {
namespace {

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Length in UTF-16 units of the character at `i`, so that a cut never splits a surrogate pair.
std::size_t CharacterLength(std::u16string_view text, std::size_t i) {
  return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}

// Nothing for a lone surrogate, which no code page can write.
std::optional<std::string> ToUtf8(std::u16string_view text) {
  std::string utf8;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (IsHighSurrogate(text[i])) {
      if (i + 1 == text.size() || !IsLowSurrogate(text[i + 1])) return std::nullopt;
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (IsLowSurrogate(text[i])) {
      return std::nullopt;
    }
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (code >> 12));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (code >> 18));
      utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return utf8;
}

}  // namespace

std::optional<std::size_t> Cp932ByteCount(std::u16string_view text) {
  const std::optional<std::string> utf8 = ToUtf8(text);
  if (!utf8) return std::nullopt;
  const std::optional<std::string> bytes = numeric::Utf8ToCp932(*utf8);
  if (!bytes) return std::nullopt;
  return bytes->size();
}

std::optional<LimitedText> LimitToBytes(std::u16string_view accepted, std::u16string_view proposed,
                                        std::size_t maxBytes) {
  const std::optional<std::size_t> bytes = Cp932ByteCount(proposed);
  if (bytes && *bytes <= maxBytes) return LimitedText{std::u16string(proposed), std::nullopt};

  std::size_t head = 0;
  const std::size_t shorter = std::min(proposed.size(), accepted.size());
  while (head < shorter && proposed[head] == accepted[head]) ++head;
  if (head > 0 && IsHighSurrogate(proposed[head - 1])) --head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         proposed[proposed.size() - 1 - tail] == accepted[accepted.size() - 1 - tail]) {
    ++tail;
  }
  if (tail > 0 && IsLowSurrogate(proposed[proposed.size() - tail])) --tail;

  const std::u16string_view before = proposed.substr(0, head);
  const std::u16string_view after = proposed.substr(proposed.size() - tail);
  const std::optional<std::size_t> kept =
      Cp932ByteCount(std::u16string(before) + std::u16string(after));
  if (!kept || *kept > maxBytes) return std::nullopt;
  std::size_t budget = maxBytes - *kept;

  const std::u16string_view inserted = proposed.substr(head, proposed.size() - head - tail);
  std::u16string fitting;
  for (std::size_t i = 0; i < inserted.size();) {
    const std::size_t length = CharacterLength(inserted, i);
    const std::u16string_view character = inserted.substr(i, length);
    i += length;
    const std::optional<std::size_t> size = Cp932ByteCount(character);
    if (!size) continue;
    if (*size > budget) break;
    fitting += character;
    budget -= *size;
  }
  if (fitting.empty()) return std::nullopt;
  LimitedText limited{std::u16string(before) + fitting + std::u16string(after),
                      head + fitting.size()};
  return limited;
}

}  // namespace morven::tool
