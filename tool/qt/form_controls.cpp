#include "tool/qt/form_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <cstddef>

#include "tool/qt/byte_limited_line_edit.h"
#include "tool/qt/cp932_qstring.h"

namespace morven::tool::qt {
namespace {

class ListItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(kListItemHeight);
    return size;
  }
};

QWidget* MakeList(const ControlSpec& row, QWidget& form) {
  auto* list = new QComboBox(&form);
  list->setItemDelegate(new ListItemDelegate(list));
  for (const char* item : row.items) list->addItem(FromCp932(item));
  if (list->count() > 0) list->setCurrentIndex(0);
  return list;
}

QWidget* MakeEdit(const ControlSpec& row, QWidget& form) {
  if (row.byteLimit == kNoByteLimit) return new QLineEdit(FromCp932(row.text), &form);
  return new ByteLimitedLineEdit(FromCp932(row.text), RuleOf(row), &form);
}

QWidget* MakeButton(const ControlSpec& row, QWidget& form) {
  auto* button = new QPushButton(FromCp932(row.text), &form);
  // Esc needs no button of its own: the dialog answers it by closing.
  button->setDefault(row.kind == ControlKind::kDefaultButton);
  return button;
}

}  // namespace

QWidget* MakeControl(const ControlSpec& row, QWidget& form) {
  QWidget* control = nullptr;
  switch (row.kind) {
    case ControlKind::kLabel:
      control = new QLabel(FromCp932(row.text), &form);
      break;
    case ControlKind::kDropDownList:
      control = MakeList(row, form);
      break;
    case ControlKind::kEdit:
      control = MakeEdit(row, form);
      break;
    case ControlKind::kDefaultButton:
    case ControlKind::kCancelButton:
      control = MakeButton(row, form);
      break;
  }
  control->setObjectName(QString::fromLatin1(row.objectName));
  PixelSize size{row.rect.width, row.rect.height};
  if (row.kind == ControlKind::kLabel) {
    size = LabelSize(row, control->fontMetrics().horizontalAdvance(FromCp932(row.text)));
  }
  control->setGeometry(row.rect.left, row.rect.top, size.width, size.height);
  // Only what takes typing is told; labels and buttons keep Qt's own setting.
  if (row.kind == ControlKind::kDropDownList || row.kind == ControlKind::kEdit) {
    control->setAttribute(Qt::WA_InputMethodEnabled, row.inputMethod);
  }
  return control;
}

}  // namespace morven::tool::qt
