#pragma once

#include <iosfwd>

namespace morven::exchange {
struct ExchangeState;
}

namespace morven::host {

struct ExchangeSummary;

// The report of `inspect --json`: the same content as the text report as one JSON document,
// texts in UTF-8, followed by a line end.
void PrintSummaryJson(const ExchangeSummary& summary, std::ostream& out);

// The report of `run`: the host settings, initial attributes and numbered points of the host's
// input, which the answer does not repeat; the rest of the answer.
void PrintSummaryJson(const ExchangeSummary& answer, const exchange::ExchangeState& hostInput,
                      std::ostream& out);

}  // namespace morven::host
