// The Qt view in its real window: what it shows and what typing, pasting and input methods do
// there, and the primitives the dialog's conversation uses. The conversation itself is tested
// against a fake view in the core.
#include "tool/qt/dimension_dialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "tool/form_layout.h"
#include "tool/qt/cp932_qstring.h"
#include "tool/qt/system_settings.h"

using morven::tool::ControlRole;
using morven::tool::qt::DimensionDialog;

namespace {

// The worked example as the host writes it: angle 0, scale 100, points (0,0), (1000,0), (500,500).
const QByteArray kHostFile =
    "hk 0\r\nhs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nhcw 2.5 3 3 3 3 3 3 3 3 3\r\n"
    "lg0\r\nly0\r\nlc1\r\nlt1\r\nlw0\r\ncn1\r\nhp1 0 0\r\nhp2 1000 0\r\nhp3 500 500\r\n";
const QByteArray kWorkedExampleAnswer =
    "lg0\r\nly0\r\nlc1\r\npn1\r\nlt1\r\nlw0\r\ncn\"$\r\nz3\r\n0 200 0 700\r\nz3\r\n"
    "1000 200 1000 700\r\ncn1\r\nmsg\r\n0 500 1000 500\r\ncs -62.5 550 10 0 \"1,000.000\r\n"
    "z3\r\npt 0 500 1 180 1\r\nz3\r\npt 1000 500 1 0 1\r\n";

// Types each character as the keyboard would deliver it, Japanese ones included.
void Type(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

// What the modal box that comes up next shows, answered with `button`.
struct BoxSeen {
  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;  // the default one first
  bool escapeCancels = false;
};

// `first` runs once the box is up, before its button is pressed.
std::unique_ptr<QTimer> AnswerNextBox(BoxSeen& seen, QMessageBox::StandardButton button,
                                      std::function<void()> first = {}) {
  auto timer = std::make_unique<QTimer>();
  QObject::connect(timer.get(), &QTimer::timeout, [&seen, button, first] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (first) first();
    seen = {box->windowTitle(), box->text(), box->icon(), {}, false};
    if (box->defaultButton() != nullptr) seen.buttons << box->defaultButton()->text();
    for (QAbstractButton* other : box->buttons()) {
      if (other != box->defaultButton()) seen.buttons << other->text();
    }
    seen.escapeCancels = box->escapeButton() == box->button(QMessageBox::Cancel);
    box->button(button)->click();
  });
  timer->start(10);
  return timer;
}

}  // namespace

class DimensionDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();
  void layout();
  void formColoursFromTheScheme_data();
  void formColoursFromTheScheme();
  void endMarkLists();
  void everyInputNamedByItsLabel();
  void tabOrderAndStartValues();
  void entriesAreCutToFit_data();
  void entriesAreCutToFit();
  void everyControlIsReadByItsRole();
  void theConversationsPrimitives();
  void boxesSayItInJapanese();
  void everyWayOfClosingAnswers_data();
  void everyWayOfClosingAnswers();
  void opensUnderThePointerOnce();
  void systemSettings();

 private:
  // A shown dialog over a folder holding `hostFile`, its file already read.
  std::unique_ptr<DimensionDialog> OpenForm(const QByteArray& hostFile = kHostFile);
  QByteArray Answer() const;
  template <typename T>
  T* Child(const DimensionDialog& form, const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("no child %s", name);
    return child;
  }
  template <typename T>
  T* Control(const DimensionDialog& form, ControlRole role) {
    return qobject_cast<T*>(form.Control(role));
  }

  std::unique_ptr<QTemporaryDir> folder_;
};

std::unique_ptr<DimensionDialog> DimensionDialogTest::OpenForm(const QByteArray& hostFile) {
  folder_ = std::make_unique<QTemporaryDir>();
  QFile file(folder_->filePath(QStringLiteral("JWC_TEMP.TXT")));
  if (!file.open(QIODevice::WriteOnly) || file.write(hostFile) != hostFile.size()) {
    qFatal("cannot write the exchange file");
  }
  file.close();
  auto form = std::make_unique<DimensionDialog>(
      std::filesystem::path(QFile::encodeName(folder_->path()).toStdString()),
      morven::numeric::Separators{});
  form->show();
  QApplication::setActiveWindow(form.get());  // before its controls are made, as a system may
  // Nothing after this could be trusted otherwise.
  if (!QTest::qWaitForWindowActive(form.get())) qFatal("the dialog did not become active");
  if (!QTest::qWaitFor([&] {
        auto* list = form->findChild<QComboBox*>(QStringLiteral("ComboBox3"));
        return list != nullptr && list->count() == 11;
      })) {
    qFatal("the exchange file was not read: no text types");
  }
  return form;
}

