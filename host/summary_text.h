#pragma once

#include <iosfwd>

namespace morven::exchange {
struct ExchangeState;
}

namespace morven::host {

struct ExchangeSummary;

// The report of `inspect`, in UTF-8: file, contents, host settings, initial attributes, numbered
// points, element counts, and for an answer the drawing step by step.
void PrintSummaryText(const ExchangeSummary& summary, std::ostream& out);

// The report of `run`: the host settings, initial attributes and numbered points of the host's
// input, which the answer does not repeat; the rest of the answer.
void PrintSummaryText(const ExchangeSummary& answer, const exchange::ExchangeState& hostInput,
                      std::ostream& out);

}  // namespace morven::host
