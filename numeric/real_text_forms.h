#pragma once

#include <string>

// Internal to the numeric module.
namespace morven::numeric {

// The general number text with up to `significant` (1..18) significant digits.
std::string GeneralTextWithDigits(double x, int significant, char decimal);

}  // namespace morven::numeric
