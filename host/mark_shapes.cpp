#include "host/mark_shapes.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "host/svg_number.h"

namespace morven::host {
namespace {

struct Local {
  double u = 0.0;  // along the outward direction, in mark sizes
  double v = 0.0;  // across it
};

// Mark proportions, in mark sizes.
constexpr double kTriangleHalfBase = 0.3;
constexpr double kSquareHalfSide = 0.25;
constexpr double kLargeCircleRadius = 0.4;
constexpr double kSmallCircleRadius = 0.25;
constexpr double kChevronDepth = 0.6;
constexpr double kSlashHalf = 0.35;

class MarkFrame {
 public:
  MarkFrame(double x, double y, double size, double angle)
      : x_(x),
        y_(y),
        size_(size),
        cos_(std::cos(angle * std::numbers::pi / 180.0)),
        sin_(std::sin(angle * std::numbers::pi / 180.0)) {}

  std::string Point(Local p) const {
    return Num(x_ + size_ * (p.u * cos_ - p.v * sin_)) + "," +
           Num(y_ + size_ * (p.u * sin_ + p.v * cos_));
  }

  std::string Points(const std::vector<Local>& points) const {
    std::string text;
    for (const Local& p : points) text += (text.empty() ? "" : " ") + Point(p);
    return text;
  }

  std::string Length(double r) const { return Num(size_ * r); }
  std::string X() const { return Num(x_); }
  std::string Y() const { return Num(y_); }

  static std::string Num(double v) { return SvgNumber(v); }

 private:
  double x_, y_, size_, cos_, sin_;
};

std::string Open(std::int32_t kind) {
  return "class=\"mark mark-" + std::to_string(kind) + "\" fill=\"none\"";
}

std::string Filled(std::int32_t kind) {
  return "class=\"mark mark-" + std::to_string(kind) + "\" fill=\"currentColor\"";
}

std::string Polygon(const std::string& style, const MarkFrame& f, const std::vector<Local>& pts) {
  return "<polygon " + style + " points=\"" + f.Points(pts) + "\"/>";
}

std::string Polyline(const std::string& style, const MarkFrame& f, const std::vector<Local>& pts) {
  return "<polyline " + style + " points=\"" + f.Points(pts) + "\"/>";
}

std::string Circle(const std::string& style, const MarkFrame& f, double r) {
  return "<circle " + style + " cx=\"" + f.X() + "\" cy=\"" + f.Y() + "\" r=\"" + f.Length(r) +
         "\"/>";
}

}  // namespace

std::string MarkSvg(std::int32_t kind, double x, double y, double size, double angle) {
  const MarkFrame f(x, y, size, angle);
  const std::vector<Local> triangle = {{0, 0}, {-1, kTriangleHalfBase}, {-1, -kTriangleHalfBase}};
  const std::vector<Local> square = {{-kSquareHalfSide, -kSquareHalfSide},
                                     {kSquareHalfSide, -kSquareHalfSide},
                                     {kSquareHalfSide, kSquareHalfSide},
                                     {-kSquareHalfSide, kSquareHalfSide}};
  switch (kind) {
    case 1:
      return Polygon(Open(kind), f, triangle);
    case 2:
      return Polygon(Open(kind), f, square);
    case 3:
      return Circle(Open(kind), f, kLargeCircleRadius);
    case 4:
      return Circle(Open(kind), f, kSmallCircleRadius);
    case 5:
      return Polygon(Filled(kind), f, square);
    case 6:
      return Polygon(Filled(kind), f, triangle);
    case 7:
      return Circle(Filled(kind), f, kSmallCircleRadius);
    case 8:  // a wave across the line
      return "<path " + Open(kind) + " d=\"M" + f.Point({0, -0.4}) + " C" + f.Point({0.25, -0.25}) +
             " " + f.Point({-0.25, 0.05}) + " " + f.Point({0, 0}) + " C" + f.Point({0.25, -0.05}) +
             " " + f.Point({-0.25, 0.25}) + " " + f.Point({0, 0.4}) + "\"/>";
    case 9:
      return Polyline(
          Open(kind), f,
          {{-kChevronDepth, kTriangleHalfBase}, {0, 0}, {-kChevronDepth, -kTriangleHalfBase}});
    case 10:
      return Polyline(Open(kind), f, {{-kSlashHalf, -kSlashHalf}, {kSlashHalf, kSlashHalf}});
    case 11:
      return Polygon(Open(kind), f, {{0, 0}, {1, kTriangleHalfBase}, {1, -kTriangleHalfBase}});
    default:
      return "<path " + Open(kind) + " d=\"M" + f.Point({-0.2, -0.2}) + " L" + f.Point({0.2, 0.2}) +
             " M" + f.Point({-0.2, 0.2}) + " L" + f.Point({0.2, -0.2}) + "\"/>";
  }
}

}  // namespace morven::host
