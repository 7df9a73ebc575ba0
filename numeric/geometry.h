#pragma once

#include <string_view>

// Plane geometry of the dimension. Angles count counter-clockwise from the positive x axis.
// Results that would leave the double range throw FloatingPointError (Overflow); a NaN argument
// throws it too (Invalid).
namespace morven::numeric {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

double PointDistance(double x1, double y1, double x2, double y2);

// Direction of (dx, dy) in 0..2pi; 0 when both components are below 1e-10 in magnitude.
double VectorAngleRad(double dx, double dy);

// Direction in degrees, 0..360, rounded to a multiple of 1e-10: (1, 1) -> 45 exactly.
double VectorAngleDeg(double dx, double dy);

// (x, y) turned about (cx, cy) counter-clockwise by a radians / d degrees.
Point RotatePointRad(double x, double y, double cx, double cy, double a);
Point RotatePointDeg(double x, double y, double cx, double cy, double d);

// Drawn length of a Shift_JIS text: a full-width character is w wide followed by gap g, a
// half-width one w/2 followed by g/2, no gap after the last character.
double TextDrawnLength(std::string_view text, double w, double g);

}  // namespace morven::numeric