QByteArray DimensionDialogTest::Answer() const {
  QFile file(folder_->filePath(QStringLiteral("JWC_TEMP.TXT")));
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.readAll();
}

void DimensionDialogTest::cleanup() {
  QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void DimensionDialogTest::layout() {
  auto form = OpenForm();
  QCOMPARE(form->objectName(), QStringLiteral("Form1"));
  QCOMPARE(form->windowTitle(), QString::fromUtf8("水平寸法の作図"));
  QCOMPARE(form->size(), QSize(312, 217));
  QCOMPARE(form->minimumSize(), form->maximumSize());
  const Qt::WindowFlags flags = form->windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QVERIFY(form->autoFillBackground());
  QCOMPARE(form->font().pixelSize(), 13);
  if (QFontDatabase::families().contains(QStringLiteral("IPAGothic"))) {
    QCOMPARE(QFontInfo(Child<QWidget>(*form, "Edit1")->font()).family(),
             QStringLiteral("IPAGothic"));
  }
  // The icon as drawn at 16 pixels (# black, = navy, . white); at 32, each pixel two by two.
  const std::string picture =
      "................\n"
      "................\n"
      "#..............#\n"
      "#..............#\n"
      "#..............#\n"
      "#..............#\n"
      "#==..........==#\n"
      "#==============#\n"
      "#==..........==#\n"
      "#..............#\n"
      "#..............#\n"
      "#..............#\n"
      "#..............#\n"
      "#..............#\n"
      "................\n"
      "................\n";
  for (const int size : {16, 32}) {
    const QImage icon = form->windowIcon().pixmap(size).toImage();
    QCOMPARE(icon.size(), QSize(size, size));
    std::string drawn, expected;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const QRgb pixel = icon.pixel(x, y);
        drawn += pixel == 0xFF000000   ? '#'
                 : pixel == 0xFF000080 ? '='
                 : pixel == 0xFFFFFFFF ? '.'
                                       : '?';
        expected += picture[static_cast<std::size_t>(y * 16 / size * 17 + x * 16 / size)];
      }
      drawn += '\n';
      expected += '\n';
    }
    QCOMPARE(drawn, expected);
  }

  // Every control in its place, found by its name, in the table's order. Each label is as wide as
  // the table says, the font fitting in it; the captions of the labels that name an input are
  // checked with the names a screen reader reads, the units' here.
  const std::pair<const char*, QRect> places[] = {
      {"Label6", {8, 8, 26, 13}},       {"ComboBox1", {48, 4, 81, 21}},
      {"Label7", {8, 32, 26, 13}},      {"ComboBox2", {48, 28, 81, 21}},
      {"Label1", {8, 60, 52, 13}},      {"Edit1", {72, 56, 57, 21}},
      {"Label2", {136, 8, 91, 13}},     {"ComboBox3", {136, 28, 169, 21}},
      {"Label11", {136, 60, 52, 13}},   {"Edit2", {200, 56, 105, 21}},
      {"Label12", {136, 84, 52, 13}},   {"Edit3", {200, 80, 105, 21}},
      {"Label3", {8, 112, 143, 13}},    {"Edit4", {200, 108, 57, 21}},
      {"Label4", {264, 112, 40, 13}},   {"Label5", {8, 136, 156, 13}},
      {"Edit5", {200, 132, 57, 21}},    {"Label8", {264, 136, 40, 13}},
      {"Label9", {8, 160, 156, 13}},    {"Edit6", {200, 156, 57, 21}},
      {"Label10", {264, 160, 40, 13}},  {"Button1", {56, 184, 97, 25}},
      {"Button2", {176, 184, 129, 25}},
  };
  QCOMPARE(form->children().size(), std::size(places));
  for (std::size_t role = 0; role < std::size(places); ++role) {
    QWidget* control = Child<QWidget>(*form, places[role].first);
    QCOMPARE(control, form->Control(static_cast<ControlRole>(role)));
    QCOMPARE(control->geometry(), places[role].second);
  }
  for (const char* unit : {"Label4", "Label8", "Label10"}) {
    QCOMPARE(Child<QLabel>(*form, unit)->text(), QString::fromUtf8("図寸mm"));
  }
  form->reject();
}

