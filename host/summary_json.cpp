#include "host/summary_json.h"

#include <ostream>

#include "host/element_names.h"
#include "host/exchange_summary.h"
#include "host/json_writer.h"
#include "numeric/cp932_text.h"

namespace morven::host {
namespace {

using exchange::ExchangeState;

std::string_view ContentName(ContentKind kind) {
  switch (kind) {
    case ContentKind::Empty:
      return "empty";
    case ContentKind::HostInput:
      return "hostInput";
    case ContentKind::Answer:
      return "answer";
    case ContentKind::NothingDrawn:
      return "nothingDrawn";
  }
  return "";
}

std::string_view AttributeName(AttributeKind kind) {
  switch (kind) {
    case AttributeKind::LayerGroup:
      return "layerGroup";
    case AttributeKind::Layer:
      return "layer";
    case AttributeKind::LineColor:
      return "lineColor";
    case AttributeKind::LineType:
      return "lineType";
    case AttributeKind::LineWidth:
      return "lineWidth";
    case AttributeKind::PenColor:
      return "penColor";
    case AttributeKind::TextType:
      return "textType";
    case AttributeKind::FontName:
      return "font";
  }
  return "";
}

template <typename Array>
void NumberArray(JsonWriter& json, std::string_view key, const Array& values) {
  json.Key(key);
  json.BeginArray();
  for (double v : values) json.Number(v);
  json.EndArray();
}

void FreeText(JsonWriter& json, double w, double h, double d, std::int32_t color) {
  json.Member("width", w);
  json.Member("height", h);
  json.Member("gap", d);
  json.Member("color", color);
}

void HostSettings(JsonWriter& json, const ExchangeState& s) {
  json.Key("host");
  json.BeginObject();
  json.Member("angle", s.HkAngle);
  NumberArray(json, "layerGroupScales", s.LayerGroupScale);
  json.Key("sheet");
  json.BeginObject();
  json.Member("width", s.SheetWidth);
  json.Member("height", s.SheetHeight);
  json.EndObject();
  json.Key("textTypes");
  json.BeginArray();
  for (int i = 0; i < exchange::kTextTypeCount; ++i) {
    const auto& t = s.TextTypes[static_cast<std::size_t>(i)];
    json.BeginObject();
    json.Member("number", static_cast<std::int32_t>(i + 1));
    FreeText(json, t.Width, t.Height, t.Gap, t.Color);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void InitialAttributes(JsonWriter& json, const ExchangeState& s) {
  json.Key("initial");
  json.BeginObject();
  json.Member("layerGroup", s.InitialLayerGroup);
  json.Member("layer", s.InitialLayer);
  json.Member("lineColor", s.InitialLineColor);
  json.Member("lineType", s.InitialLineType);
  json.Member("lineWidth", s.InitialLineWidth);
  json.Member("textType", s.InitialTextType);
  json.Key("freeText");
  json.BeginObject();
  FreeText(json, s.InitialTextWidth, s.InitialTextHeight, s.InitialTextGap, s.InitialTextColor);
  json.EndObject();
  json.Member("font", numeric::Cp932ToUtf8(s.InitialFontName));
  json.EndObject();
}

void Points(JsonWriter& json, const ExchangeState& s) {
  json.Key("points");
  json.BeginArray();
  for (std::size_t n = 1; n < s.HpPoints.size(); ++n) {
    const auto& p = s.HpPoints[n];
    if (!p.Defined) continue;
    json.BeginObject();
    json.Member("number", n);
    json.Member("x", p.X);
    json.Member("y", p.Y);
    json.Member("kind", PointKindSuffix(p.Kind));
    json.EndObject();
  }
  json.EndArray();
}

void ElementCounts(JsonWriter& json, const ExchangeState& s) {
  const std::size_t counts[] = {
      s.Lines.size(),    s.Circles.size(),  s.Arcs.size(),   s.Texts.size(), s.Points.size(),
      s.PointExs.size(), s.Messages.size(), s.Blocks.size(), s.Sl2s.size(),  s.Sl3s.size(),
      s.Sl4s.size(),     s.Scs.size(),      s.Ses.size(),    s.Sos.size(),   s.Sgs.size()};
  json.Key("elements");
  json.BeginObject();
  for (std::int32_t kind = 1; kind <= 15; ++kind)
    json.Member(ElementKindName(kind), counts[kind - 1]);
  json.EndObject();
}

void Header(JsonWriter& json, const exchange::ElementHeader& h) {
  json.Member("layerGroup", h.LayerGroup);
  json.Member("layer", h.Layer);
  json.Member("color", h.Color);
  json.Member("lineType", h.LineType);
  json.Member("lineWidth", h.LineWidth);
  json.Member("zFlags", h.ZFlags);
}

void Segment(JsonWriter& json, double x1, double y1, double x2, double y2) {
  json.Member("x1", x1);
  json.Member("y1", y1);
  json.Member("x2", x2);
  json.Member("y2", y2);
}

void TextFields(JsonWriter& json, const exchange::TextRecord& t) {
  json.Member("text", numeric::Cp932ToUtf8(t.Text));
  json.Member("x", t.X);
  json.Member("y", t.Y);
  json.Member("dx", t.DirX);
  json.Member("dy", t.DirY);
  json.Member("textType", t.TextType);
  json.Member("font", numeric::Cp932ToUtf8(t.FontName));
}

void Element(JsonWriter& json, const ExchangeState& s, const exchange::OrderEntry& entry) {
  const auto i = static_cast<std::size_t>(entry.Index);
  json.BeginObject();
  json.Member("element", ElementKindName(entry.Kind));
  switch (entry.Kind) {
    case exchange::kLine:
      Segment(json, s.Lines[i].X1, s.Lines[i].Y1, s.Lines[i].X2, s.Lines[i].Y2);
      json.Member("polyline", s.Lines[i].PolylineNumber);
      Header(json, s.Lines[i].Header);
      break;
    case exchange::kCircle:
      json.Member("x", s.Circles[i].X);
      json.Member("y", s.Circles[i].Y);
      json.Member("r", s.Circles[i].R);
      Header(json, s.Circles[i].Header);
      break;
    case exchange::kArc:
      NumberArray(json, "values", s.Arcs[i].Values);
      Header(json, s.Arcs[i].Header);
      break;
    case exchange::kText:
      TextFields(json, s.Texts[i]);
      Header(json, s.Texts[i].Header);
      break;
    case exchange::kPoint:
      json.Member("x", s.Points[i].X);
      json.Member("y", s.Points[i].Y);
      Header(json, s.Points[i].Header);
      break;
    case exchange::kPointEx:
      json.Member("kind", s.PointExs[i].PointKind);
      json.Member("x", s.PointExs[i].X);
      json.Member("y", s.PointExs[i].Y);
      json.Member("scale", s.PointExs[i].Scale);
      json.Member("angle", s.PointExs[i].Angle);
      Header(json, s.PointExs[i].Header);
      break;
    case exchange::kMessage: {
      const auto& m = s.Messages[i];
      Segment(json, m.Line.X1, m.Line.Y1, m.Line.X2, m.Line.Y2);
      TextFields(json, m.Text);
      Header(json, m.Header);
      break;
    }
    case exchange::kBlock:
      json.Member("name", numeric::Cp932ToUtf8(s.Blocks[i].Name));
      json.Member("x", s.Blocks[i].X);
      json.Member("y", s.Blocks[i].Y);
      Header(json, s.Blocks[i].Header);
      break;
    case exchange::kSl2:
      NumberArray(json, "corners", s.Sl2s[i].Coords);
      Header(json, s.Sl2s[i].Header);
      break;
    case exchange::kSl3:
      NumberArray(json, "corners", s.Sl3s[i].Coords);
      Header(json, s.Sl3s[i].Header);
      break;
    case exchange::kSl4:
      NumberArray(json, "corners", s.Sl4s[i].Coords);
      Header(json, s.Sl4s[i].Header);
      break;
    case exchange::kSc:
    case exchange::kSe: {
      const auto& r = entry.Kind == exchange::kSc ? s.Scs[i] : s.Ses[i];
      NumberArray(json, "values", r.Values);
      json.Member("last", r.Last);
      Header(json, r.Header);
      break;
    }
    case exchange::kSo:
    case exchange::kSg: {
      const auto& r = entry.Kind == exchange::kSo ? s.Sos[i] : s.Sgs[i];
      NumberArray(json, "values", r.Values);
      Header(json, r.Header);
      break;
    }
    default:
      break;
  }
  json.EndObject();
}

void Change(JsonWriter& json, const AttributeChange& c) {
  json.BeginObject();
  json.Member("attribute", AttributeName(c.Kind));
  if (c.Kind == AttributeKind::FontName) {
    json.Member("value", numeric::Cp932ToUtf8(c.FontName));
  } else {
    json.Member("value", c.Value);
  }
  if (c.Kind == AttributeKind::TextType && c.Value == 0) {
    FreeText(json, c.TextWidth, c.TextHeight, c.TextGap, c.TextColor);
  }
  json.EndObject();
}

void Drawing(JsonWriter& json, const ExchangeSummary& summary) {
  const ExchangeState& s = summary.State;
  json.Key("drawing");
  json.BeginArray();
  std::size_t next = 0;
  for (std::size_t i = 0; i < s.OrderList.size(); ++i) {
    for (; next < summary.Changes.size() && summary.Changes[next].ElementsBefore <= i; ++next) {
      Change(json, summary.Changes[next]);
    }
    Element(json, s, s.OrderList[i]);
  }
  for (; next < summary.Changes.size(); ++next) Change(json, summary.Changes[next]);
  json.EndArray();
}

}  // namespace

void PrintSummaryJson(const ExchangeSummary& summary, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.Member("file", summary.Path);
  json.Member("contents", ContentName(summary.Content));
  json.Member("readToEnd", summary.ReadToEnd);
  HostSettings(json, summary.State);
  InitialAttributes(json, summary.State);
  Points(json, summary.State);
  ElementCounts(json, summary.State);
  if (summary.Content == ContentKind::Answer) Drawing(json, summary);
  json.EndObject();
  out << "\n";
}

}  // namespace morven::host
