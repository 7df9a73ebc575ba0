#pragma once

#include <string>

namespace morven::host {

// A number for an SVG attribute: rounded to a multiple of 1e-10 so that residues of the
// trigonometric functions do not show, in the general number text. Throws HostError for a value
// that is not finite, which a drawing too large for the double range produces.
std::string SvgNumber(double v);

}  // namespace morven::host
