#pragma once

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tool/dimension_dialog_model.h"

namespace morven::tool::qt {

// The dialog "水平寸法の作図" in Qt Widgets, drawn from the layout table. It forwards its events to
// the dialog model, which holds the conversation: the first paint reads the exchange file, OK
// builds the dimension, and every way of closing (Cancel, Esc, the close box, Alt+F4) passes
// through reject(); the model answers before it closes the window. So does the session manager's
// end, without a box.
class DimensionDialog : public QDialog, public DialogView {
  Q_OBJECT

 public:
  // `programFolder` holds JWC_TEMP.TXT; `separators` are the user's.
  DimensionDialog(std::optional<std::filesystem::path> programFolder,
                  numeric::Separators separators, QWidget* parent = nullptr);

  void reject() override;
  // The program must end (a signal, the session manager's end, a loop that ended without a
  // close): the host gets its answer at once, without a box.
  void End();
  // The same where the display has gone: the window is left alone.
  void EndWithoutDisplay();

  // Once the controls are made, right after the first show.
  QWidget* Control(ControlRole role) const;

  int ListChoice(ControlRole list) const override;
  std::string FieldText(ControlRole field) const override;
  void FillList(ControlRole list, const std::vector<std::string>& items) override;
  void FocusAndSelect(ControlRole field) override;
  void ShowError(const std::string& message) override;
  bool AskRetryOrCancel(const std::string& question) override;
  void PauseWhileFileHeld(std::chrono::milliseconds time) override;
  void Close() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls();

  std::vector<QWidget*> controls_;  // by role
  bool shown_ = false;
  bool displayGone_ = false;
  DimensionDialogModel model_;
};

}  // namespace morven::tool::qt