// The labels stand on the form's white where the scheme's text reads on it, else on the scheme's
// own window; the text is always the scheme's.
void DimensionDialogTest::formColoursFromTheScheme_data() {
  QTest::addColumn<QColor>("text");
  QTest::addColumn<QColor>("window");
  QTest::addColumn<QColor>("background");
  QTest::newRow("navy on cream: the form's white")
      << QColor(0x000080) << QColor(0xFFFDD0) << QColor(Qt::white);
  QTest::newRow("light yellow on navy: its own window")
      << QColor(0xFFFFE0) << QColor(0x000080) << QColor(0x000080);
}

void DimensionDialogTest::formColoursFromTheScheme() {
  QFETCH(QColor, text);
  QFETCH(QColor, window);
  QFETCH(QColor, background);
  const QPalette system = QApplication::palette();
  QPalette scheme = system;
  scheme.setColor(QPalette::Window, window);
  scheme.setColor(QPalette::WindowText, text);
  QApplication::setPalette(scheme);
  auto form = OpenForm();
  const QPalette label = Child<QLabel>(*form, "Label6")->palette();
  QApplication::setPalette(system);
  QCOMPARE(label.color(QPalette::Window), background);
  QCOMPARE(label.color(QPalette::WindowText), text);
  form->reject();
}

// Each input's label is its label to a screen reader: an edit field takes its name from it; a list,
// which Qt names by its current item on Linux, is labelled by it.
void DimensionDialogTest::everyInputNamedByItsLabel() {
  auto form = OpenForm();
  const struct {
    const char* input;
    const char* label;
  } inputs[] = {{"ComboBox1", "始点"},
                {"ComboBox2", "終点"},
                {"ComboBox3", "寸法値の文字種"},
                {"Edit1", "端点倍率"},
                {"Edit2", "接頭文字"},
                {"Edit3", "接尾文字"},
                {"Edit4", "寸法値と水平線との距離"},
                {"Edit5", "計測点と寸法補助線の距離"},
                {"Edit6", "寸法補助線のはみ出し距離"}};
  for (const auto& input : inputs) {
    QWidget* widget = Child<QWidget>(*form, input.input);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    const auto labels = accessible->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.front().first->text(QAccessible::Name), QString::fromUtf8(input.label));
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
      QCOMPARE(accessible->text(QAccessible::Value), list->currentText());
    } else {
      QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(input.label));
    }
  }
  form->reject();
}

void DimensionDialogTest::endMarkLists() {
  auto form = OpenForm();
  const QStringList marks = QString::fromUtf8("△ □ Ｏ ○ ■ ▲ ● ～ ＞ ／ △").split(u' ');
  for (const char* name : {"ComboBox1", "ComboBox2"}) {
    QComboBox* list = Child<QComboBox>(*form, name);
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    QCOMPARE(items, marks);
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(!list->isEditable());
    QCOMPARE(list->view()->sizeHintForRow(0), 13);
  }
  form->reject();
}

void DimensionDialogTest::tabOrderAndStartValues() {
  auto form = OpenForm();
  const QStringList order = {"ComboBox1", "ComboBox2", "Edit1",   "ComboBox3",
                             "Edit2",     "Edit3",     "Edit4",   "Edit5",
                             "Edit6",     "Button1",   "Button2", "ComboBox1"};
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, order);

  const struct {
    const char* name;
    const char* text;
    bool inputMethod;
  } edits[] = {{"Edit1", "1", false},   {"Edit2", "", true},   {"Edit3", "", true},
               {"Edit4", "0.5", false}, {"Edit5", "2", false}, {"Edit6", "2", false}};
  for (const auto& edit : edits) {
    QLineEdit* field = Child<QLineEdit>(*form, edit.name);
    QCOMPARE(field->text(), QString::fromLatin1(edit.text));
    QCOMPARE(field->inputMethodQuery(Qt::ImEnabled).toBool(), edit.inputMethod);
  }
  QVERIFY(!Child<QComboBox>(*form, "ComboBox3")->testAttribute(Qt::WA_InputMethodEnabled));
  QPushButton* ok = Child<QPushButton>(*form, "Button1");
  QPushButton* cancel = Child<QPushButton>(*form, "Button2");
  QVERIFY(ok->isDefault());
  QCOMPARE(ok->text(), QStringLiteral("OK(&Y)"));
  QCOMPARE(cancel->text(), QString::fromUtf8("キャンセル(&N)"));
  form->reject();
}

