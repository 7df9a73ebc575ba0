#include "tool/qt/form_icon.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

#include "tool/form_icon.h"

namespace morven::tool::qt {

QIcon FormIcon() {
  QIcon icon;
  for (const int size : kIconSizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(QColor::fromRgb(kIconBackgroundRgb));
    QPainter painter(&pixmap);
    const int unit = size / kIconUnits;
    for (const IconRect& rect : kIconRects) {
      painter.fillRect(rect.left * unit, rect.top * unit, rect.width * unit, rect.height * unit,
                       QColor::fromRgb(rect.rgb));
    }
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace morven::tool::qt
