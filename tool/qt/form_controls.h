#pragma once

#include "tool/form_layout.h"

class QWidget;

namespace morven::tool::qt {

// The Qt widget for one row of the layout table, made a child of `form`: a label, a drop-down
// list with its opening items and 13-pixel rows, a line edit held to its byte limit, or a push
// button (the default one answers Enter). It carries the row's object name, place and input
// method; it is not shown yet.
QWidget* MakeControl(const ControlSpec& row, QWidget& form);

}  // namespace morven::tool::qt
