#include "tool/qt/dimension_dialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDropEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "exchange/tests/permission_override.h"
#include "tool/form_layout.h"
#include "tool/qt/cp932_qstring.h"

using morven::tool::qt::DimensionDialog;

namespace {

// "<ＭＳ ゴシック>" in Shift_JIS.
const QByteArray kFont = "<\x82l\x82r \x83S\x83V\x83\x62\x83N>";

// The worked example as the host writes it: angle 0, scale 100, text type 1 of width 2.5.
QByteArray HostFile(const QByteArray& extraLines = {}) {
  return "hk 0\r\n"
         "hs 100 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n"
         "hcw 2.5 3 3 3 3 3 3 3 3 2.5\r\n"
         "hch 2.5 3 3 3 3 3 3 3 3 2.5\r\n"
         "hcd 0 0 0 0 0 0 0 0 0 0.5\r\n" +
         extraLines + "lg0\r\nly0\r\nlc1\r\nlt1\r\nlw0\r\ncn1\r\ncn\"$" + kFont +
         "\r\n"
         "hp1 0 0\r\nhp2 1000 0\r\nhp3 500 500\r\n";
}

QByteArray WorkedExampleAnswer(const QByteArray& value = "1,000.000") {
  return "lg0\r\nly0\r\nlc1\r\npn1\r\nlt1\r\nlw0\r\ncn\"$" + kFont +
         "\r\n"
         "z3\r\n0 200 0 700\r\nz3\r\n1000 200 1000 700\r\ncn1\r\nmsg\r\n0 500 1000 500\r\n"
         "cs -62.5 550 10 0 \"" +
         value + "\r\nz3\r\npt 0 500 1 180 1\r\nz3\r\npt 1000 500 1 0 1\r\n";
}

// Types each character as the keyboard would deliver it, Japanese ones included.
void Type(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text.at(i).isHighSurrogate() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

}  // namespace

class DimensionDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();
  void layout();
  void endMarkLists();
  void everyInputNamedByItsLabel();
  void textTypeList_data();
  void textTypeList();
  void tabOrderAndStartValues();
  void typedCharacterLimits_data();
  void typedCharacterLimits();
  void pasteIsCutToFit_data();
  void pasteIsCutToFit();
  void validationMovesFocus_data();
  void validationMovesFocus();
  void everyControlReachesTheAnswer();
  void overflowShowsMessageAndKeepsDialogOpen_data();
  void overflowShowsMessageAndKeepsDialogOpen();
  void everyWayOfClosingWritesOnce_data();
  void everyWayOfClosingWritesOnce();
  void opensUnderThePointer();
  void showingAgainReadsNothing();
  void regionalSeparators();
  void fileFailuresAskToRetry_data();
  void fileFailuresAskToRetry();

 private:
  // A shown dialog over a folder holding `hostFile` (none when null), its file already read (or
  // the dialog closed); `beforeShow` runs once the file is there.
  std::unique_ptr<DimensionDialog> OpenForm(const QByteArray& hostFile,
                                            const std::function<void()>& beforeShow = {});
  QByteArray Answer() const;
  template <typename T>
  T* Child(const DimensionDialog& form, const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) qFatal("no child %s", name);
    return child;
  }

  std::unique_ptr<QTemporaryDir> folder_;
};

