#pragma once

#include "tool/win32/gdi_handles.h"

namespace morven::tool::win32 {

// The form's icon painted at `pixels` (16 or 32) square; null when the system refuses.
UniqueIcon PaintFormIcon(int pixels);

}  // namespace morven::tool::win32
