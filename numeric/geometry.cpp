#include "numeric/geometry.h"

#include <cmath>

#include "numeric/extended_precision.h"
#include "numeric/number_text.h"

namespace morven::numeric {
namespace {

// Below this in both components a vector has no direction; absolute, in drawing units.
constexpr long double kNoDirection = 1e-10L;
constexpr long double kHalfTurnDegrees = 180.0L;

}  // namespace

double PointDistance(double x1, double y1, double x2, double y2) {
  const long double dx = static_cast<long double>(x2) - x1;
  const long double dy = static_cast<long double>(y2) - y1;
  return ToCheckedDouble(std::sqrt(dx * dx + dy * dy));
}

double VectorAngleRad(double dx, double dy) {
  if (std::fabs(static_cast<long double>(dx)) < kNoDirection &&
      std::fabs(static_cast<long double>(dy)) < kNoDirection) {
    return 0.0;
  }
  const double a =
      ToCheckedDouble(std::atan2(static_cast<long double>(dy), static_cast<long double>(dx)));
  if (a < 0) return ToCheckedDouble(kTwoPi + a);
  return a;
}

double VectorAngleDeg(double dx, double dy) {
  const double a = VectorAngleRad(dx, dy);
  const double d = ToCheckedDouble(static_cast<long double>(a) * kHalfTurnDegrees / kPi);
  return RoundTenDecimals(d);
}

Point RotatePointRad(double x, double y, double cx, double cy, double a) {
  const long double c = std::cos(static_cast<long double>(a));
  const long double s = std::sin(static_cast<long double>(a));
  const long double ox = static_cast<long double>(x) - cx;
  const long double oy = static_cast<long double>(y) - cy;
  return {ToCheckedDouble(cx + c * ox - s * oy), ToCheckedDouble(cy + s * ox + c * oy)};
}

Point RotatePointDeg(double x, double y, double cx, double cy, double d) {
  const double a = ToCheckedDouble(static_cast<long double>(d) / kHalfTurnDegrees * kPi);
  return RotatePointRad(x, y, cx, cy, a);
}

}  // namespace morven::numeric