std::unique_ptr<DimensionDialog> DimensionDialogTest::OpenForm(
    const QByteArray& hostFile, const std::function<void()>& beforeShow) {
  folder_ = std::make_unique<QTemporaryDir>();
  if (!hostFile.isNull()) {
    QFile file(folder_->filePath(QStringLiteral("JWC_TEMP.TXT")));
    if (!file.open(QIODevice::WriteOnly) || file.write(hostFile) != hostFile.size()) {
      qFatal("cannot write the exchange file");
    }
  }
  if (beforeShow) beforeShow();
  auto form = std::make_unique<DimensionDialog>(
      std::filesystem::path(QFile::encodeName(folder_->path()).toStdString()));
  form->show();
  if (!QTest::qWaitForWindowActive(form.get())) qWarning("the dialog did not become active");
  QComboBox* textTypes = Child<QComboBox>(*form, "ComboBox3");
  if (!QTest::qWaitFor([&] { return textTypes->count() == 11 || !form->isVisible(); })) {
    qWarning("no text types");
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
  auto form = OpenForm(HostFile());
  QCOMPARE(form->windowTitle(), QString::fromUtf8("水平寸法の作図"));
  QCOMPARE(form->size(), QSize(312, 217));
  QCOMPARE(form->minimumSize(), form->maximumSize());
  const Qt::WindowFlags flags = form->windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  QCOMPARE(form->palette().color(QPalette::Window), QColor(Qt::white));
  QVERIFY(form->autoFillBackground());
  QCOMPARE(form->font().pixelSize(), 13);
  if (QFontDatabase::families().contains(QStringLiteral("IPAGothic"))) {
    QCOMPARE(QFontInfo(Child<QWidget>(*form, "Edit1")->font()).family(),
             QStringLiteral("IPAGothic"));
  }

  // Every control where the table puts it; each label is as wide as the table says, the font
  // fitting in it. Their captions are checked with the names a screen reader reads.
  for (const morven::tool::ControlSpec& row : morven::tool::FormControls()) {
    QCOMPARE(Child<QWidget>(*form, row.objectName)->geometry(),
             QRect(row.rect.left, row.rect.top, row.rect.width, row.rect.height));
  }
  form->reject();

  // A dark scheme keeps its own window behind its light text, which would not read on white.
  const QPalette system = QApplication::palette();
  QPalette dark = system;
  dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
  dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
  QApplication::setPalette(dark);
  auto darkForm = OpenForm(HostFile());
  const QPalette label = Child<QLabel>(*darkForm, "Label6")->palette();
  QApplication::setPalette(system);
  QCOMPARE(label.color(QPalette::Window), QColor(0x30, 0x30, 0x30));
  QCOMPARE(label.color(QPalette::WindowText), QColor(0xEE, 0xEE, 0xEE));
  darkForm->reject();
}

// Each input's label is its label to a screen reader: an edit field takes its name from it; a list,
// which Qt names by its current item on Linux, is labelled by it.
void DimensionDialogTest::everyInputNamedByItsLabel() {
  auto form = OpenForm(HostFile());
  const struct {
    const char* input;
    const char* label;
  } inputs[] = {
      {"ComboBox1", "始点"},
      {"ComboBox2", "終点"},
      {"ComboBox3", "寸法値の文字種"},
      {"Edit1", "端点倍率"},
      {"Edit2", "接頭文字"},
      {"Edit3", "接尾文字"},
      {"Edit4", "寸法値と水平線との距離"},
      {"Edit5", "計測点と寸法補助線の距離"},
      {"Edit6", "寸法補助線のはみ出し距離"},
  };
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
  auto form = OpenForm(HostFile());
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

void DimensionDialogTest::textTypeList_data() {
  QTest::addColumn<QByteArray>("hostFile");
  QTest::addColumn<QString>("current");
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("tenth");
  QTest::newRow("no file") << QByteArray() << QString::fromUtf8("現在の文字種(No1)")
                           << "No1: W3 H3 D0"
                           << "No10: W3 H3 D0";
  QTest::newRow("host's types") << HostFile() << QString::fromUtf8("現在の文字種(No1)")
                                << "No1: W2.5 H2.5 D0"
                                << "No10: W2.5 H2.5 D0.5";
  QTest::newRow("free size") << QByteArray("cn0 2.5 2.5 0.5 3\r\n")
                             << QString::fromUtf8("現在の文字種(Free)") << "No1: W3 H3 D0"
                             << "No10: W3 H3 D0";
  QTest::newRow("type 15") << QByteArray("cn15\r\ncn3\r\n")
                           << QString::fromUtf8("現在の文字種(No15)") << "No1: W3 H3 D0"
                           << "No10: W3 H3 D0";
}

void DimensionDialogTest::textTypeList() {
  QFETCH(QByteArray, hostFile);
  QFETCH(QString, current);
  QFETCH(QString, first);
  QFETCH(QString, tenth);
  auto form = OpenForm(hostFile);
  QComboBox* list = Child<QComboBox>(*form, "ComboBox3");
  QCOMPARE(list->count(), 11);
  QCOMPARE(list->currentIndex(), 0);
  QCOMPARE(list->itemText(0), current);
  QCOMPARE(list->itemText(1), first);
  QCOMPARE(list->itemText(10), tenth);
  form->reject();
}

void DimensionDialogTest::tabOrderAndStartValues() {
  auto form = OpenForm(HostFile());
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

void DimensionDialogTest::typedCharacterLimits_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<int>("cursor");  // -1: the field's text selected, to be typed over
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  const QString a31(31, u'a');
  QTest::newRow("number field stops at 16 bytes") << "Edit4" << -1 << "1234567890.1234567890"
                                                  << "1234567890.12345";
  QTest::newRow("prefix takes 16 full-width characters")
      << "Edit2" << -1 << QString(17, QChar(0x3042)) << QString(16, QChar(0x3042));
  QTest::newRow("a full-width character that would pass 32 bytes is refused")
      << "Edit3" << -1 << a31 + QChar(0x3042) + u'b' << a31 + u'b';
  QTest::newRow("half-width katakana count one byte")
      << "Edit2" << -1 << QString(33, QChar(0xFF71)) << QString(32, QChar(0xFF71));
  QTest::newRow("characters code page 932 lacks are refused")
      << "Edit2" << -1 << QString::fromUtf8("aé€b～∥①") << QString::fromUtf8("ab～∥①");
  QTest::newRow("typing before the text keeps the cursor there") << "Edit1" << 0 << "23"
                                                                 << "231";
}

void DimensionDialogTest::typedCharacterLimits() {
  QFETCH(QString, field);
  QFETCH(int, cursor);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  auto form = OpenForm(HostFile());
  QLineEdit* edit = Child<QLineEdit>(*form, field.toLatin1().constData());
  edit->setFocus();
  if (cursor < 0) {
    edit->selectAll();
  } else {
    edit->setCursorPosition(cursor);
  }
  Type(edit, typed);
  QCOMPARE(edit->text(), shown);
  form->reject();
}

void DimensionDialogTest::pasteIsCutToFit_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("before");
  QTest::addColumn<int>("cursor");  // -1: the field's text selected, to be pasted over
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("after");
  // Ctrl+V, Shift+Insert, the context menu's Paste, an input method's result or a drop at the end
  QTest::addColumn<QString>("how");
  const QString a31(31, u'a');
  QTest::newRow("cut at a character boundary")
      << "Edit2"
      << "ab" << 2 << QString(40, QChar(0x3042)) << "ab" + QString(15, QChar(0x3042)) << "Ctrl+V";
  QTest::newRow("an input method's result is cut like a paste")
      << "Edit2"
      << "ab" << 2 << QString(17, QChar(0x3042)) << "ab" + QString(15, QChar(0x3042))
      << "input method";
  QTest::newRow("no half of a double-byte character")
      << "Edit3" << a31 << 31 << QString::fromUtf8("aあ") << a31 + u'a' << "Ctrl+V";
  QTest::newRow("inserted in the middle") << "Edit1"
                                          << "1" << 0 << "23456789012345678"
                                          << "2345678901234561"
                                          << "Shift+Insert";
  QTest::newRow("over a selection whose end equals the paste's end")
      << "Edit6"
      << "2" << -1 << "3.141592653589792"
      << "3.14159265358979"
      << "menu";
  QTest::newRow("the menu pastes once") << "Edit1"
                                        << "1" << 1 << "x"
                                        << "1x"
                                        << "menu";
  QTest::newRow("characters without a code left out")
      << "Edit3"
      << "" << 0 << QString::fromUtf8("x😀é€y") << "xy"
      << "Ctrl+V";
  QTest::newRow("nothing fits") << "Edit2" << QString(32, u'z') << 5 << "q" << QString(32, u'z')
                                << "Ctrl+V";
  QTest::newRow("a line break ends the paste") << "Edit2"
                                               << "" << 0 << "L=\r\nmm"
                                               << "L="
                                               << "Ctrl+V";
  QTest::newRow("a drop from elsewhere is taken as a paste")
      << "Edit1"
      << "1" << 1 << QString::fromUtf8("２😀３４５６７８９０１２３４５６７８９")
      << "1234567890123456"
      << "drop";
  QTest::newRow("an input method's full-width digits in a number field")
      << "Edit4"
      << "0.5" << -1 << QString::fromUtf8("１．５") << "1.5"
      << "input method";
  QTest::newRow("an input method's result over the selection of a full field")
      << "Edit2" << QString(32, u'z') << -1 << QString::fromUtf8("寸法")
      << QString::fromUtf8("寸法") << "input method";
}

// Ctrl+V, then Ctrl+Z: the cut paste is one step of the undo history, taken back whole and
// alone.
void DimensionDialogTest::pasteIsCutToFit() {
  QFETCH(QString, field);
  QFETCH(QString, before);
  QFETCH(int, cursor);
  QFETCH(QString, pasted);
  QFETCH(QString, after);
  QFETCH(QString, how);
  auto form = OpenForm(HostFile());
  QLineEdit* edit = Child<QLineEdit>(*form, field.toLatin1().constData());
  edit->setFocus();
  edit->clear();
  Type(edit, before);  // typing that Ctrl+Z must leave alone
  if (cursor < 0) {
    edit->selectAll();
  } else {
    edit->setCursorPosition(cursor);
  }
  QGuiApplication::clipboard()->setText(pasted);
  if (how == "menu") {
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
    commit.setCommitString(pasted);
    QApplication::sendEvent(edit, &commit);
  } else if (how == "drop") {
    QMimeData dragged;
    dragged.setText(pasted);
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
  if (after != before && how != "input method") {
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), before);
  }
  form->reject();
}

