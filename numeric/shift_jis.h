#pragma once

// Byte classes of Shift_JIS text as the program counts characters.
namespace morven::numeric {

// A lead byte and the byte after it, whatever that is, form one full-width character.
constexpr bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFD);
}

constexpr bool IsControlByte(unsigned char byte) {
  return byte < 0x20;
}

}  // namespace morven::numeric
