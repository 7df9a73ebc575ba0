#include "host/summary_text.h"

#include <ostream>

#include "host/element_names.h"
#include "host/exchange_summary.h"
#include "numeric/cp932_text.h"
#include "numeric/number_text.h"

namespace morven::host {
namespace {

using exchange::ExchangeState;

std::string Num(double x) {
  return numeric::GeneralNumberText(x);
}

std::string Int(std::int32_t v) {
  return numeric::DecimalIntegerText(v);
}

std::string At(double x, double y) {
  return "(" + Num(x) + ", " + Num(y) + ")";
}

std::string Quoted(const std::string& sjis) {
  return "\"" + numeric::Cp932ToUtf8(sjis) + "\"";
}

std::string Flags(std::int32_t zFlags) {
  const std::string text = ZFlagsText(zFlags);
  return text.empty() ? "" : " [" + text + "]";
}

template <typename Array>
std::string Values(const Array& values) {
  std::string text;
  for (double v : values) text += " " + Num(v);
  return text;
}

std::string FreeSize(double w, double h, double d, std::int32_t color) {
  return "Free W" + Num(w) + " H" + Num(h) + " D" + Num(d) + " color " + Int(color);
}

std::string TextTypeName(std::int32_t type, double w, double h, double d, std::int32_t color) {
  return type == 0 ? FreeSize(w, h, d, color) : "No" + Int(type);
}

std::string_view ContentName(ContentKind kind) {
  switch (kind) {
    case ContentKind::Empty:
      return "empty";
    case ContentKind::HostInput:
      return "host input";
    case ContentKind::Answer:
      return "answer";
    case ContentKind::NothingDrawn:
      return "nothing drawn (\"hq\")";
  }
  return "";
}

std::string TextPart(const exchange::TextRecord& text) {
  return "text " + Quoted(text.Text) + " at " + At(text.X, text.Y) + " direction " +
         At(text.DirX, text.DirY);
}

template <typename Sl>
std::string Corners(const Sl& sl) {
  std::string text;
  for (std::size_t i = 0; i + 1 < sl.Coords.size(); i += 2)
    text += " " + At(sl.Coords[i], sl.Coords[i + 1]);
  return text;
}

void PrintHostSettings(const ExchangeState& s, std::ostream& out) {
  out << "host settings:\n";
  out << "  angle: " << Num(s.HkAngle) << "\n";
  out << "  layer group scales:" << Values(s.LayerGroupScale) << "\n";
  out << "  sheet: " << Num(s.SheetWidth) << " x " << Num(s.SheetHeight) << "\n";
  out << "  text types:\n";
  for (int i = 0; i < exchange::kTextTypeCount; ++i) {
    const auto& t = s.TextTypes[static_cast<std::size_t>(i)];
    out << "    No" << i + 1 << ": W" << Num(t.Width) << " H" << Num(t.Height) << " D" << Num(t.Gap)
        << " color " << Int(t.Color) << "\n";
  }
}

void PrintInitialAttributes(const ExchangeState& s, std::ostream& out) {
  out << "initial attributes:\n";
  out << "  layer group: " << Int(s.InitialLayerGroup) << "\n";
  out << "  layer: " << Int(s.InitialLayer) << "\n";
  out << "  line color: " << Int(s.InitialLineColor) << "\n";
  out << "  line type: " << Int(s.InitialLineType) << "\n";
  out << "  line width: " << Int(s.InitialLineWidth) << "\n";
  out << "  text type: "
      << TextTypeName(s.InitialTextType, s.InitialTextWidth, s.InitialTextHeight, s.InitialTextGap,
                      s.InitialTextColor)
      << "\n";
  out << "  font: " << (s.InitialFontName.empty() ? "(none)" : Quoted(s.InitialFontName)) << "\n";
}

void PrintPoints(const ExchangeState& s, std::ostream& out) {
  std::string lines;
  for (std::size_t n = 1; n < s.HpPoints.size(); ++n) {
    const auto& p = s.HpPoints[n];
    if (!p.Defined) continue;
    lines += "  " + std::to_string(n) + std::string(PointKindSuffix(p.Kind)) + ": " + At(p.X, p.Y) +
             "\n";
  }
  out << (lines.empty() ? "points: none\n" : "points:\n" + lines);
}

void PrintElementCounts(const ExchangeState& s, std::ostream& out) {
  const std::size_t counts[] = {
      s.Lines.size(),    s.Circles.size(),  s.Arcs.size(),   s.Texts.size(), s.Points.size(),
      s.PointExs.size(), s.Messages.size(), s.Blocks.size(), s.Sl2s.size(),  s.Sl3s.size(),
      s.Sl4s.size(),     s.Scs.size(),      s.Ses.size(),    s.Sos.size(),   s.Sgs.size()};
  std::string lines;
  for (std::int32_t kind = 1; kind <= 15; ++kind) {
    const std::size_t count = counts[kind - 1];
    if (count > 0)
      lines += "  " + std::string(ElementKindName(kind)) + ": " + std::to_string(count) + "\n";
  }
  out << (lines.empty() ? "elements: none\n" : "elements:\n" + lines);
}

void PrintDrawing(const ExchangeSummary& summary, std::ostream& out) {
  const ExchangeState& s = summary.State;
  out << "drawing:\n";
  std::size_t next = 0;
  for (std::size_t i = 0; i < s.OrderList.size(); ++i) {
    for (; next < summary.Changes.size() && summary.Changes[next].ElementsBefore <= i; ++next) {
      out << "  " << DescribeChange(summary.Changes[next]) << "\n";
    }
    out << "  " << DescribeElement(s, s.OrderList[i]) << "\n";
  }
  for (; next < summary.Changes.size(); ++next) {
    out << "  " << DescribeChange(summary.Changes[next]) << "\n";
  }
}

}  // namespace

std::string DescribeChange(const AttributeChange& c) {
  switch (c.Kind) {
    case AttributeKind::LayerGroup:
      return "layer group " + Int(c.Value);
    case AttributeKind::Layer:
      return "layer " + Int(c.Value);
    case AttributeKind::LineColor:
      return "line color " + Int(c.Value);
    case AttributeKind::LineType:
      return "line type " + Int(c.Value);
    case AttributeKind::LineWidth:
      return "line width " + Int(c.Value);
    case AttributeKind::PenColor:
      return "pen color " + Int(c.Value);
    case AttributeKind::FontName:
      return "font " + Quoted(c.FontName);
    case AttributeKind::TextType:
      return "text type " +
             TextTypeName(c.Value, c.TextWidth, c.TextHeight, c.TextGap, c.TextColor);
  }
  return "";
}

std::string DescribeElement(const ExchangeState& s, const exchange::OrderEntry& entry) {
  const auto i = static_cast<std::size_t>(entry.Index);
  switch (entry.Kind) {
    case exchange::kLine: {
      const auto& r = s.Lines[i];
      return "line " + At(r.X1, r.Y1) + " to " + At(r.X2, r.Y2) +
             (r.PolylineNumber != 0 ? " polyline " + Int(r.PolylineNumber) : "") +
             Flags(r.Header.ZFlags);
    }
    case exchange::kCircle: {
      const auto& r = s.Circles[i];
      return "circle " + At(r.X, r.Y) + " radius " + Num(r.R) + Flags(r.Header.ZFlags);
    }
    case exchange::kArc:
      return "arc" + Values(s.Arcs[i].Values) + Flags(s.Arcs[i].Header.ZFlags);
    case exchange::kText:
      return TextPart(s.Texts[i]) + Flags(s.Texts[i].Header.ZFlags);
    case exchange::kPoint: {
      const auto& r = s.Points[i];
      return "point " + At(r.X, r.Y) + Flags(r.Header.ZFlags);
    }
    case exchange::kPointEx: {
      const auto& r = s.PointExs[i];
      const std::string_view symbol = MarkSymbol(r.PointKind);
      return "mark " + Int(r.PointKind) + (symbol.empty() ? "" : " " + std::string(symbol)) +
             " at " + At(r.X, r.Y) + " scale " + Num(r.Scale) + " angle " + Num(r.Angle) +
             Flags(r.Header.ZFlags);
    }
    case exchange::kMessage: {
      const auto& r = s.Messages[i];
      return "message line " + At(r.Line.X1, r.Line.Y1) + " to " + At(r.Line.X2, r.Line.Y2) + ", " +
             TextPart(r.Text) + Flags(r.Header.ZFlags);
    }
    case exchange::kBlock: {
      const auto& r = s.Blocks[i];
      return "block " + Quoted(r.Name) + " at " + At(r.X, r.Y) + Flags(r.Header.ZFlags);
    }
    case exchange::kSl2:
      return "sl2" + Corners(s.Sl2s[i]) + Flags(s.Sl2s[i].Header.ZFlags);
    case exchange::kSl3:
      return "sl3" + Corners(s.Sl3s[i]) + Flags(s.Sl3s[i].Header.ZFlags);
    case exchange::kSl4:
      return "sl4" + Corners(s.Sl4s[i]) + Flags(s.Sl4s[i].Header.ZFlags);
    case exchange::kSc:
    case exchange::kSe: {
      const auto& r = entry.Kind == exchange::kSc ? s.Scs[i] : s.Ses[i];
      return std::string(ElementKindName(entry.Kind)) + Values(r.Values) + " " + Int(r.Last) +
             Flags(r.Header.ZFlags);
    }
    case exchange::kSo:
    case exchange::kSg: {
      const auto& r = entry.Kind == exchange::kSo ? s.Sos[i] : s.Sgs[i];
      return std::string(ElementKindName(entry.Kind)) + Values(r.Values) + Flags(r.Header.ZFlags);
    }
  }
  return "unknown element";
}

void PrintSummaryText(const ExchangeSummary& summary, std::ostream& out) {
  out << "file: " << summary.Path << "\n";
  out << "contents: " << ContentName(summary.Content) << "\n";
  if (!summary.ReadToEnd) out << "note: the reader stopped part-way through the file\n";
  PrintHostSettings(summary.State, out);
  PrintInitialAttributes(summary.State, out);
  PrintPoints(summary.State, out);
  PrintElementCounts(summary.State, out);
  if (summary.Content == ContentKind::Answer) PrintDrawing(summary, out);
}

}  // namespace morven::host
