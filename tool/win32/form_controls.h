#pragma once

#include <windows.h>

#include <optional>
#include <span>

#include "tool/form_desktop.h"
#include "tool/form_layout.h"

namespace morven::tool::win32 {

// A control's ID is its place in the layout table.
int ControlId(ControlRole role);
std::optional<ControlRole> RoleOfId(int id);

// A push button's style: with the default frame (Enter presses it) or without; either tells the
// window when it takes the focus.
DWORD ButtonStyle(bool isDefault);

// The Win32 control for one row of the layout table, made a child of `form` with the row's ID,
// text and style: a label, a drop-down list with its opening items, an edit field or a push
// button (the default one framed). It is placed by PlaceControls; null when the system refuses.
HWND MakeControl(const ControlSpec& row, HWND form);

// Gives every control (`controls` by role) the font and places it at the scale: the table's
// rectangle, a label as wide as its text in that font, a list's items and closed field at the
// scaled heights. Called again when the window moves to a screen of another resolution.
void PlaceControls(std::span<const HWND> controls, HFONT font, FormScale scale);

}  // namespace morven::tool::win32
