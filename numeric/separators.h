#pragma once

namespace morven::numeric {

// The user's regional number separators, one byte each. The numeric module never reads the
// locale itself: the dialog supplies them, everything else uses the defaults.
struct Separators {
  char decimal = '.';
  char thousands = ',';
};

}  // namespace morven::numeric
