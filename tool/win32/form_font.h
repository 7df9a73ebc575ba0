#pragma once

#include "tool/form_scale.h"
#include "tool/win32/gdi_handles.h"

namespace morven::tool::win32 {

// The form's font: "ＭＳ ゴシック", Shift_JIS, regular, 13 pixels high at 96 DPI and scaled with
// the window's resolution.
UniqueFont CreateFormFont(FormScale scale);

}  // namespace morven::tool::win32
