#include "tool/qt/form_font.h"

#include "tool/form_layout.h"
#include "tool/form_texts.h"
#include "tool/qt/cp932_qstring.h"

namespace morven::tool::qt {

QFont FormFont() {
  const QString family = FromCp932(kFormFontFamily);
  static const bool substituted = [&family] {
    QFont::insertSubstitution(family, QStringLiteral("IPAGothic"));
    return true;
  }();
  (void)substituted;
  QFont font(family);
  font.setPixelSize(kFontPixels);
  return font;
}

}  // namespace morven::tool::qt
