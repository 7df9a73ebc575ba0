#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "tool/pixel_geometry.h"

namespace morven::tool::win32 {

// What the dialog asks of the desktop around it: where the pointer is, the usable area of the
// screen under a point, and a message box, which answers the button pressed (IDOK, IDRETRY,
// IDCANCEL). Tests put their own in.
struct Desktop {
  std::function<POINT()> cursorPosition;
  std::function<std::optional<PixelRect>(POINT)> workAreaAt;
  std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style)>
      showMessageBox;
};

// The system's own: GetCursorPos, the work area of the monitor nearest the point, MessageBoxW.
Desktop SystemDesktop();

}  // namespace morven::tool::win32
