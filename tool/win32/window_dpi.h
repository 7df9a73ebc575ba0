#pragma once

#include <windows.h>

#include "tool/form_scale.h"
#include "tool/pixel_geometry.h"

// What the system says of a window's resolution. The calls that tell it per monitor are looked up
// when the program runs, so that it still starts on systems that lack them.
namespace morven::tool::win32 {

// The window's own resolution where the system tells it per window, else the screen's.
FormScale ScaleOf(HWND window);

// Moves the window's top-left corner to `topLeft` and sizes it so that its client area has that
// size, with its frame as the system draws it at the scale. The frame is measured once it is
// drawn, for a system that draws it at another resolution than it says (Wine).
void SetClientArea(HWND window, PixelPoint topLeft, PixelSize client, FormScale scale);

}  // namespace morven::tool::win32
