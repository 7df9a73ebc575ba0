#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "tool/pixel_geometry.h"

namespace morven::tool::win32 {

// What the dialog asks of the desktop around it: where the pointer is, the usable area of the
// screen under a point, a message box, which answers the button pressed (IDOK, IDRETRY,
// IDCANCEL), and how its input method treats a window without an input context. Tests put their
// own in; whoever makes one sets every member.
struct Desktop {
  std::function<POINT()> cursorPosition;
  std::function<std::optional<PixelRect>(POINT)> workAreaAt;
  std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style)>
      showMessageBox;
  // Wine's bridge to the X11 input method composes in a window without an input context all the
  // same, then drops what it commits there.
  bool composesWithoutInputContext;
};

// The system's own: GetCursorPos, the work area of the monitor nearest the point, MessageBoxW,
// and whether it runs under Wine.
Desktop SystemDesktop();

}  // namespace morven::tool::win32
