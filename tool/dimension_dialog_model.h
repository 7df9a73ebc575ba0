#pragma once

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
#include "tool/horizontal_dimension.h"

// The dialog's life without a window. A view calls, in one run: ReadOnFirstShow once its window
// is on the screen, BuildOnOk for OK, and WriteBackOnClose for every way of closing (OK after a
// build, Cancel, Esc, the close box, Alt+F4, the system menu). The exchange file is read at most
// once, again only when the user asks after it could not be read, and answered once.
//
// When the host's file is there but cannot be read (another program holds it past the wait, no
// permission), or the answer cannot be written, the model asks the user through the view's
// RetryAsker, Retry or Cancel, as often as the user retries. A FIFO, a device or a folder in the
// file's place is not asked about: it is never the host's.
namespace morven::tool {

// Shows the question (Shift_JIS) with Retry, the default, and Cancel; true for Retry. The model
// may have been closed from outside while it was up.
using RetryAsker = std::function<bool(const std::string& question)>;

struct OkOutcome {
  enum class Kind {
    kBuilt,    // the dimension is in the command buffer: close the form
    kRefused,  // an entry is invalid: move the focus to `focus`, nothing else
    kFailed,   // show `message` in an error box captioned with the application title
    kIgnored,  // the form is closing already
  };
  Kind kind = Kind::kIgnored;
  ControlRole focus = ControlRole::kStartMarkList;
  std::string message;  // Shift_JIS
};

class DimensionDialogModel {
 public:
  // `programFolder` holds the exchange file; nothing when the program's folder is unknown, and
  // then nothing is read and nothing written. `separators` are the user's regional ones. A file
  // held by another program is waited for with `pause` (a view keeps its window drawn).
  DimensionDialogModel(std::optional<std::filesystem::path> programFolder,
                       numeric::Separators separators, exchange::PauseFunction pause = nullptr);
  ~DimensionDialogModel();
  DimensionDialogModel(const DimensionDialogModel&) = delete;
  DimensionDialogModel& operator=(const DimensionDialogModel&) = delete;

  // Resets the exchange state, reads the exchange file (a missing one leaves the start values)
  // and resets the command writer. Only the first call before the close does anything. While the
  // file is there but cannot be read, asks: Retry reads it again from the start values, Cancel
  // closes as CloseWithoutAsking does. True when the file was read and the model is still open:
  // the view then fills its text-type list, once; false and Closed() when the view is to close.
  bool ReadOnFirstShow(const RetryAsker& askToRetry);
  bool HasRead() const { return read_; }

  // The text-type list's eleven items, Shift_JIS; item 0 is selected when the list is filled.
  std::vector<std::string> TextTypeItems() const;

  // Validates the entries and builds the dimension; reads the file first, without asking, when
  // that has not happened yet (nothing is built from a file that could not be read).
  OkOutcome BuildOnOk(const DimensionEntries& entries);

  // Writes the exchange file back (the commands, or "hq") and releases the exchange state. While
  // the answer cannot be written, asks: Retry writes it again; Cancel, or nobody to ask, gives it
  // up as Cancel would (so that the host never reads its own input back: "hq" where the file can
  // be written now, else the file deleted where it can be). Once closed, nothing more.
  void WriteBackOnClose(const RetryAsker& askToRetry = nullptr);
  // Closing without a question (the session ends): one attempt to answer, then the state is
  // released.
  void CloseWithoutAsking();
  bool Closed() const { return closed_; }

  numeric::Separators Separators() const { return separators_; }
  const exchange::ExchangeState& State() const { return state_; }

 private:
  std::optional<std::filesystem::path> ExchangeFilePath() const;
  void Read();
  exchange::FileResult TryWriteBack();
  void GiveUpAnswer();
  void Release();

  exchange::ExchangeState state_;
  std::optional<std::filesystem::path> programFolder_;
  numeric::Separators separators_;
  exchange::PauseFunction pause_;

  bool read_ = false;
  std::optional<exchange::FileFailure> readFailure_;  // the file is there and was not read
  bool closed_ = false;
};

}  // namespace morven::tool