// Each way into a field goes through the field's rule (tested in the core) before the field takes
// it; then Ctrl+Z takes a cut entry back whole, as one step of the undo history.
void DimensionDialogTest::entriesAreCutToFit_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("before");
  // -1: the field's text selected, to be replaced; -2: the same, selected from its end back
  QTest::addColumn<int>("cursor");
  QTest::addColumn<QString>("entered");
  QTest::addColumn<QString>("after");
  // typing, Ctrl+V, Shift+Insert, the context menu's Paste, an input method's result or a drop
  QTest::addColumn<QString>("how");
  QTest::newRow("typing stops at the limit") << "Edit4"
                                             << "0.5" << -1 << "1234567890.1234567890"
                                             << "1234567890.12345"
                                             << "typing";
  QTest::newRow("typing before the text keeps the cursor there") << "Edit1"
                                                                 << "1" << 0 << "23"
                                                                 << "231"
                                                                 << "typing";
  QTest::newRow("Ctrl+V is cut at a character boundary")
      << "Edit2"
      << "ab" << 2 << QString(40, QChar(0x3042)) << "ab" + QString(15, QChar(0x3042)) << "Ctrl+V";
  QTest::newRow("Ctrl+V that does not fit changes nothing")
      << "Edit2" << QString(32, u'z') << 5 << "q" << QString(32, u'z') << "Ctrl+V";
  QTest::newRow("Ctrl+V over a selection made backwards replaces it") << "Edit6"
                                                                      << "2" << -2 << "3"
                                                                      << "3"
                                                                      << "Ctrl+V";
  QTest::newRow("Shift+Insert in the middle") << "Edit1"
                                              << "1" << 0 << "23456789012345678"
                                              << "2345678901234561"
                                              << "Shift+Insert";
  QTest::newRow("the menu over a selection whose end equals the paste's end")
      << "Edit6"
      << "2" << -1 << "3.141592653589792"
      << "3.14159265358979"
      << "menu";
  QTest::newRow("the menu pastes once") << "Edit1"
                                        << "1" << 1 << "x"
                                        << "1x"
                                        << "menu";
  QTest::newRow("a drop from elsewhere is taken as a paste")
      << "Edit1"
      << "1" << 1 << QString::fromUtf8("２😀３４５６７８９０１２３４５６７８９")
      << "1234567890123456"
      << "drop";
  QTest::newRow("an input method's result is cut like a paste")
      << "Edit2"
      << "ab" << 2 << QString(17, QChar(0x3042)) << "ab" + QString(15, QChar(0x3042))
      << "input method";
  QTest::newRow("an input method's full-width digits in a number field")
      << "Edit4"
      << "0.5" << -1 << QString::fromUtf8("１．５") << "1.5"
      << "input method";
  QTest::newRow("an input method's result over the selection of a full field")
      << "Edit2" << QString(32, u'z') << -1 << QString::fromUtf8("寸法")
      << QString::fromUtf8("寸法") << "input method";
}

void DimensionDialogTest::entriesAreCutToFit() {
  QFETCH(QString, field);
  QFETCH(QString, before);
  QFETCH(int, cursor);
  QFETCH(QString, entered);
  QFETCH(QString, after);
  QFETCH(QString, how);
  auto form = OpenForm();
  QLineEdit* edit = Child<QLineEdit>(*form, field.toLatin1().constData());
  edit->setFocus();
  edit->clear();
  Type(edit, before);  // typing that Ctrl+Z must leave alone
  if (cursor == -2) {
    edit->setSelection(static_cast<int>(before.size()), -static_cast<int>(before.size()));
  } else if (cursor < 0) {
    edit->selectAll();
  } else {
    edit->setCursorPosition(cursor);
  }
  QGuiApplication::clipboard()->setText(entered);
  if (how == "typing") {
    Type(edit, entered);
  } else if (how == "menu") {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                            edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    for (QAction* action : menu->actions()) {
      if (action->text().startsWith(QStringLiteral("&Paste"))) action->trigger();
    }
    menu->close();
  } else if (how == "input method") {
    QInputMethodEvent commit;
    commit.setCommitString(entered);
    QApplication::sendEvent(edit, &commit);
  } else if (how == "drop") {
    QMimeData dragged;
    dragged.setText(entered);
    const QPoint end(edit->width() - 3, edit->height() / 2);
    QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &enter);  // makes the field the drop's target
    QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
  } else if (how == "Shift+Insert") {
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
  } else {
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  }
  QCOMPARE(edit->text(), after);
  // QLineEdit joins an input method's result to the typing before it in one undo step, cut or not.
  if (after != before && how != "input method" && how != "typing") {
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), before);
  }
  form->reject();
}

