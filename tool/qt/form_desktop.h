#pragma once

#include <QFont>
#include <QIcon>
#include <QPalette>

class QWidget;

// The form on the user's desktop, in Qt: its font, colours, icon and place.
namespace morven::tool::qt {

// The form's font: "ＭＳ ゴシック" at 13 pixels, regular. Debian's fontconfig knows no alias for
// that name, so it is made to resolve to the installed Japanese monospace font IPAGothic.
QFont FormFont();

// The system's palette with the form's background by the rule of tool/form_desktop.h: the form's
// white where the system's window text reads on it, else the system's own window. Qt tells no
// high-contrast scheme apart: the colours decide.
QPalette ChooseFormColours(const QPalette& system);

// The form's icon at 16 and 32 pixels.
QIcon FormIcon();

// Moves the window under the mouse pointer by the rule of tool/form_desktop.h, reading the
// pointer twice and the usable area of the screen it is on.
void PlaceUnderPointer(QWidget& window);

}  // namespace morven::tool::qt
