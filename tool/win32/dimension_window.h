#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tool/dimension_dialog_model.h"
#include "tool/form_desktop.h"
#include "tool/form_layout.h"
#include "tool/win32/byte_limited_edit.h"
#include "tool/win32/form_desktop.h"
#include "tool/win32/gdi_handles.h"

// The dialog "水平寸法の作図" as a Win32 window, drawn from the form's layout table. It forwards
// its events to the dialog model, which holds the conversation: the file is read once the window is
// on the screen; OK, and every way of closing (Cancel, Alt+N, Esc, the close box, Alt+F4, the
// system menu, another program's WM_CLOSE), reach the model, which answers before it closes the
// window. The end of the Windows session reaches it as the program's end, which answers at once
// without a box.
namespace morven::tool::win32 {

class DimensionWindow : public DialogView {
 public:
  // `programFolder` holds JWC_TEMP.TXT; `separators` are the user's; `clock` times the waits for
  // a held file (nullptr: the steady clock).
  DimensionWindow(std::optional<std::filesystem::path> programFolder,
                  numeric::Separators separators, Desktop desktop = SystemDesktop(),
                  std::function<std::chrono::steady_clock::time_point()> clock = nullptr);
  ~DimensionWindow();
  DimensionWindow(const DimensionWindow&) = delete;
  DimensionWindow& operator=(const DimensionWindow&) = delete;

  // Makes the window, hidden, with the form's icon from the resources of `instance`; false when
  // the system refuses.
  bool Create(HINSTANCE instance);
  // Places the window under the cursor, shows it and has the exchange file read; false when the
  // system refuses its controls.
  bool Show(int showCommand);
  // The program's life: makes the window, shows it and runs its loop until the window closes or
  // the loop ends otherwise (another program may post WM_QUIT to the thread); however that goes,
  // the host gets its answer. The program's exit code.
  int Run(HINSTANCE instance, int showCommand);
  // The program must end (the system refused the window, the loop ended without a close): the
  // host gets its answer at once, without a box.
  void End();
  // Tab, Enter, Esc and the access keys, for the message loop; true when the key was taken.
  bool HandleDialogKey(MSG& message);

  // Null before Create and after the window has closed.
  HWND Handle() const { return window_; }
  HWND Control(ControlRole role) const;

  int ListChoice(ControlRole list) const override;
  std::string FieldText(ControlRole field) const override;
  void FillList(ControlRole list, const std::vector<std::string>& items) override;
  void FocusAndSelect(ControlRole field) override;
  void ShowError(const std::string& message) override;
  // Keys pressed before the box were meant for it: they are dropped. Those it leaves go when the
  // event that showed it ends.
  bool AskRetryOrCancel(const std::string& question) override;
  // Only paints, with the wait cursor: a message handled here could close the dialog in the
  // middle of the step that waits. Input waits in the queue.
  void PauseWhileFileHeld(std::chrono::milliseconds time) override;
  void Close() override;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void LayOut(FormScale scale, const RECT& place);
  bool CreateControls();
  void OnCommand(int id, int notification);
  // Passes an event that may read the file on to the model.
  void Forward(void (DimensionDialogModel::*event)());
  void OnFocusMoved(ControlRole control);
  void OnDeactivate();
  void OnFocus();
  LRESULT OnControlColor(HDC context);
  void OnEraseBackground(HDC context);

  Desktop desktop_;
  FormScale scale_;
  FormColours colours_{};
  UniqueFont font_;
  UniqueBrush background_;
  UniqueIcon smallIcon_;
  UniqueIcon bigIcon_;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // by role
  std::vector<std::unique_ptr<ByteLimitedEdit>> limitedFields_;
  HWND focusToRestore_ = nullptr;
  ControlRole formDefaultButton_ = ControlRole::kOkButton;  // the table's
  ControlRole defaultButton_ = ControlRole::kOkButton;      // the focused button, else the table's
  int boxesShown_ = 0;
  DimensionDialogModel model_;
};

}  // namespace morven::tool::win32
