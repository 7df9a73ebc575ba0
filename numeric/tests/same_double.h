#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace morven::numeric {

// Exact equality that also tells -0.0 from 0.0, printing all 17 digits on failure.
inline ::testing::AssertionResult SameDouble(std::string_view input, double expected,
                                             double actual) {
  const bool same = (expected == actual && std::signbit(expected) == std::signbit(actual)) ||
                    (std::isnan(expected) && std::isnan(actual));
  if (same) return ::testing::AssertionSuccess();
  char text[160];
  std::snprintf(text, sizeof text, "input %.*s: expected %.17g, actual %.17g",
                static_cast<int>(input.size()), input.data(), expected, actual);
  return ::testing::AssertionFailure() << text;
}

// Equality within `ulps` units in the last place, for results that carry rounding noise.
inline ::testing::AssertionResult NearDouble(std::string_view input, double expected, double actual,
                                             int ulps) {
  double low = expected;
  double high = expected;
  for (int i = 0; i < ulps; ++i) {
    low = std::nextafter(low, -INFINITY);
    high = std::nextafter(high, INFINITY);
  }
  if (actual >= low && actual <= high) return ::testing::AssertionSuccess();
  char text[160];
  std::snprintf(text, sizeof text, "input %.*s: expected %.17g within %d ulps, actual %.17g",
                static_cast<int>(input.size()), input.data(), expected, ulps, actual);
  return ::testing::AssertionFailure() << text;
}

}  // namespace morven::numeric
