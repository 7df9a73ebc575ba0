#pragma once

#include <QIcon>

namespace morven::tool::qt {

// The form's icon at 16 and 32 pixels, from the pixels of tool/form_icon.h.
QIcon FormIcon();

}  // namespace morven::tool::qt
