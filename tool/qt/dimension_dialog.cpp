#include "tool/qt/dimension_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

#include "tool/form_layout.h"
#include "tool/form_texts.h"
#include "tool/program_folder.h"
#include "tool/qt/cp932_qstring.h"
#include "tool/qt/form_controls.h"
#include "tool/qt/form_font.h"
#include "tool/qt/form_icon.h"
#include "tool/qt/form_palette.h"
#include "tool/qt/form_placement.h"
#include "tool/regional_separators.h"

namespace morven::tool::qt {
namespace {

numeric::Separators UserSeparators() {
  const QLocale locale = QLocale::system();
  return ChooseSeparators(locale.decimalPoint().toStdString(),
                          locale.groupSeparator().toStdString());
}

}  // namespace

DimensionDialog::DimensionDialog(std::optional<std::filesystem::path> programFolder,
                                 QWidget* parent)
    : QDialog(parent),
      model_(programFolder ? std::move(programFolder) : ProgramFolder(), UserSeparators()) {
  setObjectName(QString::fromLatin1(FormObjectName()));
  setFont(FormFont());
  setPalette(FormPalette(palette()));
  setAutoFillBackground(true);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientSize.width, kClientSize.height);
  setWindowIcon(FormIcon());
  setWindowTitle(FromCp932(kFormCaption));
}

DimensionDialog::~DimensionDialog() = default;

// The controls are made right after the window has been handed to the X server: the first text
// they lay out loads the fonts, which would otherwise hold the window back. They exist before the
// window's first paint.
void DimensionDialog::BuildControls() {
  if (startMarkList_ != nullptr) return;
  std::vector<QWidget*> byRole(FormControls().size());
  std::vector<QWidget*> tabStops;  // the table lists them in tab order
  for (const ControlSpec& row : FormControls()) {
    QWidget* control = MakeControl(row, *this);
    control->show();
    byRole[static_cast<std::size_t>(row.role)] = control;
    // A screen reader names the input after its label (Qt labels a list by it on Linux).
    if (row.label) {
      auto* label = static_cast<QLabel*>(byRole[static_cast<std::size_t>(*row.label)]);
      label->setBuddy(control);
    }
    if (row.tabOrder != kNoTabStop) tabStops.push_back(control);
    if (row.role == ControlRole::kOkButton) {
      connect(static_cast<QPushButton*>(control), &QPushButton::clicked, this,
              &DimensionDialog::BuildOnOk);
    } else if (row.role == ControlRole::kCancelButton) {
      connect(static_cast<QPushButton*>(control), &QPushButton::clicked, this, &QDialog::close);
    }
  }
  for (std::size_t i = 0; i + 1 < tabStops.size(); ++i) setTabOrder(tabStops[i], tabStops[i + 1]);

  const auto take = [&byRole]<typename T>(ControlRole role, T*& member) {
    member = static_cast<T*>(byRole[static_cast<std::size_t>(role)]);
  };
  take(ControlRole::kStartMarkList, startMarkList_);
  take(ControlRole::kEndMarkList, endMarkList_);
  take(ControlRole::kTextTypeList, textTypeList_);
  take(ControlRole::kMarkScaleField, markScaleField_);
  take(ControlRole::kPrefixField, prefixField_);
  take(ControlRole::kSuffixField, suffixField_);
  take(ControlRole::kTextDistanceField, textDistanceField_);
  take(ControlRole::kExtensionGapField, extensionGapField_);
  take(ControlRole::kOvershootField, overshootField_);

  tabStops.front()->setFocus();
  update();
}

void DimensionDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  PlaceUnderPointer(*this);
  QTimer::singleShot(0, this, &DimensionDialog::BuildControls);
}

// The exchange file is read once the window is on the screen, so that a large selection does not
// hold the window back; OK reads it first if it comes before that.
void DimensionDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (startMarkList_ != nullptr && !readScheduled_) {
    readScheduled_ = true;
    QTimer::singleShot(0, this, &DimensionDialog::ReadOnFirstShow);
  }
}

void DimensionDialog::ReadOnFirstShow() {
  if (!model_.ReadOnFirstShow(Asker())) {
    if (model_.Closed()) reject();
    return;
  }
  BuildControls();
  textTypeList_->clear();
  for (const std::string& item : model_.TextTypeItems()) textTypeList_->addItem(FromCp932(item));
  textTypeList_->setCurrentIndex(0);
}

DimensionEntries DimensionDialog::Entries() const {
  DimensionEntries entries;
  entries.startMark = startMarkList_->currentIndex();
  entries.endMark = endMarkList_->currentIndex();
  entries.endMarkScale = ToCp932(markScaleField_->text());
  entries.textTypeChoice = textTypeList_->currentIndex();
  entries.prefix = ToCp932(prefixField_->text());
  entries.suffix = ToCp932(suffixField_->text());
  entries.textDistance = ToCp932(textDistanceField_->text());
  entries.extensionGap = ToCp932(extensionGapField_->text());
  entries.overshoot = ToCp932(overshootField_->text());
  return entries;
}

void DimensionDialog::BuildOnOk() {
  ReadOnFirstShow();
  const OkOutcome outcome = model_.BuildOnOk(Entries());
  switch (outcome.kind) {
    case OkOutcome::Kind::kBuilt:
      accept();
      break;
    case OkOutcome::Kind::kRefused:
      FocusRefusedField(outcome.focus);
      break;
    case OkOutcome::Kind::kFailed:
      QMessageBox::critical(this, FromCp932(kApplicationTitle), FromCp932(outcome.message));
      break;
    case OkOutcome::Kind::kIgnored:
      break;
  }
}

void DimensionDialog::FocusRefusedField(ControlRole role) {
  auto* field = findChild<QWidget*>(QString::fromLatin1(ControlFor(role).objectName),
                                    Qt::FindDirectChildrenOnly);
  if (field == nullptr) return;
  field->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
}

RetryAsker DimensionDialog::Asker() {
  return [this](const std::string& question) { return AskToRetry(question); };
}

bool DimensionDialog::AskToRetry(const std::string& question) {
  QMessageBox box(QMessageBox::Critical, FromCp932(kApplicationTitle), FromCp932(question),
                  QMessageBox::Retry | QMessageBox::Cancel, this);
  box.button(QMessageBox::Retry)->setText(FromCp932(kRetryCaption));
  box.button(QMessageBox::Cancel)->setText(FromCp932(kBoxCancelCaption));
  box.setDefaultButton(QMessageBox::Retry);
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Retry;
}

void DimensionDialog::done(int result) {
  model_.WriteBackOnClose(Asker());
  QDialog::done(result);
}

}  // namespace morven::tool::qt
