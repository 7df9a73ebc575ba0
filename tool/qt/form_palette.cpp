#include "tool/qt/form_palette.h"

#include <QColor>

#include "tool/form_colours.h"

namespace morven::tool::qt {

QPalette FormPalette(const QPalette& system) {
  // Qt tells no high-contrast scheme apart: the colours decide. The rule keeps the system's text,
  // so only the background is set.
  const FormColours colours = ChooseFormColours(system.color(QPalette::WindowText).rgb(),
                                                system.color(QPalette::Window).rgb(), false);
  QPalette form = system;
  form.setColor(QPalette::Window, QColor::fromRgb(colours.background));
  return form;
}

}  // namespace morven::tool::qt
