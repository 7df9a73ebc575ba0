#include "tool/qt/form_desktop.h"

#include <QColor>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "tool/form_desktop.h"
#include "tool/form_layout.h"
#include "tool/form_texts.h"
#include "tool/qt/cp932_qstring.h"

namespace morven::tool::qt {

QFont FormFont() {
  const QString family = FromCp932(kFormFontFamily);
  [[maybe_unused]] static const bool substituted = [&family] {
    QFont::insertSubstitution(family, QStringLiteral("IPAGothic"));
    return true;
  }();
  QFont font(family);
  font.setPixelSize(kFontPixels);
  return font;
}

// The rule keeps the system's text, so only the background is set.
QPalette ChooseFormColours(const QPalette& system) {
  const FormColours colours = tool::ChooseFormColours(system.color(QPalette::WindowText).rgb(),
                                                      system.color(QPalette::Window).rgb(), false);
  QPalette form = system;
  form.setColor(QPalette::Window, QColor::fromRgb(colours.background));
  return form;
}

QIcon FormIcon() {
  QIcon icon;
  for (const int size : kIconSizes) {
    std::vector<std::uint32_t> pixels = FormIconPixels(size);
    for (std::uint32_t& pixel : pixels) pixel |= 0xFF000000u;  // opaque
    const QImage image(reinterpret_cast<const uchar*>(pixels.data()), size, size,
                       QImage::Format_ARGB32);
    icon.addPixmap(QPixmap::fromImage(image.copy()));  // not the buffer, which goes
  }
  return icon;
}

void PlaceUnderPointer(QWidget& window) {
  const QPoint pointer = QCursor::pos();
  const QScreen* screen = QGuiApplication::screenAt(pointer);
  if (screen == nullptr) screen = window.screen();
  std::optional<PixelRect> workArea;
  if (screen != nullptr) {
    const QRect available = screen->availableGeometry();
    workArea = PixelRect{available.x(), available.y(), available.width(), available.height()};
  }
  const QPoint again = QCursor::pos();
  const QRect frame = window.frameGeometry();
  const PixelPoint place =
      tool::PlaceUnderPointer({pointer.x(), pointer.y()}, {again.x(), again.y()},
                              {frame.width(), frame.height()}, workArea);
  window.move(place.x, place.y);
}

}  // namespace morven::tool::qt
