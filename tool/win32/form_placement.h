#pragma once

#include <windows.h>

#include "tool/win32/desktop.h"

namespace morven::tool::win32 {

// Moves the window under the pointer by the rule of tool/form_placement.h, with its outer size as
// it is now: the pointer read twice, the work area of the screen under it between the readings.
void MoveUnderCursor(HWND window, const Desktop& desktop);

}  // namespace morven::tool::win32