// Every list and field set through the window to other than its start value (the prefix "寸") is
// what the view reads by that role.
void DimensionDialogTest::everyControlIsReadByItsRole() {
  auto form = OpenForm();
  using enum ControlRole;
  for (const auto& [list, downs] :
       {std::pair{kStartMarkList, 3}, {kEndMarkList, 7}, {kTextTypeList, 10}}) {
    form->Control(list)->setFocus();
    for (int i = 0; i < downs; ++i) QTest::keyClick(form->Control(list), Qt::Key_Down);
    QCOMPARE(form->ListChoice(list), downs);
  }
  for (const auto& [field, text] : {std::pair{kMarkScaleField, "0.5"},
                                    {kPrefixField, "寸"},
                                    {kSuffixField, "mm"},
                                    {kTextDistanceField, "1.5"},
                                    {kExtensionGapField, "3"},
                                    {kOvershootField, "4"}}) {
    form->Control(field)->setFocus();
    Control<QLineEdit>(*form, field)->selectAll();
    Type(form->Control(field), QString::fromUtf8(text));
    QCOMPARE(morven::tool::qt::FromCp932(form->FieldText(field)), QString::fromUtf8(text));
  }
  form->reject();
}

void DimensionDialogTest::theConversationsPrimitives() {
  auto form = OpenForm();
  form->FillList(ControlRole::kTextTypeList, {"No1", "\x90\xA1"});
  auto* list = Control<QComboBox>(*form, ControlRole::kTextTypeList);
  QCOMPARE(list->count(), 2);
  QCOMPARE(list->itemText(1), QString::fromUtf8("寸"));
  QCOMPARE(list->currentIndex(), 0);

  auto* field = Control<QLineEdit>(*form, ControlRole::kOvershootField);
  field->setText(QStringLiteral("-0.5"));
  form->FocusAndSelect(ControlRole::kOvershootField);
  QCOMPARE(QApplication::focusWidget(), field);
  QCOMPARE(field->selectedText(), QStringLiteral("-0.5"));

  form->Close();  // only closes: the conversation has answered before it asks
  QVERIFY(!form->isVisible());
  QCOMPARE(Answer(), kHostFile);
  form->End();  // the loop ended without a close: the host still gets an answer
  QCOMPARE(Answer(), QByteArray("hq\r\n"));
  // The session manager's end reaches End() too.
  QVERIFY(QObject::disconnect(qGuiApp, &QGuiApplication::commitDataRequest, form.get(),
                              &DimensionDialog::End));
}

// The error box and the Retry box, captioned with the application title.
void DimensionDialogTest::boxesSayItInJapanese() {
  auto form = OpenForm();
  const QString title = QString::fromUtf8("Morven－水平寸法の作図");
  BoxSeen seen;
  auto answerer = AnswerNextBox(seen, QMessageBox::Ok);
  form->ShowError("\x95\x82.");  // "浮."
  QCOMPARE(seen.caption, title);
  QCOMPARE(seen.text, QString::fromUtf8("浮."));
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});

  for (const auto button : {QMessageBox::Retry, QMessageBox::Cancel}) {
    answerer = AnswerNextBox(seen, button);
    QCOMPARE(form->AskRetryOrCancel("JWC_TEMP.TXT"), button == QMessageBox::Retry);
    QCOMPARE(seen.caption, title);
    QCOMPARE(seen.text, QStringLiteral("JWC_TEMP.TXT"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons,
             (QStringList{QString::fromUtf8("再試行(&R)"), QString::fromUtf8("キャンセル")}));
    QVERIFY(seen.escapeCancels);
  }
  answerer.reset();
  QVERIFY(form->isVisible());
  form->reject();
}

enum class Closing { kOkButton, kEnter, kAltY, kCancelButton, kAltN, kEscape, kCloseBox };
Q_DECLARE_METATYPE(Closing)

