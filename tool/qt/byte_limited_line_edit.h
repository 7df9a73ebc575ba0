#pragma once

#include <QClipboard>
#include <QLineEdit>

#include "tool/byte_limit.h"

namespace morven::tool::qt {

// A line edit that takes what its field's rule (tool/byte_limit.h) takes of an edit, before the
// edit: what is typed, what an input method commits, what is pasted (Ctrl+V, Shift+Insert, the
// context menu, the middle button) and what is dropped from elsewhere is cut to fit and inserted
// through QLineEdit's own insert, so Ctrl+Z takes a cut paste or drop back as it takes back any
// other.
class ByteLimitedLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  ByteLimitedLineEdit(const QString& text, FieldRule rule, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Pastes the clipboard's text cut to fit, as one step of the undo history.
  void pasteLimited(QClipboard::Mode mode = QClipboard::Clipboard);

  FieldRule rule_;
};

}  // namespace morven::tool::qt
