#pragma once

#include "tool/form_colours.h"

namespace morven::tool::win32 {

// The form's text and background by the rule of tool/form_colours.h, from the system's window
// and window-text colours and its high-contrast setting.
FormColours SchemeColours();

}  // namespace morven::tool::win32
