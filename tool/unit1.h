#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <string_view>

#include "exchange/exchange_state.h"
#include "numeric/separators.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morven::tool {

// The dialog "水平寸法の作図". When first shown it places itself under the mouse pointer and reads
// JWC_TEMP.TXT from the program folder; OK builds the horizontal dimension; however it is closed,
// the file is written back exactly once.
class TForm1 : public QDialog {
  Q_OBJECT

 public:
  // `programFolder` holds JWC_TEMP.TXT; empty means the folder of the running executable.
  explicit TForm1(const QString& programFolder = QString(), QWidget* parent = nullptr);
  ~TForm1() override;

  // Every way of closing (OK, Cancel, Esc, the close box, Alt+F4) passes through here.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void FormShow();
  void ReadExchange();
  void EnsureExchangeRead();
  void FormClose();
  void Button1Click();
  void Button2Click();

  QLabel* AddLabel(const char* caption, int left, int top, int width);
  QLineEdit* AddEdit(const char* name, const char* text, int maxBytes, bool inputMethod, int left,
                     int top, int width);
  QComboBox* AddComboBox(const char* name, int left, int top, int width, bool inputMethod);
  QString ExchangeFilePath() const;

  exchange::ExchangeState state_;
  numeric::Separators separators_;
  QString programFolder_;
  bool shown_ = false;
  bool readScheduled_ = false;
  bool read_ = false;
  bool closed_ = false;

  QComboBox* ComboBox1 = nullptr;
  QComboBox* ComboBox2 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QComboBox* ComboBox3 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QLineEdit* Edit3 = nullptr;
  QLineEdit* Edit4 = nullptr;
  QLineEdit* Edit5 = nullptr;
  QLineEdit* Edit6 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;
};

// Makes the form's font name resolve to an installed Japanese monospace font.
void RegisterFormFont();

// Unicode text of Shift_JIS bytes, and the Shift_JIS bytes of a text the fields allow.
QString FromCp932(std::string_view cp932);
std::string ToCp932(const QString& text);

}  // namespace morven::tool
