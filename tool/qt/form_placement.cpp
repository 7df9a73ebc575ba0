#include "tool/qt/form_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <optional>

#include "tool/form_placement.h"

namespace morven::tool::qt {

void PlaceUnderPointer(QWidget& window) {
  const QPoint cursor = QCursor::pos();
  const QScreen* screen = QGuiApplication::screenAt(cursor);
  if (screen == nullptr) screen = window.screen();
  std::optional<PixelRect> workArea;
  if (screen != nullptr) {
    const QRect available = screen->availableGeometry();
    workArea = PixelRect{available.x(), available.y(), available.width(), available.height()};
  }
  const QPoint again = QCursor::pos();
  const QRect frame = window.frameGeometry();
  const PixelPoint place = PlaceUnderCursor({cursor.x(), cursor.y()}, {again.x(), again.y()},
                                            {frame.width(), frame.height()}, workArea);
  window.move(place.x, place.y);
}

}  // namespace morven::tool::qt