// With the folder gone meanwhile, the answer cannot be written: its box comes, and Retry, once the
// folder is back, writes it. Cancel, Esc and the close box have the folder gone: a route that
// ended the program instead of closing the dialog would not ask.
void DimensionDialogTest::everyWayOfClosingAnswers_data() {
  QTest::addColumn<Closing>("closing");
  QTest::addColumn<bool>("folderGone");
  QTest::addColumn<QByteArray>("answer");
  QTest::newRow("OK") << Closing::kOkButton << false << kWorkedExampleAnswer;
  QTest::newRow("Enter") << Closing::kEnter << false << kWorkedExampleAnswer;
  QTest::newRow("Alt+Y") << Closing::kAltY << false << kWorkedExampleAnswer;
  QTest::newRow("Alt+N") << Closing::kAltN << false << QByteArray("hq\r\n");
  QTest::newRow("Cancel, folder gone") << Closing::kCancelButton << true << QByteArray("hq\r\n");
  QTest::newRow("Esc, folder gone") << Closing::kEscape << true << QByteArray("hq\r\n");
  QTest::newRow("close box, folder gone") << Closing::kCloseBox << true << QByteArray("hq\r\n");
}

void DimensionDialogTest::everyWayOfClosingAnswers() {
  QFETCH(Closing, closing);
  QFETCH(bool, folderGone);
  QFETCH(QByteArray, answer);
  auto form = OpenForm();
  BoxSeen seen;
  std::unique_ptr<QTimer> answerer;
  if (folderGone) {
    const QString path = folder_->path();
    QVERIFY(folder_->remove());
    answerer = AnswerNextBox(seen, QMessageBox::Retry, [path] { QDir().mkpath(path); });
  }
  switch (closing) {
    case Closing::kOkButton:
      QTest::mouseClick(Child<QPushButton>(*form, "Button1"), Qt::LeftButton);
      break;
    case Closing::kEnter:
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      break;
    case Closing::kAltY:
      QTest::keyClick(form.get(), Qt::Key_Y, Qt::AltModifier);
      break;
    case Closing::kCancelButton:
      QTest::mouseClick(Child<QPushButton>(*form, "Button2"), Qt::LeftButton);
      break;
    case Closing::kAltN:
      QTest::keyClick(form.get(), Qt::Key_N, Qt::AltModifier);
      break;
    case Closing::kEscape:
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
      break;
    case Closing::kCloseBox:
      // What the window manager asks for when the close box or Alt+F4 is used.
      form->windowHandle()->close();
      break;
  }
  // Access keys click their button after a short animation.
  QTRY_VERIFY(!form->isVisible());
  QCOMPARE(Answer(), answer);
  QCOMPARE(seen.text, folderGone
                          ? QString::fromUtf8("結果を JWC_TEMP.TXT に書き込めませんでした。\n"
                                              "このファイルのフォルダーが見つかりません。")
                          : QString());
}

// Placed under the pointer when first shown, inside the usable area of the pointer's screen, or of
// its own where the pointer is on none; shown again, it stays where the user moved it. The screens
// (two_screens.json): 1280 x 1024 on the left, 1024 x 768 on its right.
void DimensionDialogTest::opensUnderThePointerOnce() {
  const std::pair<QPoint, QPoint> pointerAndCorner[] = {
      {{1279, 1023}, {1279, 1023}}, {{2303, 767}, {2303, 767}}, {{1500, 900}, {1279, 1023}}};
  for (const auto& [pointer, bottomRight] : pointerAndCorner) {
    QCursor::setPos(pointer);
    auto clamped = OpenForm();
    QCOMPARE(clamped->frameGeometry().bottomRight(), bottomRight);
    clamped->reject();
  }

  QCursor::setPos(500, 300);
  auto form = OpenForm();
  QCOMPARE(form->frameGeometry().topLeft(), QPoint(500 - form->frameGeometry().width() / 2, 296));
  form->move(20, 30);
  const QPoint place = form->pos();
  form->hide();
  form->show();
  QCOMPARE(form->pos(), place);
  form->reject();
}

// The running program's folder, and the separators of the user's locale: the test list runs this
// again for a user whose numbers read 1.234,5.
void DimensionDialogTest::systemSettings() {
  const auto folder = morven::tool::qt::ProgramFolder();
  QVERIFY(folder.has_value());
  QCOMPARE(QString::fromStdString((*folder / "tool_qt_dimension_dialog_test").native()),
           QCoreApplication::applicationFilePath());
  const morven::numeric::Separators separators = morven::tool::qt::UserSeparators();
  const bool german = qgetenv("LC_ALL").startsWith("de_DE");
  QCOMPARE(separators.decimal, german ? ',' : '.');
  QCOMPARE(separators.thousands, german ? '.' : ',');
}

QTEST_MAIN(DimensionDialogTest)
#include "dimension_dialog_test.moc"
