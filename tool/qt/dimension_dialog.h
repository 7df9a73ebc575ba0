#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>

#include "tool/dimension_dialog_model.h"

class QComboBox;
class QLineEdit;

namespace morven::tool::qt {

// The dialog "水平寸法の作図" in Qt Widgets, drawn from the layout table. It forwards its events to
// the dialog model: the first show places it under the pointer and reads the exchange file, OK
// builds the dimension, and every way of closing writes the file back once.
class DimensionDialog : public QDialog {
  Q_OBJECT

 public:
  // `programFolder` holds JWC_TEMP.TXT; nothing means the folder of the running executable.
  explicit DimensionDialog(std::optional<std::filesystem::path> programFolder = std::nullopt,
                           QWidget* parent = nullptr);
  ~DimensionDialog() override;

  // Every way of closing (OK, Cancel, Esc, the close box, Alt+F4) passes through here.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();
  void ReadOnFirstShow();
  void BuildOnOk();
  DimensionEntries Entries() const;
  void FocusRefusedField(ControlRole role);
  // An error box with Retry (the default) and Cancel (also Esc); true for Retry.
  bool AskToRetry(const std::string& question);
  RetryAsker Asker();

  DimensionDialogModel model_;
  bool shown_ = false;
  bool readScheduled_ = false;

  QComboBox* startMarkList_ = nullptr;
  QComboBox* endMarkList_ = nullptr;
  QComboBox* textTypeList_ = nullptr;
  QLineEdit* markScaleField_ = nullptr;
  QLineEdit* prefixField_ = nullptr;
  QLineEdit* suffixField_ = nullptr;
  QLineEdit* textDistanceField_ = nullptr;
  QLineEdit* extensionGapField_ = nullptr;
  QLineEdit* overshootField_ = nullptr;
};

}  // namespace morven::tool::qt
