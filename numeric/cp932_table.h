#pragma once

#include <optional>
#include <string_view>

// The codes of code page 932 that the two builds' converters (iconv on Linux, the system's own on
// Windows) do not agree on, decided once here for both builds, before either converter is asked.
// Compared over every character of the basic plane and every one- and two-byte code, they differ
// only in these characters and in the byte 0x80.
namespace morven::numeric {

// The bytes of a character the table decides; nothing when the platform's converter decides.
// Characters that Mac and Linux programs use where Windows has a code point of its own take the
// code Linux writes (U+301C WAVE DASH -> 81 60, U+00A5 YEN SIGN -> 5C), so no build drops them;
// the characters only Windows writes, as bytes that no build reads back as them (0x80 and 0xFD
// are lead bytes to the host), have no code: an empty view.
std::optional<std::string_view> Cp932TableBytes(char16_t character);

// The character of a byte that the platform's converter finds starting no character, as Windows
// reads it (0x80 -> U+0080); nothing when it is U+FFFD on both builds.
std::optional<char16_t> Cp932TableCharacter(unsigned char byte);

}  // namespace morven::numeric
