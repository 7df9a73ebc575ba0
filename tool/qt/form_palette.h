#pragma once

#include <QPalette>

namespace morven::tool::qt {

// The system's palette with the form's background by the rule of tool/form_colours.h: the form's
// white where the system's window text reads on it, else the system's own window.
QPalette FormPalette(const QPalette& system);

}  // namespace morven::tool::qt
