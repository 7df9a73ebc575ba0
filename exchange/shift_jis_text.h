#pragma once

#include <cstddef>
#include <string_view>

#include "numeric/shift_jis.h"

// Byte-wise handling of Shift_JIS text: a lead byte and the byte after it, whatever that is, form
// one double-byte character that must never be split.
namespace morven::exchange {

using numeric::IsLeadByte;

// The longest start of the text of at most maxBytes bytes that ends on a whole character; a lead
// byte without its second byte never stays at the end: ("A\x82\xA0", 2) -> "A".
std::string_view CutWhole(std::string_view text, std::size_t maxBytes);

// Position of the first occurrence of needle that starts on a character, not on the second byte
// of a double-byte character; npos when there is none.
std::size_t FindWhole(std::string_view text, std::string_view needle);

}  // namespace morven::exchange
