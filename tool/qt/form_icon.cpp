#include "tool/qt/form_icon.h"

#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <vector>

#include "tool/form_icon.h"

namespace morven::tool::qt {

QIcon FormIcon() {
  QIcon icon;
  for (const int size : kIconSizes) {
    const std::vector<std::uint32_t> pixels = FormIconPixels(size);
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        image.setPixel(x, y, 0xFF000000u | pixels[static_cast<std::size_t>(y * size + x)]);
      }
    }
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace morven::tool::qt
