#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Shift_JIS text handled byte by byte, as the program counts characters: a lead byte and the byte
// after it, whatever that is, form one double-byte character that must never be split.
namespace morven::numeric {

// A lead byte and the byte after it, whatever that is, form one full-width character.
constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFD);
}

constexpr bool IsControlByte(unsigned char byte) {
  return byte < 0x20;
}

// The longest start of the text of at most maxBytes bytes that ends on a whole character; a lead
// byte without its second byte never stays at the end: ("A\x82\xA0", 2) -> "A".
std::string_view CutWhole(std::string_view text, std::size_t maxBytes);

// Position of the first occurrence of needle that starts on a character, not on the second byte
// of a double-byte character; npos when there is none.
std::size_t FindWhole(std::string_view text, std::string_view needle);

// The text without any CR or LF byte: one inside a command would break its file line and let a
// text start a command of its own. No second byte of a double-byte character is ever a CR or LF.
std::string WithoutLineBreaks(std::string_view text);

}  // namespace morven::numeric
