#include "exchange/element_rows.h"

#include <cmath>
#include <initializer_list>

#include "exchange/token_numbers.h"
#include "numeric/shift_jis.h"

namespace morven::exchange {

namespace {

constexpr std::size_t kMaxRecordTextBytes = 255;
constexpr double kCornerTolerance = 1e-10;
constexpr std::int32_t kCsVariant = 2;

template <typename Record>
Record& AppendRecord(ExchangeState& state, BlockTable<Record>& table, ElementKind kind) {
  AddOrderEntry(state, kind, static_cast<std::int32_t>(table.size()));
  Record& record = table.Append();
  FillElementHeader(state, record.Header);
  return record;
}

void EndElement(ExchangeState& state) {
  state.ZFlags = 0;
  state.PolylineMode = false;
  state.MessageMode = false;
}

void FillText(const ExchangeState& state, const LineTokens& tokens, std::int32_t variant,
              TextRecord& text) {
  FillElementHeader(state, text.Header);
  text.TextVariant = variant;
  text.CcValue = state.CurCcValue;
  text.TextType = state.CurTextType;
  if (state.CurTextType >= 1 && state.CurTextType <= kTextTypeCount) {
    const TextTypeInfo& type = state.TextTypes[state.CurTextType - 1];
    text.Width = type.Width;
    text.Height = type.Height;
    text.Gap = type.Gap;
    text.Header.Color = type.Color;
  } else {
    text.Width = state.CurTextWidth;
    text.Height = state.CurTextHeight;
    text.Gap = state.CurTextGap;
    text.Header.Color = state.CurTextColor;
  }
  text.X = RealToken(tokens, 1);
  text.Y = RealToken(tokens, 2);
  text.DirX = RealToken(tokens, 3);
  text.DirY = RealToken(tokens, 4);
  text.FontName.assign(numeric::CutWhole(state.CurFontName, kMaxRecordTextBytes));
  text.Text.assign(numeric::CutWhole(tokens[5], kMaxRecordTextBytes));
}

struct Corner {
  double X = 0.0;
  double Y = 0.0;
};

bool Coincide(Corner a, Corner b) {
  return std::fabs(a.X - b.X) <= kCornerTolerance && std::fabs(a.Y - b.Y) <= kCornerTolerance;
}

template <int Corners>
void AppendCorners(ExchangeState& state, BlockTable<SlRecord<Corners>>& table, ElementKind kind,
                   std::initializer_list<Corner> corners) {
  SlRecord<Corners>& record = AppendRecord(state, table, kind);
  record.ExtColor = state.CurExtColor;
  std::size_t i = 0;
  for (const Corner corner : corners) {
    record.Coords[i++] = corner.X;
    record.Coords[i++] = corner.Y;
  }
}

ElementKind AppendSl2(ExchangeState& state, Corner a, Corner b) {
  AppendCorners<2>(state, state.Sl2s, kSl2, {a, b});
  return kSl2;
}
ElementKind AppendSl3(ExchangeState& state, Corner a, Corner b, Corner c) {
  AppendCorners<3>(state, state.Sl3s, kSl3, {a, b, c});
  return kSl3;
}

ElementKind AppendThreeCorners(ExchangeState& state, Corner p1, Corner p2, Corner p3) {
  if (Coincide(p1, p2)) return AppendSl2(state, p1, p3);
  if (Coincide(p2, p3)) return AppendSl2(state, p1, p2);
  return AppendSl3(state, p1, p2, p3);
}

ElementKind AppendFourCorners(ExchangeState& state, Corner p1, Corner p2, Corner p3, Corner p4) {
  if (Coincide(p1, p2) && Coincide(p1, p3)) return AppendSl2(state, p1, p4);
  if (Coincide(p2, p3) && Coincide(p2, p4)) return AppendSl2(state, p1, p2);
  if (Coincide(p1, p2) && Coincide(p3, p4)) return AppendSl2(state, p1, p3);
  if (Coincide(p4, p1) || Coincide(p4, p2) || Coincide(p4, p3)) {
    return AppendSl3(state, p1, p2, p3);
  }
  if (Coincide(p3, p1) || Coincide(p3, p2)) return AppendSl3(state, p1, p2, p4);
  if (Coincide(p2, p1)) return AppendSl3(state, p1, p3, p4);
  AppendCorners<4>(state, state.Sl4s, kSl4, {p1, p2, p3, p4});
  return kSl4;
}

}  // namespace

void AppendCircle(ExchangeState& state, const LineTokens& tokens) {
  CircleRecord& circle = AppendRecord(state, state.Circles, kCircle);
  circle.X = RealToken(tokens, 1);
  circle.Y = RealToken(tokens, 2);
  circle.R = RealToken(tokens, 3);
  EndElement(state);
}

void AppendArc(ExchangeState& state, const LineTokens& tokens) {
  ArcRecord& arc = AppendRecord(state, state.Arcs, kArc);
  for (std::size_t i = 0; i < arc.Values.size(); ++i) {
    arc.Values[i] = RealToken(tokens, static_cast<int>(i) + 1);
  }
  EndElement(state);
}

ElementKind AppendText(ExchangeState& state, const LineTokens& tokens, std::int32_t variant) {
  if (variant == kCsVariant && state.MessageMode) {
    MessageRecord& message = AppendRecord(state, state.Messages, kMessage);
    message.Line = state.MessageLine;
    message.Line.PolylineNumber = 0;
    FillText(state, tokens, kCsVariant, message.Text);
    EndElement(state);
    return kMessage;
  }
  TextRecord& text = AppendRecord(state, state.Texts, kText);
  FillText(state, tokens, variant, text);
  EndElement(state);
  return kText;
}

void AppendPoint(ExchangeState& state, const LineTokens& tokens) {
  PointRecord& point = AppendRecord(state, state.Points, kPoint);
  point.Header.Color = state.CurPnColor;
  point.X = RealToken(tokens, 1);
  point.Y = RealToken(tokens, 2);
  EndElement(state);
}

void AppendPointEx(ExchangeState& state, const LineTokens& tokens) {
  PointExRecord& point = AppendRecord(state, state.PointExs, kPointEx);
  point.Header.Color = state.CurPnColor;
  point.X = RealToken(tokens, 1);
  point.Y = RealToken(tokens, 2);
  point.Scale = RealToken(tokens, 3);
  point.Angle = RealToken(tokens, 4);
  point.PointKind = IntToken(tokens, 5);
  EndElement(state);
}

void AppendBlock(ExchangeState& state, const LineTokens& tokens) {
  BlockRecord& block = AppendRecord(state, state.Blocks, kBlock);
  block.X = RealToken(tokens, 1);
  block.Y = RealToken(tokens, 2);
  block.Name.assign(tokens[3]);
  EndElement(state);
}

ElementKind AppendSurface(ExchangeState& state, const LineTokens& tokens, int corners) {
  const auto corner = [&tokens](int n) {
    return Corner{RealToken(tokens, 2 * n - 1), RealToken(tokens, 2 * n)};
  };
  ElementKind kind;
  if (corners == 2) {
    kind = AppendSl2(state, corner(1), corner(2));
  } else if (corners == 3) {
    kind = AppendThreeCorners(state, corner(1), corner(2), corner(3));
  } else {
    kind = AppendFourCorners(state, corner(1), corner(2), corner(3), corner(4));
  }
  EndElement(state);
  return kind;
}

void AppendScOrSe(ExchangeState& state, const LineTokens& tokens, ElementKind kind) {
  ScRecord& record = AppendRecord(state, kind == kSc ? state.Scs : state.Ses, kind);
  record.ExtColor = state.CurExtColor;
  for (std::size_t i = 0; i < record.Values.size(); ++i) {
    record.Values[i] = RealToken(tokens, static_cast<int>(i) + 1);
  }
  record.Last = IntToken(tokens, 8);
  EndElement(state);
}

void AppendSoOrSg(ExchangeState& state, const LineTokens& tokens, ElementKind kind) {
  SoRecord& record = AppendRecord(state, kind == kSo ? state.Sos : state.Sgs, kind);
  record.ExtColor = state.CurExtColor;
  for (std::size_t i = 0; i < record.Values.size(); ++i) {
    record.Values[i] = RealToken(tokens, static_cast<int>(i) + 1);
  }
  EndElement(state);
}

AppliedRow ApplyFourNumberLine(ExchangeState& state, const LineTokens& tokens) {
  LineRecord line;
  FillElementHeader(state, line.Header);
  line.X1 = RealToken(tokens, 0);
  line.Y1 = RealToken(tokens, 1);
  line.X2 = RealToken(tokens, 2);
  line.Y2 = RealToken(tokens, 3);
  state.ZFlags = 0;
  if (state.MessageMode) {
    state.MessageLine = line;
    return RowOf(RowKind::kMessageLine);
  }
  if (state.PolylineMode) line.PolylineNumber = state.PolylineCount;
  AddOrderEntry(state, kLine, static_cast<std::int32_t>(state.Lines.size()));
  state.Lines.Append(line);
  return ElementRow(kLine);
}

}  // namespace morven::exchange
