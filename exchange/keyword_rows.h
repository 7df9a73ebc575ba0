#pragma once

#include "exchange/applied_row.h"
#include "exchange/exchange_state.h"
#include "exchange/line_tokens.h"

namespace morven::exchange {

// Tests token 0 against the keyword rows in their order and applies the first row whose keyword
// and slot condition both hold; a line of exactly four slots that no row took is a line segment.
// Blank lines and lines that match nothing change nothing. Tells which row applied.
AppliedRow ApplyLineTokens(ExchangeState& state, const LineTokens& tokens);

}  // namespace morven::exchange
