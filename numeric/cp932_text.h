#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Conversion between Unicode and Shift_JIS in the Windows mapping of code page 932 (U+FF5E <-> 81
// 60, U+2225 <-> 81 61, U+FF0D <-> 81 7C, U+FFE2 <-> 81 CA, U+2460 <-> 87 40, half-width katakana
// as single bytes), the same on both builds: where their converters differ, numeric/cp932_table.h
// decides (U+301C WAVE DASH is written as 81 60 too, and read back as U+FF5E). Two doors: UTF-8
// for the Qt view and the stand-in host's reports, UTF-16 for the fields' edits and the Win32
// view. Only the dialog's edge converts; everything inside works on the bytes.
namespace morven::numeric {

// The Shift_JIS bytes of a UTF-8 text; nothing when a character has no code in code page 932 or
// the UTF-8 is malformed.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// The Shift_JIS bytes of a UTF-8 text with every character that code page 932 has no code for
// left out, for the dialog's fields, which admit no such character: "a\u00E9b" -> "ab"; so is a
// byte of malformed UTF-8.
std::string Utf8ToCp932Dropping(std::string_view utf8);

// The UTF-8 of a Shift_JIS text; a byte that starts no character becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// The same three through UTF-16; an unpaired surrogate is a character code page 932 cannot write.
std::optional<std::string> Utf16ToCp932(std::u16string_view utf16);
std::string Utf16ToCp932Dropping(std::u16string_view utf16);
std::u16string Cp932ToUtf16(std::string_view cp932);

// The length in UTF-16 units of the character that starts a non-empty text: 2 for a surrogate
// pair, else 1 (an unpaired surrogate stands alone), so that no cut splits a pair.
std::size_t Utf16CharacterLength(std::u16string_view text);

}  // namespace morven::numeric