void DimensionDialogTest::validationMovesFocus_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("focus");
  QTest::newRow("end-mark scale 0") << "Edit1"
                                    << "0"
                                    << "Edit1";
  QTest::newRow("end-mark scale empty") << "Edit1"
                                        << ""
                                        << "Edit1";
  QTest::newRow("negative gap") << "Edit5"
                                << "-1"
                                << "Edit5";
  QTest::newRow("negative overshoot") << "Edit6"
                                      << "-0.5"
                                      << "Edit6";
}

void DimensionDialogTest::validationMovesFocus() {
  QFETCH(QString, field);
  QFETCH(QString, value);
  QFETCH(QString, focus);
  auto form = OpenForm(HostFile());
  Child<QLineEdit>(*form, field.toLatin1().constData())->setText(value);
  QTest::mouseClick(Child<QPushButton>(*form, "Button1"), Qt::LeftButton);
  QVERIFY(form->isVisible());
  QCOMPARE(QApplication::focusWidget()->objectName(), focus);
  QCOMPARE(Answer(), HostFile());
  Type(QApplication::focusWidget(), QStringLiteral("7"));  // over the refused value
  QCOMPARE(Child<QLineEdit>(*form, focus.toLatin1().constData())->text(), QStringLiteral("7"));

  // Cancel after the refusal still answers that nothing was drawn.
  QTest::mouseClick(Child<QPushButton>(*form, "Button2"), Qt::LeftButton);
  QCOMPARE(Answer(), QByteArray("hq\r\n"));
}

