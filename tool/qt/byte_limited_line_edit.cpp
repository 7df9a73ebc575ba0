#include "tool/qt/byte_limited_line_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QValidator>
#include <algorithm>
#include <optional>

#include "numeric/cp932_text.h"
#include "tool/byte_limit.h"

namespace morven::tool::qt {
namespace {

// Refuses whatever still goes over the limit by a way the edit does not catch (a drag within the
// field that copies); it never rewrites the text, so the undo history stays the field's own.
class ByteLimitGuard : public QValidator {
 public:
  ByteLimitGuard(std::size_t maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}

  State validate(QString& input, int&) const override {
    return numeric::Utf16ToCp932Dropping(input.toStdU16String()).size() <= maxBytes_ ? Acceptable
                                                                                     : Invalid;
  }

 private:
  std::size_t maxBytes_;
};

TextRange Selection(const QLineEdit& edit) {
  if (!edit.hasSelectedText()) {
    const auto caret = static_cast<std::size_t>(edit.cursorPosition());
    return {caret, caret};
  }
  const auto start = static_cast<std::size_t>(edit.selectionStart());
  return {start, start + static_cast<std::size_t>(edit.selectionLength())};
}

bool Types(const QKeyEvent& event) {
  const QString typed = event.text();
  return !typed.isEmpty() && typed.front().isPrint() &&
         !(event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

// QLineEdit ends a step of its undo history whenever the caret moves: moving it away and back,
// selection and all, makes a paste one step of its own, as QLineEdit's own paste is.
void CloseUndoStep(QLineEdit& edit) {
  const int caret = edit.cursorPosition();
  const int away = caret > 0 ? 0 : static_cast<int>(edit.text().size());
  if (away == caret) return;
  const bool selected = edit.hasSelectedText();
  const int start = edit.selectionStart();
  const int length = edit.selectionLength();
  edit.setCursorPosition(away);
  if (!selected) {
    edit.setCursorPosition(caret);
  } else if (caret == start) {
    edit.setSelection(start + length, -length);
  } else {
    edit.setSelection(start, length);
  }
}

// QLineEdit's own menu names its actions by their captions only: "&Paste" in the line edit's
// translation, then a tab and the shortcut.
bool IsPasteAction(const QAction& action) {
  return action.text().section(u'\t', 0, 0) == QCoreApplication::translate("QLineEdit", "&Paste");
}

}  // namespace

ByteLimitedLineEdit::ByteLimitedLineEdit(const QString& text, FieldRule rule, QWidget* parent)
    : QLineEdit(text, parent), rule_(rule) {
  setValidator(new ByteLimitGuard(rule.maxBytes, this));
}

// Asked on every focus change and key; false lets the keys through as typed, and the input method
// stays on for the next field that takes it.
QVariant ByteLimitedLineEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled && !testAttribute(Qt::WA_InputMethodEnabled)) return false;
  return QLineEdit::inputMethodQuery(query);
}

void ByteLimitedLineEdit::pasteLimited(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString clip = QGuiApplication::clipboard()->text(mode);
  if (clip.isEmpty()) return;
  const std::optional<LimitedEdit> edit =
      LimitEdit(text().toStdU16String(), Selection(*this), clip.toStdU16String(), rule_);
  if (!edit) return;
  CloseUndoStep(*this);
  insert(QString::fromStdU16String(edit->inserted));
  CloseUndoStep(*this);
}

void ByteLimitedLineEdit::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
    pasteLimited();
    event->accept();
    return;
  }
  if (!isReadOnly() && Types(*event)) {
    const std::u16string typed = event->text().toStdU16String();
    const std::optional<LimitedEdit> edit =
        LimitEdit(text().toStdU16String(), Selection(*this), typed, rule_);
    if (!edit || edit->inserted != typed) {
      if (edit) insert(QString::fromStdU16String(edit->inserted));
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

// What an input method commits replaces the selection, then `replacementLength` units from the
// caret moved by `replacementStart`, as QLineEdit applies it.
void ByteLimitedLineEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (isReadOnly() || commit.isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const TextRange selection = Selection(*this);
  std::u16string remaining = text().toStdU16String();
  remaining.erase(selection.start, selection.end - selection.start);
  const auto caret = static_cast<long long>(selection.start);
  const auto start = static_cast<std::size_t>(std::clamp<long long>(
      caret + event->replacementStart(), 0, static_cast<long long>(remaining.size())));
  const TextRange replaced{start, start + static_cast<std::size_t>(event->replacementLength())};
  const std::optional<LimitedEdit> edit =
      LimitEdit(remaining, replaced, commit.toStdU16String(), rule_);
  if (edit && edit->inserted == commit.toStdU16String()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent limited(event->preeditString(), event->attributes());
  if (edit) {
    limited.setCommitString(QString::fromStdU16String(edit->inserted), event->replacementStart(),
                            event->replacementLength());
  }
  QLineEdit::inputMethodEvent(&limited);
  event->accept();
}

void ByteLimitedLineEdit::contextMenuEvent(QContextMenuEvent* event) {
  const QPointer<QMenu> menu = createStandardContextMenu();
  if (!menu) return;
  for (QAction* action : menu->actions()) {
    if (!IsPasteAction(*action)) continue;
    action->disconnect(this);
    connect(action, &QAction::triggered, this, [this] { pasteLimited(); });
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void ByteLimitedLineEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && !isReadOnly() &&
      QGuiApplication::clipboard()->supportsSelection()) {
    deselect();
    pasteLimited(QClipboard::Selection);
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

// A drop from elsewhere goes in as a paste does, at the place it is dropped; a move within the
// field changes nothing of what the field holds.
void ByteLimitedLineEdit::dropEvent(QDropEvent* event) {
  if (isReadOnly() || event->source() == this || !event->mimeData()->hasText()) {
    QLineEdit::dropEvent(event);
    return;
  }
  const auto at = static_cast<std::size_t>(cursorPositionAt(event->position().toPoint()));
  const std::optional<LimitedEdit> edit = LimitEdit(
      text().toStdU16String(), {at, at}, event->mimeData()->text().toStdU16String(), rule_);
  if (!edit) {
    event->ignore();
    return;
  }
  QMimeData limited;
  limited.setText(QString::fromStdU16String(edit->inserted));
  QDropEvent drop(event->position(), event->possibleActions(), &limited, event->buttons(),
                  event->modifiers(), event->type());
  CloseUndoStep(*this);
  QLineEdit::dropEvent(&drop);
  CloseUndoStep(*this);
  event->setDropAction(drop.dropAction());
  event->setAccepted(drop.isAccepted());
}

}  // namespace morven::tool::qt
