#include "host/svg_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "exchange/exchange_state.h"
#include "host/drawing_walk.h"
#include "host/host_error.h"
#include "host/mark_shapes.h"
#include "host/svg_number.h"
#include "numeric/cp932_text.h"
#include "numeric/geometry.h"

namespace morven::host {
namespace {

using exchange::ExchangeState;

constexpr double kMarkSizeMm = 2.0;  // an end mark of scale 1 on paper
constexpr int kPictureWidthPx = 640;
constexpr double kMarginShare = 0.08;  // of the drawing's extent, on every side
constexpr double kStrokeShare = 0.003;
constexpr double kPointRadiusShare = 0.008;
constexpr double kLabelSizeShare = 0.035;

std::string XmlEscape(std::string_view utf8) {
  std::string out;
  for (char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

class Bounds {
 public:
  void Add(double x, double y) {
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
  }
  bool Empty() const { return minX_ > maxX_; }
  double MinX() const { return minX_; }
  double MaxX() const { return maxX_; }
  double MinY() const { return minY_; }
  double MaxY() const { return maxY_; }

 private:
  double minX_ = std::numeric_limits<double>::infinity();
  double maxX_ = -std::numeric_limits<double>::infinity();
  double minY_ = std::numeric_limits<double>::infinity();
  double maxY_ = -std::numeric_limits<double>::infinity();
};

class Picture {
 public:
  explicit Picture(const ExchangeState& input) : input_(input) {}

  void Draw(const exchange::LineRecord& r) { Line("line", r.X1, r.Y1, r.X2, r.Y2); }
  void Draw(const exchange::MessageRecord& r) {
    Line("dimension-line", r.Line.X1, r.Line.Y1, r.Line.X2, r.Line.Y2);
    Text("dimension-text", r.Text);
  }
  void Draw(const exchange::TextRecord& r) { Text("text", r); }
  void Draw(const exchange::CircleRecord& r) { Circle(r.X, r.Y, r.R); }
  void Draw(const exchange::PointRecord& r) { Point(r.X, r.Y); }
  void Draw(const exchange::PointExRecord& r) { Mark(r); }
  // Other kinds are not part of an answer of this program.
  template <typename Record>
  void Draw(const Record&) {}

  void PickedPoints() {
    for (std::size_t n = 1; n < input_.HpPoints.size(); ++n) {
      const auto& p = input_.HpPoints[n];
      if (!p.Defined) continue;
      picked_.push_back({n, p.X, p.Y});
      bounds_.Add(p.X, p.Y);
    }
  }

  std::string Finish() const;

 private:
  void Line(const char* cls, double x1, double y1, double x2, double y2) {
    body_ += "<line class=\"" + std::string(cls) + "\" x1=\"" + SvgNumber(x1) + "\" y1=\"" +
             SvgNumber(y1) + "\" x2=\"" + SvgNumber(x2) + "\" y2=\"" + SvgNumber(y2) + "\"/>\n";
    bounds_.Add(x1, y1);
    bounds_.Add(x2, y2);
  }

  void Circle(double x, double y, double r) {
    body_ += "<circle class=\"circle\" cx=\"" + SvgNumber(x) + "\" cy=\"" + SvgNumber(y) +
             "\" r=\"" + SvgNumber(r) + "\"/>\n";
    bounds_.Add(x - r, y - r);
    bounds_.Add(x + r, y + r);
  }

  void Point(double x, double y) {
    points_.push_back({x, y});
    bounds_.Add(x, y);
  }

  void Text(const char* cls, const exchange::TextRecord& t) {
    double w = t.Width, h = t.Height, d = t.Gap;
    if (t.TextType >= 1 && t.TextType <= exchange::kTextTypeCount) {
      const auto& type = input_.TextTypes[static_cast<std::size_t>(t.TextType - 1)];
      w = type.Width;
      h = type.Height;
      d = type.Gap;
    }
    const double s = ScaleOf(t.Header);
    const double length = numeric::TextDrawnLength(t.Text, w, d) * s;
    const double height = h * s;
    const double angle = std::atan2(t.DirY, t.DirX);
    const double ux = std::cos(angle), uy = std::sin(angle);
    body_ += "<text class=\"" + std::string(cls) + "\" transform=\"translate(" + SvgNumber(t.X) +
             " " + SvgNumber(t.Y) + ") rotate(" + SvgNumber(angle * 180.0 / std::numbers::pi) +
             ") scale(1 -1)\" font-size=\"" + SvgNumber(height) +
             "\" fill=\"currentColor\" stroke=\"none\"";
    if (length > 0.0) {
      body_ += " textLength=\"" + SvgNumber(length) + "\" lengthAdjust=\"spacingAndGlyphs\"";
    }
    body_ += ">" + XmlEscape(numeric::Cp932ToUtf8(t.Text)) + "</text>\n";
    bounds_.Add(t.X, t.Y);
    bounds_.Add(t.X + length * ux, t.Y + length * uy);
    bounds_.Add(t.X - height * uy, t.Y + height * ux);
    bounds_.Add(t.X + length * ux - height * uy, t.Y + length * uy + height * ux);
  }

  void Mark(const exchange::PointExRecord& m) {
    const double size =
        kMarkSizeMm * ScaleOf(m.Header) * (m.Scale == 0.0 ? 1.0 : std::fabs(m.Scale));
    marks_ += MarkSvg(m.PointKind, m.X, m.Y, size, m.Angle) + "\n";
    bounds_.Add(m.X - size, m.Y - size);
    bounds_.Add(m.X + size, m.Y + size);
  }

  struct Picked {
    std::size_t Number;
    double X, Y;
  };

  double ScaleOf(const exchange::ElementHeader& h) const {
    const int group = std::clamp(h.LayerGroup, 0, exchange::kLayerGroupCount - 1);
    return input_.LayerGroupScale[static_cast<std::size_t>(group)];
  }

  const ExchangeState& input_;
  Bounds bounds_;
  std::string body_;
  std::string marks_;
  std::vector<std::pair<double, double>> points_;
  std::vector<Picked> picked_;
};

std::string Picture::Finish() const {
  Bounds b = bounds_;
  if (b.Empty()) b.Add(0, 0);
  double extent = std::max(b.MaxX() - b.MinX(), b.MaxY() - b.MinY());
  if (!std::isfinite(extent)) throw HostError("the drawing is too large to draw");
  if (extent <= 0.0) extent = std::max({1.0, std::fabs(b.MinX()), std::fabs(b.MinY())});
  const double margin = extent * kMarginShare;
  const double stroke = extent * kStrokeShare;
  const double radius = extent * kPointRadiusShare;
  const double label = extent * kLabelSizeShare;
  const double viewX = b.MinX() - margin, viewW = b.MaxX() - b.MinX() + 2 * margin;
  const double viewY = -(b.MaxY() + margin), viewH = b.MaxY() - b.MinY() + 2 * margin;
  if (!std::isfinite(viewW) || !std::isfinite(viewH)) {
    throw HostError("the drawing is too large to draw");
  }
  const long heightPx = std::max(1L, std::lround(kPictureWidthPx * viewH / viewW));

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(kPictureWidthPx) +
         "\" height=\"" + std::to_string(heightPx) + "\" viewBox=\"" + SvgNumber(viewX) + " " +
         SvgNumber(viewY) + " " + SvgNumber(viewW) + " " + SvgNumber(viewH) + "\">\n";
  svg += "<rect class=\"background\" x=\"" + SvgNumber(viewX) + "\" y=\"" + SvgNumber(viewY) +
         "\" width=\"" + SvgNumber(viewW) + "\" height=\"" + SvgNumber(viewH) +
         "\" fill=\"white\"/>\n";
  svg +=
      "<g class=\"drawing\" transform=\"scale(1 -1)\" fill=\"none\" stroke=\"#1a1a1a\" "
      "stroke-width=\"" +
      SvgNumber(stroke) +
      "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" "
      "font-family=\"IPAGothic, sans-serif\">\n";
  svg += "<g class=\"elements\" color=\"#0b4f9c\">\n" + body_ + "</g>\n";
  svg += "<g class=\"marks\" color=\"#0b4f9c\" stroke=\"currentColor\">\n" + marks_ + "</g>\n";
  for (const auto& [x, y] : points_) {
    svg += "<circle class=\"point\" cx=\"" + SvgNumber(x) + "\" cy=\"" + SvgNumber(y) + "\" r=\"" +
           SvgNumber(radius / 2) + "\" fill=\"#1a1a1a\"/>\n";
  }
  svg += "<g class=\"picked-points\" stroke=\"#c01818\">\n";
  for (const Picked& p : picked_) {
    svg += "<circle class=\"picked-point\" cx=\"" + SvgNumber(p.X) + "\" cy=\"" + SvgNumber(p.Y) +
           "\" r=\"" + SvgNumber(radius) + "\"/>\n";
    svg += "<text class=\"point-number\" transform=\"translate(" + SvgNumber(p.X + radius * 1.5) +
           " " + SvgNumber(p.Y + radius * 1.5) + ") scale(1 -1)\" font-size=\"" + SvgNumber(label) +
           "\" fill=\"#c01818\" stroke=\"none\">" + std::to_string(p.Number) + "</text>\n";
  }
  svg += "</g>\n</g>\n</svg>\n";
  return svg;
}

}  // namespace

std::string DrawAnswerSvg(const ExchangeState& hostInput, const ExchangeState& answer) {
  Picture picture(hostInput);
  picture.PickedPoints();
  ForEachElement(answer,
                 [&picture](exchange::ElementKind, const auto& record) { picture.Draw(record); });
  return picture.Finish();
}

}  // namespace morven::host
