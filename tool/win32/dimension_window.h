#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tool/dimension_dialog_model.h"
#include "tool/form_layout.h"
#include "tool/win32/gdi_handles.h"

// The dialog "水平寸法の作図" as a Win32 window, drawn from the form's layout table and driven by
// the dialog model: the file is read once the window is on the screen, and every way of closing
// (OK, Cancel, Alt+N, Esc, the close box, Alt+F4, the system menu) writes it back once through
// the one close handler.
namespace morven::tool::win32 {

class DimensionWindow {
 public:
  explicit DimensionWindow(DimensionDialogModel& model);
  ~DimensionWindow();
  DimensionWindow(const DimensionWindow&) = delete;
  DimensionWindow& operator=(const DimensionWindow&) = delete;

  // Makes the window with its controls, hidden; false when the system refuses.
  bool Create(HINSTANCE instance);
  // Places the window under the cursor, shows it and has the exchange file read.
  void Show(int showCommand);
  // Tab, Enter, Esc and the access keys, for the message loop; true when the key was taken.
  bool HandleDialogKey(MSG& message);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  bool CreateControls();
  void OnFirstShown();
  void OnCommand(int id, int notification);
  void OnOk();
  void OnClose();
  void OnFieldEdited(ControlRole field);
  void OnFocusMoved(ControlRole control);
  void OnDeactivate();
  void OnFocus();
  LRESULT OnControlColor(HDC context);
  void OnEraseBackground(HDC context);

  void MoveUnderCursor();
  HWND Control(ControlRole role) const;
  DimensionEntries Entries() const;
  int ListChoice(ControlRole list) const;
  std::string FieldText(ControlRole field) const;

  DimensionDialogModel& model_;
  UniqueIcon smallIcon_;
  UniqueIcon bigIcon_;
  UniqueFont font_;
  UniqueBrush background_;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;              // by role
  std::vector<std::u16string> fieldTexts_;  // by role: each field's text within its byte limit
  HWND focusToRestore_ = nullptr;
  ControlRole formDefaultButton_ = ControlRole::kOkButton;  // the table's
  ControlRole defaultButton_ = ControlRole::kOkButton;      // the focused button, else the table's
  bool limitingField_ = false;
};

}  // namespace morven::tool::win32
