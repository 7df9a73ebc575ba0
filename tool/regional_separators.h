#pragma once

#include <string_view>

#include "numeric/separators.h"

namespace morven::tool {

// The separators for the numbers the dialog shows and for the dimension value, from the user's
// decimal and thousands separators (UTF-8). Each must be exactly one byte in code page 932 and the
// two must differ; otherwise "." and "," are used, so a number text never turns ambiguous or
// grows a double-byte separator: ("," ".") -> ',' '.', ("," U+202F) -> '.' ','.
numeric::Separators ChooseSeparators(std::string_view decimalUtf8, std::string_view thousandsUtf8);

}  // namespace morven::tool