// Every list and field set through the dialog to other than its start value (the prefix "寸");
// the answer is what the core builds for the same entries.
void DimensionDialogTest::everyControlReachesTheAnswer() {
  const morven::tool::DimensionEntries entries{3, 7, "0.5", 10, "\x90\xA1", "mm", "1.5", "3", "4"};
  auto form = OpenForm(HostFile());
  for (const auto& [name, downs] : {std::pair{"ComboBox1", entries.startMark},
                                    {"ComboBox2", entries.endMark},
                                    {"ComboBox3", entries.textTypeChoice}}) {
    QComboBox* list = Child<QComboBox>(*form, name);
    list->setFocus();
    for (int i = 0; i < downs; ++i) QTest::keyClick(list, Qt::Key_Down);
  }
  for (const auto& [name, text] : {std::pair{"Edit1", entries.endMarkScale},
                                   {"Edit2", entries.prefix},
                                   {"Edit3", entries.suffix},
                                   {"Edit4", entries.textDistance},
                                   {"Edit5", entries.extensionGap},
                                   {"Edit6", entries.overshoot}}) {
    QLineEdit* field = Child<QLineEdit>(*form, name);
    field->setFocus();
    field->selectAll();
    Type(field, morven::tool::qt::FromCp932(text));
  }
  QTest::mouseClick(Child<QPushButton>(*form, "Button1"), Qt::LeftButton);
  const QByteArray answer = Answer();

  QFile file(folder_->filePath(QStringLiteral("JWC_TEMP.TXT")));
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(HostFile()) > 0);
  file.close();
  morven::tool::DimensionDialogModel core(
      std::filesystem::path(QFile::encodeName(folder_->path()).toStdString()), {'.', ','});
  QCOMPARE(core.BuildOnOk(entries).kind, morven::tool::OkOutcome::Kind::kBuilt);
  core.WriteBackOnClose();
  QCOMPARE(answer, Answer());
}

