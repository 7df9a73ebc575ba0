#include "tool/byte_limit_validator.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <string>

#include "numeric/cp932_text.h"

namespace morven::tool {
namespace {

// Length in UTF-16 units of the character at `i`, so that a cut never splits a surrogate pair.
qsizetype CharacterLength(const QString& text, qsizetype i) {
  return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2
                                                                                                : 1;
}

}  // namespace

int Cp932ByteCount(const QString& text) {
  const std::optional<std::string> bytes = numeric::Utf8ToCp932(text.toStdString());
  return bytes ? static_cast<int>(bytes->size()) : -1;
}

ByteLimitValidator::ByteLimitValidator(int maxBytes, QLineEdit* edit)
    : QValidator(edit), maxBytes_(maxBytes), accepted_(edit->text()) {
  connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
}

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const {
  const int bytes = Cp932ByteCount(input);
  if (bytes >= 0 && bytes <= maxBytes_) return Acceptable;

  // What changed is what lies between the common head and the common tail of the two texts.
  qsizetype head = 0;
  const qsizetype shorter = std::min(input.size(), accepted_.size());
  while (head < shorter && input.at(head) == accepted_.at(head)) ++head;
  if (head > 0 && input.at(head - 1).isHighSurrogate()) --head;
  qsizetype tail = 0;
  while (tail < shorter - head &&
         input.at(input.size() - 1 - tail) == accepted_.at(accepted_.size() - 1 - tail)) {
    ++tail;
  }
  if (tail > 0 && input.at(input.size() - tail).isLowSurrogate()) --tail;

  const QString before = input.left(head);
  const QString after = input.right(tail);
  const int kept = Cp932ByteCount(before + after);
  if (kept < 0) return Invalid;
  int budget = maxBytes_ - kept;

  const QString inserted = input.mid(head, input.size() - head - tail);
  QString fitting;
  for (qsizetype i = 0; i < inserted.size();) {
    const qsizetype length = CharacterLength(inserted, i);
    const QString character = inserted.mid(i, length);
    i += length;
    const int size = Cp932ByteCount(character);
    if (size < 0) continue;
    if (size > budget) break;
    fitting += character;
    budget -= size;
  }
  if (fitting.isEmpty()) return Invalid;

  input = before + fitting + after;
  pos = static_cast<int>(before.size() + fitting.size());
  return Acceptable;
}

}  // namespace morven::tool
