#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace morven::tool {

// Keeps a line edit to what can be written: at most `maxBytes` bytes of Shift_JIS and only
// characters that code page 932 has. A typed character that would not fit is refused; a paste is
// cut at a character boundary so that it fits, and characters without a code are left out.
class ByteLimitValidator : public QValidator {
  Q_OBJECT

 public:
  ByteLimitValidator(int maxBytes, QLineEdit* edit);

  State validate(QString& input, int& pos) const override;

 private:
  int maxBytes_;
  QString accepted_;  // the edit's text before the change being validated
};

// The number of Shift_JIS bytes of `text`, or -1 when code page 932 cannot write it.
int Cp932ByteCount(const QString& text);

}  // namespace morven::tool
