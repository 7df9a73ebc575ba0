#pragma once

#include <iosfwd>

namespace morven::host {

struct ExchangeSummary;

// The report of `inspect`, in UTF-8: file, contents, host settings, initial attributes, numbered
// points, element counts, and for an answer the drawing step by step.
void PrintSummaryText(const ExchangeSummary& summary, std::ostream& out);

}  // namespace morven::host