void DimensionDialogTest::overflowShowsMessageAndKeepsDialogOpen_data() {
  QTest::addColumn<QByteArray>("hostFile");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("value");
  QTest::newRow("number beyond the double range") << HostFile() << "Edit4"
                                                  << "1e400";
  QTest::newRow("distance times the layer-group scale")
      << HostFile("hs 1e300 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\n") << "Edit6"
      << "1e10";
}

void DimensionDialogTest::overflowShowsMessageAndKeepsDialogOpen() {
  QFETCH(QByteArray, hostFile);
  QFETCH(QString, field);
  QFETCH(QString, value);
  auto form = OpenForm(hostFile);
  Child<QLineEdit>(*form, field.toLatin1().constData())->setText(value);

  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QTimer closer;
  connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      caption = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->accept();
    }
  });
  closer.start(10);
  QTest::mouseClick(Child<QPushButton>(*form, "Button1"), Qt::LeftButton);
  closer.stop();

  QCOMPARE(caption, QString::fromUtf8("Morven－水平寸法の作図"));
  QCOMPARE(text, QString::fromUtf8("浮動小数点数のオーバーフロー."));
  QCOMPARE(icon, QMessageBox::Critical);
  QVERIFY(form->isVisible());
  QCOMPARE(Answer(), hostFile);

  QTest::keyClick(form.get(), Qt::Key_Escape);
  QCOMPARE(Answer(), QByteArray("hq\r\n"));
}

enum class Closing { kOkButton, kEnter, kAltY, kCancelButton, kAltN, kEscape, kCloseBox, kClose };
Q_DECLARE_METATYPE(Closing)

