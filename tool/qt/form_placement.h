#pragma once

class QWidget;

namespace morven::tool::qt {

// Moves the window under the mouse pointer by the rule of tool/form_placement.h, reading the
// pointer twice and the usable area of the screen it is on.
void PlaceUnderPointer(QWidget& window);

}  // namespace morven::tool::qt
