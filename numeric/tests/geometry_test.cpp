#include "numeric/geometry.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "numeric/extended_precision.h"
#include "numeric/float_error.h"
#include "numeric/tests/same_double.h"

namespace morven::numeric {
namespace {

constexpr double kPiDouble = 3.141592653589793;
constexpr double kTwoPiDouble = 6.283185307179586;

std::string Args(double a, double b) {
  return std::to_string(a) + ", " + std::to_string(b);
}

TEST(PointDistanceTest, MeasuresEitherWay) {
  EXPECT_TRUE(SameDouble("0,0-3,4", 5.0, PointDistance(0, 0, 3, 4)));
  EXPECT_TRUE(SameDouble("3,4-0,0", 5.0, PointDistance(3, 4, 0, 0)));
  EXPECT_TRUE(SameDouble("equal", 0.0, PointDistance(1.5, -2.5, 1.5, -2.5)));
  EXPECT_TRUE(SameDouble("big", 5e300, PointDistance(0, 0, 3e300, 4e300)));
  EXPECT_TRUE(SameDouble("tiny", 5e-320, PointDistance(0, 0, 3e-320, 4e-320)));
  EXPECT_TRUE(SameDouble("largest", DBL_MAX, PointDistance(-DBL_MAX / 2, 0, DBL_MAX / 2, 0)));
  EXPECT_EQ(PointDistance(1.25, 7.5, -3.0, 2.0), PointDistance(-3.0, 2.0, 1.25, 7.5));
}

TEST(PointDistanceTest, ResultBeyondTheDoubleRangeThrowsOverflow) {
  try {
    PointDistance(-DBL_MAX, 0, DBL_MAX, 0);
    ADD_FAILURE() << "no error";
  } catch (const FloatingPointError& error) {
    EXPECT_EQ(error.kind(), FloatingPointError::Kind::kOverflow);
    EXPECT_STREQ(error.what(), kOverflowMessage);
  }
  EXPECT_THROW(PointDistance(0, 0, INFINITY, 0), FloatingPointError);
  EXPECT_THROW(PointDistance(0, 0, NAN, 0), FloatingPointError);
  // DBL_MAX and half its last place rounds to infinity; the value below it does not.
  constexpr long double kFirstOverflowing = 0x1.fffffffffffff8p1023L;
  EXPECT_THROW(ToCheckedDouble(kFirstOverflowing), FloatingPointError);
  EXPECT_EQ(ToCheckedDouble(std::nextafter(kFirstOverflowing, 0.0L)), DBL_MAX);
}

TEST(VectorAngleRadTest, CoversAllQuadrants) {
  const struct {
    double dx, dy, expected;
  } cases[] = {
      {0, 0, 0.0},
      {5e-11, -5e-11, 0.0},
      {-9.9e-11, 9.9e-11, 0.0},
      {1, 0, 0.0},
      {0, 1, kPiDouble / 2},
      {-1, 0, kPiDouble},
      {0, -1, 4.71238898038469},
      {1, -1e-20, kTwoPiDouble},
      {1e-10, 0, 0.0},
      {0, 1e-10, kPiDouble / 2},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(SameDouble(Args(c.dx, c.dy), c.expected, VectorAngleRad(c.dx, c.dy)));
  }
}

TEST(VectorAngleDegTest, GivesWholeDegreesOnAxesAndDiagonals) {
  const struct {
    double dx, dy, expected;
  } cases[] = {
      {1, 0, 0.0},           {1, 1, 45.0},       {0, 1, 90.0},
      {-1, 1, 135.0},        {-1, 0, 180.0},     {-1, -1, 225.0},
      {0, -1, 270.0},        {1, -1, 315.0},     {1, std::sqrt(3.0), 60.0},
      {3, 4, 53.1301023542}, {1, -1e-20, 360.0}, {1e-11, 1e-9, 89.4270613023},
      {0, 0, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(SameDouble(Args(c.dx, c.dy), c.expected, VectorAngleDeg(c.dx, c.dy)));
  }
}

TEST(RotatePointTest, TurnsCounterClockwiseAboutTheCentre) {
  const Point quarter = RotatePointDeg(2, 1, 1, 1, 90);
  EXPECT_TRUE(NearDouble("x of (2,1) by 90 about (1,1)", 1.0, quarter.x, 4));
  EXPECT_TRUE(NearDouble("y of (2,1) by 90 about (1,1)", 2.0, quarter.y, 4));

  const Point full = RotatePointDeg(2.5, -1.25, 0.5, 0.25, 360);
  EXPECT_TRUE(NearDouble("x by 360", 2.5, full.x, 4));
  EXPECT_TRUE(NearDouble("y by 360", -1.25, full.y, 4));

  const Point none = RotatePointDeg(100.000001, 200.000002, 100, 200, 0);
  EXPECT_TRUE(SameDouble("x by 0", 100.000001, none.x));
  EXPECT_TRUE(SameDouble("y by 0", 200.000002, none.y));

  // Not snapped: cos of the double nearest pi/2 is about 6e-17.
  const Point axis = RotatePointDeg(1, 0, 0, 0, 90);
  EXPECT_GT(axis.x, 5e-17);
  EXPECT_LT(axis.x, 7e-17);
  EXPECT_TRUE(SameDouble("y of (1,0) by 90", 1.0, axis.y));

  const Point half = RotatePointRad(3, 4, 0, 0, kPiDouble);
  EXPECT_TRUE(NearDouble("x by pi", -3.0, half.x, 1));
  EXPECT_TRUE(NearDouble("y by pi", -4.0, half.y, 1));
}

TEST(RotatePointTest, ForthAndBackReturnsThePoint) {
  const double angles[] = {0.5, 17.25, -33.0, 90.0, 123.456, 359.9};
  for (const double d : angles) {
    const Point there = RotatePointDeg(1234.5, -678.25, 10, 20, d);
    const Point back = RotatePointDeg(there.x, there.y, 10, 20, -d);
    EXPECT_TRUE(NearDouble("x back " + std::to_string(d), 1234.5, back.x, 8));
    EXPECT_TRUE(NearDouble("y back " + std::to_string(d), -678.25, back.y, 8));
  }
}

TEST(RotatePointTest, ResultBeyondTheDoubleRangeThrowsOverflow) {
  EXPECT_THROW(RotatePointDeg(DBL_MAX, DBL_MAX, 0, 0, 45), FloatingPointError);
  EXPECT_THROW(RotatePointRad(DBL_MAX, 0, -DBL_MAX, 0, 1.0), FloatingPointError);
  EXPECT_THROW(RotatePointDeg(1, 1, 0, 0, NAN), FloatingPointError);
}

}  // namespace
}  // namespace morven::numeric