void DimensionDialogTest::everyWayOfClosingWritesOnce_data() {
  QTest::addColumn<Closing>("closing");
  QTest::addColumn<QByteArray>("answer");
  QTest::newRow("OK") << Closing::kOkButton << WorkedExampleAnswer();
  QTest::newRow("Enter") << Closing::kEnter << WorkedExampleAnswer();
  QTest::newRow("Alt+Y") << Closing::kAltY << WorkedExampleAnswer();
  QTest::newRow("Cancel") << Closing::kCancelButton << QByteArray("hq\r\n");
  QTest::newRow("Alt+N") << Closing::kAltN << QByteArray("hq\r\n");
  QTest::newRow("Esc") << Closing::kEscape << QByteArray("hq\r\n");
  QTest::newRow("close box or Alt+F4") << Closing::kCloseBox << QByteArray("hq\r\n");
  QTest::newRow("close()") << Closing::kClose << QByteArray("hq\r\n");
}

void DimensionDialogTest::everyWayOfClosingWritesOnce() {
  QFETCH(Closing, closing);
  QFETCH(QByteArray, answer);
  auto form = OpenForm(HostFile());
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
    case Closing::kClose:
      form->close();
      break;
  }
  // Access keys click their button after a short animation.
  QTRY_VERIFY(!form->isVisible());
  QCOMPARE(Answer(), answer);

  QFile file(folder_->filePath(QStringLiteral("JWC_TEMP.TXT")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("untouched");
  file.close();
  form->close();
  form->done(QDialog::Accepted);
  form->reject();
  QCOMPARE(Answer(), QByteArray("untouched"));
}

void DimensionDialogTest::opensUnderThePointer() {
  QCursor::setPos(500, 300);
  auto form = OpenForm(HostFile());
  QCOMPARE(form->frameGeometry().topLeft(), QPoint(500 - form->frameGeometry().width() / 2, 296));
  form->reject();
}

void DimensionDialogTest::showingAgainReadsNothing() {
  auto form = OpenForm(HostFile());
  QComboBox* list = Child<QComboBox>(*form, "ComboBox3");
  const QString tenth = list->itemText(10);
  QFile file(folder_->filePath(QStringLiteral("JWC_TEMP.TXT")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("hcw 9 9 9 9 9 9 9 9 9 9\r\n");
  file.close();
  form->move(20, 30);
  const QPoint place = form->pos();
  form->showMinimized();
  QTest::qWait(20);
  form->showNormal();
  QTest::qWait(20);
  QCOMPARE(list->itemText(10), tenth);
  QCOMPARE(form->pos(), place);
  QTest::mouseClick(Child<QPushButton>(*form, "Button1"), Qt::LeftButton);
  QCOMPARE(Answer(), WorkedExampleAnswer());
}

// Run with a locale whose decimal separator is a comma (see the test list); skipped otherwise.
void DimensionDialogTest::regionalSeparators() {
  if (QLocale::system().decimalPoint() != QStringLiteral(",")) {
    QSKIP("the user's locale writes numbers with a decimal point");
  }
  auto form = OpenForm(HostFile());
  QCOMPARE(Child<QComboBox>(*form, "ComboBox3")->itemText(10),
           QStringLiteral("No10: W2,5 H2,5 D0,5"));
  QTest::mouseClick(Child<QPushButton>(*form, "Button1"), Qt::LeftButton);
  QCOMPARE(Answer(), WorkedExampleAnswer("1.000,000"));
}

// What is made usable while the last box is up: nothing, the folder, or the folder and the file.
enum class Mended { kNothing, kFolder, kFolderAndFile };
Q_DECLARE_METATYPE(Mended)

void DimensionDialogTest::fileFailuresAskToRetry_data() {
  using P = QFile::Permissions;
  const P rwx = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
  const P rx = QFile::ReadOwner | QFile::ExeOwner;
  QTest::addColumn<bool>("atStart");  // the file cannot be read; else the answer cannot be written
  QTest::addColumn<P>("folder");      // the permissions that make it fail
  QTest::addColumn<P>("file");
  QTest::addColumn<int>("boxes");  // Retry without a mend at every box before the last
  QTest::addColumn<Mended>("mended");
  QTest::addColumn<bool>("retry");  // at the last box; else Cancel
  QTest::addColumn<QByteArray>("answer");
  QTest::newRow("unreadable, Retry")
      << true << rwx << P() << 1 << Mended::kFolderAndFile << true << WorkedExampleAnswer();
  QTest::newRow("unreadable at the first Retry too")
      << true << rwx << P() << 2 << Mended::kFolderAndFile << true << WorkedExampleAnswer();
  QTest::newRow("a folder that cannot be looked into")
      << true << P(QFile::ReadOwner | QFile::WriteOwner) << rwx << 1 << Mended::kFolderAndFile
      << true << WorkedExampleAnswer();
  // The answer "hq" cannot be written either, and the unwritable file is deleted.
  QTest::newRow("unreadable, Cancel")
      << true << rwx << P() << 1 << Mended::kNothing << false << QByteArray();
  QTest::newRow("unwritable, Retry") << false << rx << P(QFile::ReadOwner) << 1
                                     << Mended::kFolderAndFile << true << WorkedExampleAnswer();
  // Neither written nor deleted: the folder is not writable.
  QTest::newRow("unwritable, Cancel")
      << false << rx << P(QFile::ReadOwner) << 1 << Mended::kNothing << false << HostFile();
  // Giving up answers as Cancel does, as far as the file now allows.
  QTest::newRow("unwritable, made writable, Cancel")
      << false << rx << P(QFile::ReadOwner) << 1 << Mended::kFolderAndFile << false
      << QByteArray("hq\r\n");
  QTest::newRow("unwritable, folder made writable, Cancel")
      << false << rx << P(QFile::ReadOwner) << 1 << Mended::kFolder << false << QByteArray();
}

void DimensionDialogTest::fileFailuresAskToRetry() {
  // For the rest of the run: every case here works in a folder of its own.
  if (!morven::exchange::test::DropPermissionOverride())
    QSKIP("root's permission override cannot be dropped here");
  QFETCH(bool, atStart);
  QFETCH(QFile::Permissions, folder);
  QFETCH(QFile::Permissions, file);
  QFETCH(int, boxes);
  QFETCH(Mended, mended);
  QFETCH(bool, retry);
  QFETCH(QByteArray, answer);
  const QFile::Permissions usable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
  const auto setPermissions = [&](QFile::Permissions folderNow, QFile::Permissions fileNow) {
    QFile(folder_->filePath(QStringLiteral("JWC_TEMP.TXT"))).setPermissions(fileNow);
    QFile(folder_->path()).setPermissions(folderNow);
  };
  QStringList asked;
  QTimer answerer;
  connect(&answerer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || box->defaultButton() != box->button(QMessageBox::Retry)) return;
    asked << box->windowTitle() + u'|' + box->text();
    const bool last = asked.size() >= boxes;
    if (last && mended == Mended::kFolderAndFile) setPermissions(usable, usable);
    if (last && mended == Mended::kFolder) QFile(folder_->path()).setPermissions(usable);
    box->button(retry || !last ? QMessageBox::Retry : QMessageBox::Cancel)->click();
  });
  answerer.start(10);
  auto form = OpenForm(HostFile(), [&] {
    if (atStart) setPermissions(folder, file);
  });
  if (!atStart) setPermissions(folder, file);
  if (form->isVisible()) QTest::mouseClick(Child<QPushButton>(*form, "Button1"), Qt::LeftButton);
  QTRY_VERIFY(!form->isVisible());
  answerer.stop();
  setPermissions(usable, usable);
  const QString title = QString::fromUtf8("Morven－水平寸法の作図|");
  QCOMPARE(
      asked,
      QStringList(boxes, title + QString::fromUtf8(
                                     atStart ? "JWC_TEMP.TXT を読み込めませんでした。\n"
                                               "このファイルにアクセスする権限がありません。"
                                             : "結果を JWC_TEMP.TXT に書き込めませんでした。\n"
                                               "このファイルにアクセスする権限がありません。")));
  QCOMPARE(Answer(), answer);
}

QTEST_MAIN(DimensionDialogTest)
#include "dimension_dialog_test.moc"
