#include "tool/unit1.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <cstddef>
#include <iterator>
#include <optional>

#include "exchange/reader.h"
#include "exchange/write_back.h"
#include "numeric/cp932_text.h"
#include "numeric/float_error.h"
#include "tool/byte_limit_validator.h"
#include "tool/form_placement.h"
#include "tool/form_texts.h"
#include "tool/horizontal_dimension.h"
#include "tool/regional_separators.h"
#include "tool/text_type_list.h"

namespace morven::tool {
namespace {

constexpr int kClientWidth = 312;
constexpr int kClientHeight = 217;
constexpr int kFontPixels = 13;
constexpr int kLabelHeight = 13;
constexpr int kFieldHeight = 21;
constexpr int kButtonHeight = 25;
constexpr int kListItemHeight = 13;
constexpr int kNumberFieldBytes = 16;
constexpr int kAffixFieldBytes = 32;
constexpr const char* kExchangeFileName = "JWC_TEMP.TXT";
// Debian's fontconfig knows no alias for the form's font name.
constexpr const char* kInstalledJapaneseMonospace = "IPAGothic";

class ListItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(kListItemHeight);
    return size;
  }
};

// A dimension line with its two end marks, in two sizes.
QIcon FormIcon() {
  QIcon icon;
  for (const int size : {16, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const int unit = size / 16;
    painter.fillRect(0, 2 * unit, unit, 12 * unit, Qt::black);
    painter.fillRect(15 * unit, 2 * unit, unit, 12 * unit, Qt::black);
    painter.fillRect(unit, 7 * unit, 14 * unit, unit, Qt::darkBlue);
    painter.fillRect(unit, 6 * unit, 2 * unit, 3 * unit, Qt::darkBlue);
    painter.fillRect(13 * unit, 6 * unit, 2 * unit, 3 * unit, Qt::darkBlue);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

QString FromCp932(std::string_view cp932) {
  return QString::fromStdString(numeric::Cp932ToUtf8(cp932));
}

std::string ToCp932(const QString& text) {
  if (std::optional<std::string> bytes = numeric::Utf8ToCp932(text.toStdString())) return *bytes;
  // The fields admit nothing else; should a character slip through, it is left out.
  std::string bytes;
  for (const QChar character : text) {
    bytes += numeric::Utf8ToCp932(QString(character).toStdString()).value_or(std::string());
  }
  return bytes;
}

void RegisterFormFont() {
  static const bool registered = [] {
    QFont::insertSubstitution(FromCp932(kFormFontFamily),
                              QString::fromLatin1(kInstalledJapaneseMonospace));
    return true;
  }();
  (void)registered;
}

TForm1::TForm1(const QString& programFolder, QWidget* parent)
    : QDialog(parent), programFolder_(programFolder) {
  RegisterFormFont();
  if (!programFolder_.isEmpty() && !programFolder_.endsWith(u'/')) programFolder_ += u'/';
  setObjectName(QStringLiteral("Form1"));
  QFont font(FromCp932(kFormFontFamily));
  font.setPixelSize(kFontPixels);
  setFont(font);
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
  setAutoFillBackground(true);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setWindowIcon(FormIcon());
  setWindowTitle(FromCp932(kFormCaption));
}

// The controls are made right after the window has been handed to the X server: the first text
// they lay out loads the fonts, which would otherwise hold the window back. They exist before the
// window's first paint.
void TForm1::BuildControls() {
  if (ComboBox1 != nullptr) return;
  const QLocale locale = QLocale::system();
  separators_ =
      ChooseSeparators(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString());

  AddLabel(kStartMarkCaption, 8, 8, 26);
  AddLabel(kEndMarkCaption, 8, 32, 26);
  AddLabel(kTextTypeCaption, 136, 8, 91);
  AddLabel(kMarkScaleCaption, 8, 60, 52);
  AddLabel(kPrefixCaption, 136, 60, 52);
  AddLabel(kSuffixCaption, 136, 84, 52);
  AddLabel(kTextDistanceCaption, 8, 112, 143);
  AddLabel(kPaperMillimetres, 264, 112, 40);
  AddLabel(kExtensionGapCaption, 8, 136, 156);
  AddLabel(kPaperMillimetres, 264, 136, 40);
  AddLabel(kOvershootCaption, 8, 160, 156);
  AddLabel(kPaperMillimetres, 264, 160, 40);

  ComboBox1 = AddComboBox("ComboBox1", 48, 4, 81, true);
  ComboBox2 = AddComboBox("ComboBox2", 48, 28, 81, true);
  for (QComboBox* marks : {ComboBox1, ComboBox2}) {
    for (const char* mark : kEndMarks) marks->addItem(FromCp932(mark));
    marks->setCurrentIndex(0);
  }
  Edit1 = AddEdit("Edit1", "1", kNumberFieldBytes, false, 72, 56, 57);
  ComboBox3 = AddComboBox("ComboBox3", 136, 28, 169, false);
  Edit2 = AddEdit("Edit2", "", kAffixFieldBytes, true, 200, 56, 105);
  Edit3 = AddEdit("Edit3", "", kAffixFieldBytes, true, 200, 80, 105);
  Edit4 = AddEdit("Edit4", "0.5", kNumberFieldBytes, false, 200, 108, 57);
  Edit5 = AddEdit("Edit5", "2", kNumberFieldBytes, false, 200, 132, 57);
  Edit6 = AddEdit("Edit6", "2", kNumberFieldBytes, false, 200, 156, 57);

  Button1 = new QPushButton(FromCp932(kOkCaption), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(56, 184, 97, kButtonHeight);
  Button1->setDefault(true);
  Button2 = new QPushButton(FromCp932(kCancelCaption), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(176, 184, 129, kButtonHeight);
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);

  QWidget* const tabOrder[] = {ComboBox1, ComboBox2, Edit1, ComboBox3, Edit2,  Edit3,
                               Edit4,     Edit5,     Edit6, Button1,   Button2};
  for (std::size_t i = 0; i + 1 < std::size(tabOrder); ++i) {
    setTabOrder(tabOrder[i], tabOrder[i + 1]);
  }
  for (QObject* child : children()) {
    if (child->isWidgetType()) static_cast<QWidget*>(child)->show();
  }
  ComboBox1->setFocus();
  update();
}

TForm1::~TForm1() = default;

QLabel* TForm1::AddLabel(const char* caption, int left, int top, int width) {
  auto* label = new QLabel(FromCp932(caption), this);
  label->setGeometry(left, top, width, kLabelHeight);
  return label;
}

QLineEdit* TForm1::AddEdit(const char* name, const char* text, int maxBytes, bool inputMethod,
                           int left, int top, int width) {
  auto* edit = new QLineEdit(QString::fromLatin1(text), this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(left, top, width, kFieldHeight);
  edit->setValidator(new ByteLimitValidator(maxBytes, edit));
  edit->setAttribute(Qt::WA_InputMethodEnabled, inputMethod);
  return edit;
}

QComboBox* TForm1::AddComboBox(const char* name, int left, int top, int width, bool inputMethod) {
  auto* combo = new QComboBox(this);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setGeometry(left, top, width, kFieldHeight);
  combo->setItemDelegate(new ListItemDelegate(combo));
  combo->setAttribute(Qt::WA_InputMethodEnabled, inputMethod);
  return combo;
}

QString TForm1::ExchangeFilePath() const {
  return programFolder_ + QString::fromLatin1(kExchangeFileName);
}

void TForm1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shown_) {
    shown_ = true;
    FormShow();
    QTimer::singleShot(0, this, &TForm1::BuildControls);
  }
}

// The exchange file is read once the window is on the screen, so that a large selection does not
// hold the window back; OK reads it first if it comes before that.
void TForm1::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (ComboBox1 != nullptr && !readScheduled_) {
    readScheduled_ = true;
    QTimer::singleShot(0, this, &TForm1::ReadExchange);
  }
}

void TForm1::FormShow() {
  const QPoint cursor = QCursor::pos();
  const QScreen* screen = QGuiApplication::screenAt(cursor);
  if (screen == nullptr) screen = this->screen();
  std::optional<PixelRect> workArea;
  if (screen != nullptr) {
    const QRect available = screen->availableGeometry();
    workArea = PixelRect{available.x(), available.y(), available.width(), available.height()};
  }
  const QPoint again = QCursor::pos();
  const PixelPoint place =
      PlaceUnderCursor({cursor.x(), cursor.y()}, {again.x(), again.y()},
                       {frameGeometry().width(), frameGeometry().height()}, workArea);
  move(place.x, place.y);

  exchange::ResetExchangeState(state_);
  if (programFolder_.isEmpty()) programFolder_ = QCoreApplication::applicationDirPath() + u'/';
}

void TForm1::ReadExchange() {
  if (read_ || closed_) return;
  read_ = true;
  BuildControls();
  exchange::ReadExchangeFile(state_, QFile::encodeName(ExchangeFilePath()).toStdString());
  exchange::ResetCommandWriter(state_);
  ComboBox3->clear();
  for (const std::string& item : TextTypeListItems(state_, separators_)) {
    ComboBox3->addItem(FromCp932(item));
  }
  ComboBox3->setCurrentIndex(0);
}

void TForm1::EnsureExchangeRead() {
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
  ReadExchange();
}

void TForm1::Button1Click() {
  if (closed_) return;
  EnsureExchangeRead();
  DimensionEntries entries;
  entries.startMark = ComboBox1->currentIndex();
  entries.endMark = ComboBox2->currentIndex();
  entries.endMarkScale = ToCp932(Edit1->text());
  entries.textTypeChoice = ComboBox3->currentIndex();
  entries.prefix = ToCp932(Edit2->text());
  entries.suffix = ToCp932(Edit3->text());
  entries.textDistance = ToCp932(Edit4->text());
  entries.extensionGap = ToCp932(Edit5->text());
  entries.overshoot = ToCp932(Edit6->text());

  QLineEdit* invalidField = nullptr;
  try {
    switch (BuildHorizontalDimension(state_, entries, separators_)) {
      case DimensionResult::kBuilt:
        accept();
        return;
      case DimensionResult::kEndMarkScaleNotPositive:
        invalidField = Edit1;
        break;
      case DimensionResult::kExtensionGapNegative:
        invalidField = Edit5;
        break;
      case DimensionResult::kOvershootNegative:
        invalidField = Edit6;
        break;
    }
  } catch (const numeric::FloatingPointError& error) {
    QMessageBox::critical(this, FromCp932(kApplicationTitle), FromCp932(error.what()) + u'.');
    return;
  }
  if (invalidField != nullptr) {
    invalidField->setFocus(Qt::OtherFocusReason);
    invalidField->selectAll();
  }
}

void TForm1::Button2Click() {
  close();
}

void TForm1::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TForm1::FormClose() {
  if (closed_) return;
  closed_ = true;
  if (programFolder_.isEmpty()) programFolder_ = QCoreApplication::applicationDirPath() + u'/';
  exchange::WriteBackExchangeFile(state_, QFile::encodeName(ExchangeFilePath()).toStdString());
  exchange::ReleaseExchangeState(state_);
}

}  // namespace morven::tool
