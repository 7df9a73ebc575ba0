#include "tool/qt/cp932_qstring.h"

#include <optional>

#include "numeric/cp932_text.h"

namespace morven::tool::qt {

QString FromCp932(std::string_view cp932) {
  return QString::fromStdString(numeric::Cp932ToUtf8(cp932));
}

std::string ToCp932(const QString& text) {
  if (std::optional<std::string> bytes = numeric::Utf8ToCp932(text.toStdString())) return *bytes;
  std::string bytes;
  for (const QChar character : text) {
    bytes += numeric::Utf8ToCp932(QString(character).toStdString()).value_or(std::string());
  }
  return bytes;
}

}  // namespace morven::tool::qt
