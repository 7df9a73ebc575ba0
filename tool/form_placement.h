#pragma once

#include <optional>

#include "tool/pixel_geometry.h"

namespace morven::tool {

// Where the form goes when it opens: centred across its outer width W under the pointer and 4
// pixels above it, left = X - W / 2 from the first cursor reading and top = Y - 4 from the second.
// Only when that would leave part of the window outside `workArea` (the usable area of the
// screen under the pointer) is it moved just enough to lie inside, the top-left corner first.
// (500, 300) with W = 318 gives (341, 296) on a large screen.
PixelPoint PlaceUnderCursor(PixelPoint cursor, PixelPoint cursorAgain, PixelSize frame,
                            std::optional<PixelRect> workArea);

}  // namespace morven::tool
