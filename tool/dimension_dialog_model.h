#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
#include "exchange/file_failure.h"
#include "exchange/locked_file_wait.h"
#include "numeric/separators.h"
#include "tool/form_layout.h"

// The dialog's conversation, the same in every view: what happens when the window is first shown,
// when OK is pressed, whenever the user or another program closes it and when the program must
// end. A view forwards those events and lends the conversation what only a window can do
// (DialogView); it decides nothing itself. The exchange file is read when the window is first
// shown, and again each time the user retries a read that failed. One answer is written: once it
// is started, nothing the window tells starts another, and only the program's end may write it
// while its box is up.
namespace morven::tool {

// What the conversation asks of a window. Controls are named by their role in the layout table;
// texts are Shift_JIS. Nothing deletes a window through it.
class DialogView {
 public:
  // The position chosen in a drop-down list, from 0.
  virtual int ListChoice(ControlRole list) const = 0;
  virtual std::string FieldText(ControlRole field) const = 0;
  // The list holds these items in place of what it held, the first one chosen.
  virtual void FillList(ControlRole list, const std::vector<std::string>& items) = 0;
  // The field takes the keyboard focus with its whole text selected, to be typed over.
  virtual void FocusAndSelect(ControlRole field) = 0;
  // An error box with an OK button, captioned with the application title.
  virtual void ShowError(const std::string& message) = 0;
  // An error box with Retry, the default, and Cancel (also Esc), owned by the window; true for
  // Retry. The window's events may reach the conversation while it is up.
  virtual bool AskRetryOrCancel(const std::string& question) = 0;
  // One pause while another program holds the exchange file, the window kept drawn; the program
  // cannot end meanwhile.
  virtual void PauseWhileFileHeld(std::chrono::milliseconds time) = 0;
  // Closes the window, once the conversation has answered.
  virtual void Close() = 0;

 protected:
  ~DialogView() = default;
};

// The two steps on the host's file that the user is asked about when they fail, and the question:
// what failed, then why as far as the system tells.
enum class FileStep { kRead, kWriteBack };
std::string FileQuestion(FileStep step, exchange::FileFailure failure);

class DimensionDialogModel {
 public:
  // `view` outlives the model. `programFolder` holds the exchange file; nothing when the program's
  // folder is unknown, and then nothing is read and nothing written. `separators` are the user's
  // regional ones. `clock` times the waits for a held file (nullptr: the steady clock).
  DimensionDialogModel(DialogView& view, std::optional<std::filesystem::path> programFolder,
                       numeric::Separators separators,
                       std::function<std::chrono::steady_clock::time_point()> clock = nullptr);
  DimensionDialogModel(const DimensionDialogModel&) = delete;
  DimensionDialogModel& operator=(const DimensionDialogModel&) = delete;

  // Once the window is on the screen: resets the exchange state, reads the file (nothing there, or
  // something that is never the host's, leaves the start values) and fills the text-type list.
  // While the file is there but cannot be read, asks: Retry reads it again, Cancel answers without
  // a box. Only the first call does anything.
  void OnShown();
  // Reads first when that has not happened; then builds the dimension and answers, or moves the
  // focus to the refused field, or shows why the build failed. Only while the dialog is open.
  void OnOk();
  // Cancel, Esc, the close box, Alt+F4 or another program's close: answers "hq" (a close while
  // the file is read, or while the read's box or the error box is up, once that is over). Only the
  // first close does anything.
  void OnClose();
  // The program must end now (the session ends, a signal, the system refused the window, the
  // window's loop ended without a close): one attempt to write the answer, at once and without a
  // box: "hq", or OK's dimension while that is being answered; the file deleted where it cannot
  // be written. Nothing once the window is closed.
  void OnProgramEnd();
  bool Closed() const { return stage_ == Stage::kClosed; }

 private:
  // Every box is a stage of its own.
  enum class Stage {
    kUnread,
    kReading,       // or waiting while another program holds the file
    kAskingRead,    // the read's Retry box
    kOpen,          // the user fills the form in
    kShowingError,  // the box of an OK that could not be built
    kAnswering,     // or waiting while another program holds the file
    kAskingAnswer,  // the answer's Retry box
    kClosed,
  };

  // Shows a box as the stage `box`. Meanwhile OK and a first show do nothing, a close is kept
  // (where no answer has started) and the program's end answers at once; false when it did.
  bool WhileBoxUp(Stage box, const std::function<void()>& show);
  std::optional<exchange::FileFailure> Read();
  exchange::FileResult WriteBack();
  // Writes the answer (the commands, or "hq"), releases the state and closes the window. While
  // the answer cannot be written and `ask` holds, asks: Retry writes it again; Cancel gives it up
  // as Cancel would, so that the host never reads its own input back ("hq" where the file can be
  // written now, else the file deleted where it can be).
  void Answer(bool ask);

  DialogView& view_;
  exchange::WaitPacing pacing_;
  exchange::ExchangeState state_;
  std::optional<std::filesystem::path> exchangeFile_;
  numeric::Separators separators_;
  Stage stage_ = Stage::kUnread;
  bool closeKept_ = false;  // came while the file was read or a box was up
};

}  // namespace morven::tool
