#pragma once

#include <iosfwd>
#include <string>

namespace morven::exchange {
struct ExchangeState;
struct OrderEntry;
}  // namespace morven::exchange

namespace morven::host {

struct ExchangeSummary;
struct AttributeChange;

// The report of `inspect`, in UTF-8: file, contents, host settings, initial attributes, numbered
// points, element counts, and for an answer the drawing step by step.
void PrintSummaryText(const ExchangeSummary& summary, std::ostream& out);

// One element as a line of the drawing: "line (0, 200) to (0, 700) [z3]".
std::string DescribeElement(const exchange::ExchangeState& state,
                            const exchange::OrderEntry& entry);

// One attribute line of the drawing: "layer group 0", "font \"<ＭＳ ゴシック>\"".
std::string DescribeChange(const AttributeChange& change);

}  // namespace morven::host
