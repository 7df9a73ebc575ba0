#pragma once

#include <iosfwd>

namespace morven::host {

struct ExchangeSummary;

// The report of `inspect --json`: the same content as the text report as one JSON document,
// texts in UTF-8, followed by a line end.
void PrintSummaryJson(const ExchangeSummary& summary, std::ostream& out);

}  // namespace morven::host
