#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tool/dimension_dialog_model.h"
#include "tool/form_colours.h"
#include "tool/form_layout.h"
#include "tool/form_scale.h"
#include "tool/win32/byte_limited_edit.h"
#include "tool/win32/desktop.h"
#include "tool/win32/gdi_handles.h"

// The dialog "水平寸法の作図" as a Win32 window, drawn from the form's layout table and driven by
// the dialog model: the file is read once the window is on the screen, and every way of closing
// (OK, Cancel, Alt+N, Esc, the close box, Alt+F4, the system menu, another program's WM_CLOSE,
// the end of the Windows session) writes it back once through the one close handler.
namespace morven::tool::win32 {

class DimensionWindow {
 public:
  explicit DimensionWindow(DimensionDialogModel& model, Desktop desktop = SystemDesktop());
  ~DimensionWindow();
  DimensionWindow(const DimensionWindow&) = delete;
  DimensionWindow& operator=(const DimensionWindow&) = delete;

  // Makes the window, hidden, with the form's icon from the resources of `instance`; false when
  // the system refuses.
  bool Create(HINSTANCE instance);
  // Places the window under the cursor, shows it and has the exchange file read.
  void Show(int showCommand);
  // Tab, Enter, Esc and the access keys, for the message loop; true when the key was taken.
  bool HandleDialogKey(MSG& message);

  // Null before Create and after the window has closed.
  HWND Handle() const { return window_; }
  HWND Control(ControlRole role) const;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void LayOut(FormScale scale, const RECT& place);
  bool CreateControls();
  void OnFirstShown();
  void OnCommand(int id, int notification);
  void OnOk();
  void OnClose();
  void CloseWithoutAsking();
  // An error box with Retry (the default) and Cancel (also Esc); true for Retry.
  bool AskToRetry(const std::string& question);
  void OnFocusMoved(ControlRole control);
  void OnDeactivate();
  void OnFocus();
  LRESULT OnControlColor(HDC context);
  void OnEraseBackground(HDC context);

  DimensionEntries Entries() const;
  int ListChoice(ControlRole list) const;
  std::string FieldText(ControlRole field) const;

  DimensionDialogModel& model_;
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
};

}  // namespace morven::tool::win32
