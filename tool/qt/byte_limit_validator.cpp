#include "tool/qt/byte_limit_validator.h"

#include <QLineEdit>
#include <optional>

#include "tool/byte_limit.h"

namespace morven::tool::qt {

ByteLimitValidator::ByteLimitValidator(std::size_t maxBytes, QLineEdit* edit)
    : QValidator(edit), maxBytes_(maxBytes), accepted_(edit->text()) {
  connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
}

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const {
  const std::optional<LimitedText> limited =
      LimitToBytes(accepted_.toStdU16String(), input.toStdU16String(), maxBytes_);
  if (!limited) return Invalid;
  if (limited->cursor) {
    input = QString::fromStdU16String(limited->text);
    pos = static_cast<int>(*limited->cursor);
  }
  return Acceptable;
}

}  // namespace morven::tool::qt
