#include "host/summary_json.h"

#include <ostream>

#include "host/drawing_walk.h"
#include "host/element_names.h"
#include "host/exchange_summary.h"
#include "host/json_writer.h"
#include "numeric/cp932_text.h"

namespace morven::host {
namespace {

using exchange::ExchangeState;

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

void ElementCounts(JsonWriter& json, const ExchangeSummary& summary) {
  json.Key("elements");
  json.BeginObject();
  for (std::size_t i = 0; i < kElementKindCount; ++i) {
    json.Member(ElementKindName(static_cast<std::int32_t>(i + 1)), summary.ElementCounts[i]);
  }
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

// The fields of each kind of element, before its header.
void Fields(JsonWriter& json, const exchange::LineRecord& r) {
  Segment(json, r.X1, r.Y1, r.X2, r.Y2);
  json.Member("polyline", r.PolylineNumber);
}
void Fields(JsonWriter& json, const exchange::CircleRecord& r) {
  json.Member("x", r.X);
  json.Member("y", r.Y);
  json.Member("r", r.R);
}
void Fields(JsonWriter& json, const exchange::ArcRecord& r) {
  NumberArray(json, "values", r.Values);
}
void Fields(JsonWriter& json, const exchange::TextRecord& r) {
  TextFields(json, r);
}
void Fields(JsonWriter& json, const exchange::PointRecord& r) {
  json.Member("x", r.X);
  json.Member("y", r.Y);
}
void Fields(JsonWriter& json, const exchange::PointExRecord& r) {
  json.Member("kind", r.PointKind);
  json.Member("x", r.X);
  json.Member("y", r.Y);
  json.Member("scale", r.Scale);
  json.Member("angle", r.Angle);
}
void Fields(JsonWriter& json, const exchange::MessageRecord& r) {
  Segment(json, r.Line.X1, r.Line.Y1, r.Line.X2, r.Line.Y2);
  TextFields(json, r.Text);
}
void Fields(JsonWriter& json, const exchange::BlockRecord& r) {
  json.Member("name", numeric::Cp932ToUtf8(r.Name));
  json.Member("x", r.X);
  json.Member("y", r.Y);
}
template <int Corners>
void Fields(JsonWriter& json, const exchange::SlRecord<Corners>& r) {
  NumberArray(json, "corners", r.Coords);
}
void Fields(JsonWriter& json, const exchange::ScRecord& r) {
  NumberArray(json, "values", r.Values);
  json.Member("last", r.Last);
}
void Fields(JsonWriter& json, const exchange::SoRecord& r) {
  NumberArray(json, "values", r.Values);
}

struct DrawingSteps {
  JsonWriter& json;
  void operator()(const AttributeChange& c) const {
    json.BeginObject();
    json.Member("attribute", NamesOf(c.Kind).Json);
    if (c.Kind == exchange::RowKind::kFontName) {
      json.Member("value", numeric::Cp932ToUtf8(c.FontName));
    } else {
      json.Member("value", c.Value);
    }
    if (c.Kind == exchange::RowKind::kTextType && c.Value == 0) {
      FreeText(json, c.TextWidth, c.TextHeight, c.TextGap, c.TextColor);
    }
    json.EndObject();
  }
  template <typename Record>
  void operator()(exchange::ElementKind kind, const Record& record) const {
    json.BeginObject();
    json.Member("element", ElementKindName(kind));
    Fields(json, record);
    Header(json, record.Header);
    json.EndObject();
  }
};

void Drawing(JsonWriter& json, const ExchangeSummary& summary) {
  json.Key("drawing");
  json.BeginArray();
  ForEachStep(summary, DrawingSteps{json});
  json.EndArray();
}

}  // namespace

void PrintSummaryJson(const ExchangeSummary& summary, std::ostream& out) {
  PrintSummaryJson(summary, summary.State, out);
}

void PrintSummaryJson(const ExchangeSummary& answer, const ExchangeState& hostInput,
                      std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.Member("file", answer.Path);
  json.Member("contents", NamesOf(answer.Content).Json);
  json.Member("readToEnd", answer.ReadToEnd);
  HostSettings(json, hostInput);
  InitialAttributes(json, hostInput);
  Points(json, hostInput);
  ElementCounts(json, answer);
  if (answer.Content == ContentKind::kAnswer) Drawing(json, answer);
  json.EndObject();
  out << "\n";
}

}  // namespace morven::host
