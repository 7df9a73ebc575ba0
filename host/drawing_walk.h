#pragma once

#include <cstddef>

#include "exchange/exchange_state.h"
#include "host/exchange_summary.h"

// The one walk over what was read, for the text and JSON reports and the SVG picture.
namespace morven::host {

// Calls visit(kind, record) with the element's record: a LineRecord, CircleRecord, ArcRecord,
// TextRecord, PointRecord, PointExRecord, MessageRecord, BlockRecord, SlRecord<2>, <3> or <4>,
// ScRecord (kinds sc and se) or SoRecord (kinds so and sg).
template <typename Visitor>
void VisitElement(const exchange::ExchangeState& s, const exchange::OrderEntry& entry,
                  Visitor&& visit) {
  const auto i = static_cast<std::size_t>(entry.Index);
  switch (entry.Kind) {
    case exchange::kLine:
      return visit(exchange::kLine, s.Lines[i]);
    case exchange::kCircle:
      return visit(exchange::kCircle, s.Circles[i]);
    case exchange::kArc:
      return visit(exchange::kArc, s.Arcs[i]);
    case exchange::kText:
      return visit(exchange::kText, s.Texts[i]);
    case exchange::kPoint:
      return visit(exchange::kPoint, s.Points[i]);
    case exchange::kPointEx:
      return visit(exchange::kPointEx, s.PointExs[i]);
    case exchange::kMessage:
      return visit(exchange::kMessage, s.Messages[i]);
    case exchange::kBlock:
      return visit(exchange::kBlock, s.Blocks[i]);
    case exchange::kSl2:
      return visit(exchange::kSl2, s.Sl2s[i]);
    case exchange::kSl3:
      return visit(exchange::kSl3, s.Sl3s[i]);
    case exchange::kSl4:
      return visit(exchange::kSl4, s.Sl4s[i]);
    case exchange::kSc:
      return visit(exchange::kSc, s.Scs[i]);
    case exchange::kSe:
      return visit(exchange::kSe, s.Ses[i]);
    case exchange::kSo:
      return visit(exchange::kSo, s.Sos[i]);
    case exchange::kSg:
      return visit(exchange::kSg, s.Sgs[i]);
  }
}

// Every element in the order read.
template <typename Visitor>
void ForEachElement(const exchange::ExchangeState& s, Visitor&& visit) {
  for (std::size_t i = 0; i < s.OrderList.size(); ++i) VisitElement(s, s.OrderList[i], visit);
}

// The drawing step by step: visit(change) for each attribute change and visit(kind, record) for
// each element, in the order of the file.
template <typename Visitor>
void ForEachStep(const ExchangeSummary& summary, Visitor&& visit) {
  const exchange::ExchangeState& s = summary.State;
  std::size_t next = 0;
  for (std::size_t i = 0; i <= s.OrderList.size(); ++i) {
    for (; next < summary.Changes.size() && summary.Changes[next].ElementsBefore <= i; ++next) {
      visit(summary.Changes[next]);
    }
    if (i < s.OrderList.size()) VisitElement(s, s.OrderList[i], visit);
  }
}

}  // namespace morven::host
