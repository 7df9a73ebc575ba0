#include "host/summary_text.h"

#include <ostream>

#include "host/drawing_walk.h"
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
std::string TextPart(const exchange::TextRecord& text) {
  return "text " + Quoted(text.Text) + " at " + At(text.X, text.Y) + " direction " +
         At(text.DirX, text.DirY);
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

void PrintElementCounts(const ExchangeSummary& summary, std::ostream& out) {
  std::string lines;
  for (std::size_t i = 0; i < kElementKindCount; ++i) {
    const std::size_t count = summary.ElementCounts[i];
    if (count == 0) continue;
    const auto kind = static_cast<std::int32_t>(i + 1);
    lines += "  " + std::string(ElementKindName(kind)) + ": " + std::to_string(count) + "\n";
  }
  out << (lines.empty() ? "elements: none\n" : "elements:\n" + lines);
}

// One attribute line of the drawing: "layer group 0", "font \"<ＭＳ ゴシック>\"".
std::string Describe(const AttributeChange& c) {
  const std::string name(NamesOf(c.Kind).Text);
  if (c.Kind == exchange::RowKind::kFontName) return name + " " + Quoted(c.FontName);
  if (c.Kind == exchange::RowKind::kTextType) {
    return name + " " + TextTypeName(c.Value, c.TextWidth, c.TextHeight, c.TextGap, c.TextColor);
  }
  return name + " " + Int(c.Value);
}

// One element as a line of the drawing, without its z flags: "line (0, 200) to (0, 700)".
std::string Describe(exchange::ElementKind, const exchange::LineRecord& r) {
  return "line " + At(r.X1, r.Y1) + " to " + At(r.X2, r.Y2) +
         (r.PolylineNumber != 0 ? " polyline " + Int(r.PolylineNumber) : "");
}
std::string Describe(exchange::ElementKind, const exchange::CircleRecord& r) {
  return "circle " + At(r.X, r.Y) + " radius " + Num(r.R);
}
std::string Describe(exchange::ElementKind, const exchange::ArcRecord& r) {
  return "arc" + Values(r.Values);
}
std::string Describe(exchange::ElementKind, const exchange::TextRecord& r) {
  return TextPart(r);
}
std::string Describe(exchange::ElementKind, const exchange::PointRecord& r) {
  return "point " + At(r.X, r.Y);
}
std::string Describe(exchange::ElementKind, const exchange::PointExRecord& r) {
  const std::string_view symbol = MarkSymbol(r.PointKind);
  return "mark " + Int(r.PointKind) + (symbol.empty() ? "" : " " + std::string(symbol)) + " at " +
         At(r.X, r.Y) + " scale " + Num(r.Scale) + " angle " + Num(r.Angle);
}
std::string Describe(exchange::ElementKind, const exchange::MessageRecord& r) {
  return "message line " + At(r.Line.X1, r.Line.Y1) + " to " + At(r.Line.X2, r.Line.Y2) + ", " +
         TextPart(r.Text);
}
std::string Describe(exchange::ElementKind, const exchange::BlockRecord& r) {
  return "block " + Quoted(r.Name) + " at " + At(r.X, r.Y);
}
template <int Corners>
std::string Describe(exchange::ElementKind kind, const exchange::SlRecord<Corners>& r) {
  std::string text(ElementKindName(kind));
  for (std::size_t i = 0; i + 1 < r.Coords.size(); i += 2) {
    text += " " + At(r.Coords[i], r.Coords[i + 1]);
  }
  return text;
}
std::string Describe(exchange::ElementKind kind, const exchange::ScRecord& r) {
  return std::string(ElementKindName(kind)) + Values(r.Values) + " " + Int(r.Last);
}
std::string Describe(exchange::ElementKind kind, const exchange::SoRecord& r) {
  return std::string(ElementKindName(kind)) + Values(r.Values);
}

struct DrawingLines {
  std::ostream& out;
  void operator()(const AttributeChange& change) const { out << "  " << Describe(change) << "\n"; }
  template <typename Record>
  void operator()(exchange::ElementKind kind, const Record& record) const {
    out << "  " << Describe(kind, record) << Flags(record.Header.ZFlags) << "\n";
  }
};

void PrintDrawing(const ExchangeSummary& summary, std::ostream& out) {
  out << "drawing:\n";
  ForEachStep(summary, DrawingLines{out});
}

}  // namespace

void PrintSummaryText(const ExchangeSummary& summary, std::ostream& out) {
  PrintSummaryText(summary, summary.State, out);
}

void PrintSummaryText(const ExchangeSummary& answer, const ExchangeState& hostInput,
                      std::ostream& out) {
  out << "file: " << answer.Path << "\n";
  out << "contents: " << NamesOf(answer.Content).Text << "\n";
  if (!answer.ReadToEnd) out << "note: the reader stopped part-way through the file\n";
  PrintHostSettings(hostInput, out);
  PrintInitialAttributes(hostInput, out);
  PrintPoints(hostInput, out);
  PrintElementCounts(answer, out);
  if (answer.Content == ContentKind::kAnswer) PrintDrawing(answer, out);
}

}  // namespace morven::host
