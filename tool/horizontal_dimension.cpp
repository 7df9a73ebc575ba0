#include "tool/horizontal_dimension.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "exchange/command_writer.h"
#include "exchange/exchange_state.h"
#include "numeric/extended_precision.h"
#include "numeric/float_error.h"
#include "numeric/geometry.h"
#include "numeric/number_text.h"
#include "numeric/shift_jis.h"

namespace morven::tool {
namespace {

using exchange::ExchangeState;
using numeric::Point;
using numeric::ToCheckedDouble;

constexpr std::int32_t kNoMapping = 0;
constexpr std::uint8_t kEntityFlags = 4;  // written as "z3" before each extension line and mark
constexpr int kValueDecimals = 3;
constexpr int kHalvesAwayFromZero = 2;
constexpr double kDirectionLength = 10.0;
// A prefix or suffix of nothing but blanks and control characters counts as none at all.
std::string Affix(std::string_view typed) {
  std::string text = numeric::WithoutLineBreaks(typed);
  if (numeric::StripBlanks(text).empty()) text.clear();
  return text;
}

// The entries once read and validated; distances still in paper mm.
struct Request {
  std::int32_t startMark = 1;
  std::int32_t endMark = 1;
  double markScale = 1.0;
  int textTypeChoice = 0;
  std::string prefix;
  std::string suffix;
  double textDistance = 0.0;
  double extensionGap = 0.0;
  double overshoot = 0.0;
};

// A missing point (or a state that was never reset) counts as (0, 0).
Point IndicatedPoint(const ExchangeState& state, std::size_t number) {
  if (number >= state.HpPoints.size()) return Point{};
  return Point{state.HpPoints[number].X, state.HpPoints[number].Y};
}

double CurrentLayerGroupScale(const ExchangeState& state) {
  const std::int32_t group = state.InitialLayerGroup;
  if (group < 0 || group >= exchange::kLayerGroupCount) return state.LayerGroupScale[0];
  return state.LayerGroupScale[static_cast<std::size_t>(group)];
}

// One extension line, from `start` near the measured point to `end` beyond the dimension line,
// and `foot`, where it crosses the dimension line.
struct ExtensionLine {
  Point start, end, foot;
};

// Worked out in the frame in which the direction `angle` through `measured` is horizontal; each
// line runs towards the dimension line on its own side.
ExtensionLine ExtensionLineAt(Point measured, Point onDimensionLine, double angle, double gap,
                              double overshoot) {
  const double lineHeight =
      numeric::RotatePointDeg(onDimensionLine.x, onDimensionLine.y, measured.x, measured.y, -angle)
          .y;
  const double side = lineHeight >= measured.y ? 1.0 : -1.0;
  const auto turnBack = [&](double height) {
    return numeric::RotatePointDeg(measured.x, height, measured.x, measured.y, angle);
  };
  return ExtensionLine{turnBack(ToCheckedDouble(measured.y + side * gap)),
                       turnBack(ToCheckedDouble(lineHeight + side * overshoot)),
                       turnBack(lineHeight)};
}

struct TextStyle {
  std::int32_t type = 1;
  std::int32_t color = 0;
  double width = 0.0, height = 0.0, gap = 0.0;
};

TextStyle ChosenTextStyle(const ExchangeState& state, int choice) {
  std::int32_t type = choice;
  if (choice < 1 || choice > exchange::kTextTypeCount) {
    type = state.InitialTextType;
    if (type == 0) {
      return TextStyle{0, state.InitialTextColor, state.InitialTextWidth, state.InitialTextHeight,
                       state.InitialTextGap};
    }
    if (type < 1 || type > exchange::kTextTypeCount) type = 1;
  }
  const exchange::TextTypeInfo& info = state.TextTypes[static_cast<std::size_t>(type - 1)];
  return TextStyle{type, info.Color, info.Width, info.Height, info.Gap};
}

// (10 cos a, 10 sin a), the angle turned into radians the way the geometry module does it.
Point TextDirection(double angleDeg) {
  const auto radians = static_cast<double>(angleDeg / 180.0L * numeric::kPi);
  return Point{ToCheckedDouble(kDirectionLength * std::cos(static_cast<long double>(radians))),
               ToCheckedDouble(kDirectionLength * std::sin(static_cast<long double>(radians)))};
}

void EmitDimension(ExchangeState& state, const Request& request, numeric::Separators separators) {
  using namespace morven::exchange;
  SetLayerGroup(state, state.InitialLayerGroup);
  SetLayer(state, state.InitialLayer);
  SetLineColor(state, state.InitialLineColor, kNoMapping);
  SetPnColor(state, state.InitialLineColor, kNoMapping);  // the line colour is the pen number
  SetLineType(state, state.InitialLineType, kNoMapping);
  SetLineWidth(state, state.InitialLineWidth);
  SetFontName(state, state.InitialFontName);

  const double scale = CurrentLayerGroupScale(state);
  const double textDistance = ToCheckedDouble(request.textDistance * scale);
  const double gap = ToCheckedDouble(request.extensionGap * scale);
  const double overshoot = ToCheckedDouble(request.overshoot * scale);

  const Point p1 = IndicatedPoint(state, 1);
  const Point p2 = IndicatedPoint(state, 2);
  const Point p3 = IndicatedPoint(state, 3);
  const double angle = state.HkAngle;

  const ExtensionLine line1 = ExtensionLineAt(p1, p3, angle, gap, overshoot);
  PutEntityFlags(state, kEntityFlags);
  PutLine(state, line1.start.x, line1.start.y, line1.end.x, line1.end.y);
  const ExtensionLine line2 = ExtensionLineAt(p2, p3, angle, gap, overshoot);
  PutEntityFlags(state, kEntityFlags);
  PutLine(state, line2.start.x, line2.start.y, line2.end.x, line2.end.y);
  const Point f1 = line1.foot;
  const Point f2 = line2.foot;

  const TextStyle style = ChosenTextStyle(state, request.textTypeChoice);
  const double length = ToCheckedDouble(numeric::PointDistance(f1.x, f1.y, f2.x, f2.y));
  const double rounded = numeric::RoundDecimals(kValueDecimals, kHalvesAwayFromZero, length);
  const std::string text =
      request.prefix + numeric::RealToText(kValueDecimals, rounded, separators) + request.suffix;

  const double drawnLength = numeric::TextDrawnLength(text, style.width, style.gap);
  const Point offset = numeric::RotatePointDeg(
      ToCheckedDouble(-ToCheckedDouble(drawnLength * scale) / 2), textDistance, 0.0, 0.0, angle);
  const Point textStart{ToCheckedDouble(ToCheckedDouble(f1.x + f2.x) / 2 + offset.x),
                        ToCheckedDouble(ToCheckedDouble(f1.y + f2.y) / 2 + offset.y)};
  const Point direction = TextDirection(angle);

  SetTextType(state, style.type, style.color, kNoMapping, style.width, style.height, style.gap);
  PutDimensionText(state, text, f1.x, f1.y, f2.x, f2.y, textStart.x, textStart.y, direction.x,
                   direction.y);

  // Each mark points outwards, away from the other end.
  const double startAngle =
      numeric::VectorAngleDeg(ToCheckedDouble(f1.x - f2.x), ToCheckedDouble(f1.y - f2.y));
  PutEntityFlags(state, kEntityFlags);
  PutMarkPoint(state, request.startMark, f1.x, f1.y, request.markScale, startAngle);
  const double endAngle =
      numeric::VectorAngleDeg(ToCheckedDouble(f2.x - f1.x), ToCheckedDouble(f2.y - f1.y));
  PutEntityFlags(state, kEntityFlags);
  PutMarkPoint(state, request.endMark, f2.x, f2.y, request.markScale, endAngle);

  SetTextType(state, state.InitialTextType, state.InitialTextColor, kNoMapping,
              state.InitialTextWidth, state.InitialTextHeight, state.InitialTextGap);
}

}  // namespace

DimensionResult BuildHorizontalDimension(ExchangeState& state, const DimensionEntries& entries,
                                         numeric::Separators separators) {
  Request request;
  request.startMark = entries.startMark + 1;
  request.endMark = entries.endMark + 1;
  request.markScale = numeric::TextToReal(entries.endMarkScale);
  request.textTypeChoice = entries.textTypeChoice;
  request.prefix = Affix(entries.prefix);
  request.suffix = Affix(entries.suffix);
  request.textDistance = numeric::TextToReal(entries.textDistance);
  request.extensionGap = numeric::TextToReal(entries.extensionGap);
  request.overshoot = numeric::TextToReal(entries.overshoot);

  if (!(request.markScale > 0.0)) return DimensionResult::kEndMarkScaleNotPositive;
  if (request.extensionGap < 0.0) return DimensionResult::kExtensionGapNegative;
  if (request.overshoot < 0.0) return DimensionResult::kOvershootNegative;

  // All or nothing: a build that fails half-way leaves the writer as it found it.
  const exchange::CommandWriterMemory writerBefore = state;
  const std::size_t commandsBefore = state.CommandBuffer.size();
  try {
    EmitDimension(state, request, separators);
  } catch (...) {
    static_cast<exchange::CommandWriterMemory&>(state) = writerBefore;
    state.CommandBuffer.Truncate(commandsBefore);
    throw;
  }
  return DimensionResult::kBuilt;
}

}  // namespace morven::tool
