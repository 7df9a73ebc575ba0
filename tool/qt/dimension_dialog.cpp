#include "tool/qt/dimension_dialog.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <utility>

#include "tool/form_layout.h"
#include "tool/form_texts.h"
#include "tool/qt/cp932_qstring.h"
#include "tool/qt/form_controls.h"
#include "tool/qt/form_desktop.h"

namespace morven::tool::qt {
namespace {

template <typename T>
T* As(QWidget* control) {
  return static_cast<T*>(control);
}

}  // namespace

DimensionDialog::DimensionDialog(std::optional<std::filesystem::path> programFolder,
                                 numeric::Separators separators, QWidget* parent)
    : QDialog(parent), model_(*this, std::move(programFolder), separators) {
  setObjectName(QString::fromLatin1(kFormObjectName));
  setFont(FormFont());
  setPalette(ChooseFormColours(palette()));
  setAutoFillBackground(true);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientSize.width, kClientSize.height);
  setWindowIcon(FormIcon());
  setWindowTitle(FromCp932(kFormCaption));
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &DimensionDialog::End);
}

// The controls are made right after the window has been handed to the X server: the first text
// they lay out loads the fonts, which would otherwise hold the window back. They exist before the
// window's first paint.
void DimensionDialog::BuildControls() {
  // Made in the table's order, which is the tab order of its inputs and buttons.
  for (const ControlSpec& row : FormControls()) {
    QWidget* control = MakeControl(row, *this);
    control->show();
    controls_.push_back(control);
    // A screen reader names the input after its label (Qt labels a list by it on Linux).
    if (row.label) As<QLabel>(Control(*row.label))->setBuddy(control);
    if (row.tabOrder == 0) control->setFocus();
  }
  connect(As<QPushButton>(Control(ControlRole::kOkButton)), &QPushButton::clicked, this,
          [this] { model_.OnOk(); });
  connect(As<QPushButton>(Control(ControlRole::kCancelButton)), &QPushButton::clicked, this,
          &DimensionDialog::reject);
  update();
}

void DimensionDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (std::exchange(shown_, true)) return;
  PlaceUnderPointer(*this);
  QTimer::singleShot(0, this, &DimensionDialog::BuildControls);
}

// The exchange file is read once the window is on the screen, so that a large selection does not
// hold the window back; OK reads it first if it comes before that. Only the first show reads.
void DimensionDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!controls_.empty()) QTimer::singleShot(0, this, [this] { model_.OnShown(); });
}

// Cancel, Esc and the close event of the close box and Alt+F4, which Qt turns into a reject().
void DimensionDialog::reject() {
  model_.OnClose();
}

void DimensionDialog::End() {
  model_.OnProgramEnd();
}

void DimensionDialog::EndWithoutDisplay() {
  displayGone_ = true;
  model_.OnProgramEnd();
}

QWidget* DimensionDialog::Control(ControlRole role) const {
  return controls_[static_cast<std::size_t>(role)];
}

int DimensionDialog::ListChoice(ControlRole list) const {
  return As<QComboBox>(Control(list))->currentIndex();
}

std::string DimensionDialog::FieldText(ControlRole field) const {
  return ToCp932(As<QLineEdit>(Control(field))->text());
}

void DimensionDialog::FillList(ControlRole list, const std::vector<std::string>& items) {
  auto* box = As<QComboBox>(Control(list));
  box->clear();
  for (const std::string& item : items) box->addItem(FromCp932(item));
  box->setCurrentIndex(0);
}

void DimensionDialog::FocusAndSelect(ControlRole field) {
  auto* edit = As<QLineEdit>(Control(field));
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
}

void DimensionDialog::ShowError(const std::string& message) {
  QMessageBox::critical(this, FromCp932(kApplicationTitle), FromCp932(message));
}

bool DimensionDialog::AskRetryOrCancel(const std::string& question) {
  QMessageBox box(QMessageBox::Critical, FromCp932(kApplicationTitle), FromCp932(question),
                  QMessageBox::Retry | QMessageBox::Cancel, this);
  box.button(QMessageBox::Retry)->setText(FromCp932(kRetryCaption));
  box.button(QMessageBox::Cancel)->setText(FromCp932(kBoxCancelCaption));
  box.setDefaultButton(QMessageBox::Retry);
  box.setEscapeButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Retry;
}

// No program holds a file on Linux past its open: this is never reached there.
void DimensionDialog::PauseWhileFileHeld(std::chrono::milliseconds time) {
  QThread::msleep(static_cast<unsigned long>(time.count()));
}

void DimensionDialog::Close() {
  if (!displayGone_) QDialog::done(QDialog::Accepted);
}

}  // namespace morven::tool::qt
