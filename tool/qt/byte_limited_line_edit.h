#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <cstddef>

namespace morven::tool::qt {

// A line edit held to a limit in Shift_JIS bytes by the rule of tool/byte_limit.h, applied before
// the edit: what is typed, what an input method commits and what is pasted (Ctrl+V, Shift+Insert,
// the context menu, the middle button) is cut to fit and inserted through QLineEdit's own insert,
// so Ctrl+Z takes a cut paste back as it takes back any other. A drop that does not fit is
// refused whole.
// Qt::WA_InputMethodEnabled decides whether an input method may compose in the field: QLineEdit
// itself answers the Qt::ImEnabled query true whatever the attribute says, and fcitx5 and Qt's own
// IBus plugin go by that answer alone.
class ByteLimitedLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  ByteLimitedLineEdit(const QString& text, std::size_t maxBytes, QWidget* parent);

  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Pastes the clipboard's text cut to fit, as one step of the undo history.
  void pasteLimited(QClipboard::Mode mode = QClipboard::Clipboard);

  std::size_t maxBytes_;
};

}  // namespace morven::tool::qt
