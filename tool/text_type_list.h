#pragma once

#include <string>
#include <vector>

#include "numeric/separators.h"

namespace morven::exchange {
struct ExchangeState;
}

namespace morven::tool {

// The eleven items of the text-type list in Shift_JIS. Item 0 stands for the host's current text
// type, "現在の文字種(No3)" or "現在の文字種(Free)" for type 0, the number shown as the host gave
// it; items 1 to 10 describe the host's text types: "No1: W3 H3 D0", "No10: W2.5 H2.5 D0.5".
std::vector<std::string> TextTypeListItems(const exchange::ExchangeState& state,
                                           numeric::Separators separators);

}  // namespace morven::tool
