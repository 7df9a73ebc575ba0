#include "tool/qt/cp932_qstring.h"

#include "numeric/cp932_text.h"

namespace morven::tool::qt {

QString FromCp932(std::string_view cp932) {
  return QString::fromStdString(numeric::Cp932ToUtf8(cp932));
}

std::string ToCp932(const QString& text) {
  return numeric::Utf8ToCp932Dropping(text.toStdString());
}

}  // namespace morven::tool::qt
