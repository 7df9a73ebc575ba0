#pragma once

#include <QString>
#include <QValidator>
#include <cstddef>

class QLineEdit;

namespace morven::tool::qt {

// Keeps a line edit to the byte limit of tool/byte_limit.h, for typing and pasting alike.
class ByteLimitValidator : public QValidator {
  Q_OBJECT

 public:
  ByteLimitValidator(std::size_t maxBytes, QLineEdit* edit);

  State validate(QString& input, int& pos) const override;

 private:
  std::size_t maxBytes_;
  QString accepted_;  // the edit's text before the change being validated
};

}  // namespace morven::tool::qt
