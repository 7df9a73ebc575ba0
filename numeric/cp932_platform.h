#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Each build's own converter of code page 932, in UTF-16 only; numeric/cp932_text.cpp puts the
// shared table before it and does UTF-8 itself.
namespace morven::numeric::platform {

// The bytes of a text of basic-plane characters (no surrogates); nothing when one of them has no
// code of its own (no look-alike, no default character).
std::optional<std::string> Cp932Of(std::u16string_view utf16);

// Appends the characters of the text up to the first byte that starts none (a lead byte with a
// trail byte that makes no character, or a byte that is no character alone) to utf16; returns
// the number of bytes read.
std::size_t AppendUtf16Of(std::string_view cp932, std::u16string& utf16);

}  // namespace morven::numeric::platform
