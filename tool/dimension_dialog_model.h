#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
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
// permission), or the answer cannot be written, the view asks the user, with Retry and Cancel:
//   ReadOnFirstShow(); while (ReadFailed()) Retry ? ReadAgain() : (CloseWithoutAsking(), close)
//   while (!WriteBackOnClose()) Retry ? (again) : GiveUpAnswer(); then close
// A FIFO, a device or a folder in the file's place is not asked about: it is never the host's.
namespace morven::tool {

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
  // and resets the command writer. Only the first call before the close does anything; it
  // answers true, so that the view fills its text-type list once.
  bool ReadOnFirstShow();
  bool HasRead() const { return read_; }
  // The file is there but could not be read: the view asks whether to read it again.
  bool ReadFailed() const { return readFailed_; }
  // Reads the file again, from the start values; the text-type list is to be filled anew.
  void ReadAgain();

  // The text-type list's eleven items, Shift_JIS; item 0 is selected when the list is filled.
  std::vector<std::string> TextTypeItems() const;

  // Validates the entries and builds the dimension; reads the file first when that has not
  // happened yet.
  OkOutcome BuildOnOk(const DimensionEntries& entries);

  // Writes the exchange file back (the commands, or "hq") and releases the exchange state; true
  // when the dialog may close. False, the state kept, when the answer could not be written: the
  // view asks, then calls this again or GiveUpAnswer. Once closed, true and nothing more.
  bool WriteBackOnClose();
  // Closing without a question (the user cancelled after a failed read, the session ends): one
  // attempt to answer, then the state is released.
  void CloseWithoutAsking();
  // The user gave up on an answer that could not be written: answered as Cancel is, so that the
  // host never reads its own input back ("hq" where the file can be written now, else the file
  // deleted where it can be), then the state is released.
  void GiveUpAnswer();
  bool Closed() const { return closed_; }

  numeric::Separators Separators() const { return separators_; }
  const exchange::ExchangeState& State() const { return state_; }

 private:
  std::optional<std::filesystem::path> ExchangeFilePath() const;

  exchange::ExchangeState state_;
  std::optional<std::filesystem::path> programFolder_;
  numeric::Separators separators_;
  exchange::PauseFunction pause_;
  bool TryWriteBack();
  void Release();

  bool read_ = false;
  bool readFailed_ = false;
  bool closed_ = false;
};

}  // namespace morven::tool
