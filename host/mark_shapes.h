#pragma once

#include <cstdint>
#include <string>

namespace morven::host {

// One end mark as an SVG element in drawing coordinates: the mark stands at (x, y), `size`
// drawing units long, its outward direction at `angle` degrees. Kinds 1 to 11 are the dialog's
// marks: 1 open triangle, 2 open square, 3 large open circle, 4 small open circle, 5 filled
// square, 6 filled triangle, 7 filled circle, 8 tilde, 9 chevron, 10 slash, 11 open triangle
// pointing back; any other kind is a small cross.
std::string MarkSvg(std::int32_t kind, double x, double y, double size, double angle);

}  // namespace morven::host
