#pragma once

#include <cstdint>

#include "exchange/line_tokens.h"
#include "numeric/float_error.h"
#include "numeric/number_text.h"

namespace morven::exchange {

// Token k read as an integer, 0 when it is missing or not wholly a number.
inline std::int32_t IntToken(const LineTokens& tokens, int slot) {
  return numeric::TextToInt(tokens[slot]);
}

// Token k read as a real. A number beyond the double range reads as 0.0 like any unusable
// number, so that one bad field cannot drop the rest of the file. Tokens lie in lines followed
// by kLinePadding readable bytes.
inline double RealToken(const LineTokens& tokens, int slot) {
  try {
    return numeric::TextToRealPadded(tokens[slot]);
  } catch (const numeric::FloatingPointError&) {
    return 0.0;
  }
}

}  // namespace morven::exchange
