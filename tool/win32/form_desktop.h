#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "tool/form_desktop.h"
#include "tool/win32/gdi_handles.h"

// The form on the user's desktop, in Win32: what the dialog asks of the desktop around it, the
// form's font, colours and place, and the window's resolution.
namespace morven::tool::win32 {

// Where the pointer is, the usable area of the screen under a point, a message box, which
// answers the button pressed (IDOK, IDRETRY, IDCANCEL), and how its input method treats a window
// without an input context. Tests put their own in; whoever makes one sets every member.
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

// The form's font: "ＭＳ ゴシック", Shift_JIS, regular, 13 pixels high at 96 DPI and scaled with
// the window's resolution.
UniqueFont FormFont(FormScale scale);

// The form's text and background by the rule of tool/form_desktop.h, from the system's window
// and window-text colours and its high-contrast setting (which Wine never sets: its colours
// decide there).
FormColours ChooseFormColours();

// A colour of the form (0xRRGGBB) as GDI takes it.
constexpr COLORREF ColorFromRgb(unsigned rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Moves the window under the pointer by the rule of tool/form_desktop.h, with its outer size as
// it is now: the pointer read twice, the work area of the screen under it between the readings.
void PlaceUnderPointer(HWND window, const Desktop& desktop);

// The window's own resolution where the system tells it per window, else the screen's. The call
// that tells it per monitor is looked up when the program runs, so that it still starts on
// systems that lack it.
FormScale ScaleOf(HWND window);
FormScale ScreenScale();

// Moves the window's top-left corner to `topLeft` and sizes it so that its client area has that
// size, with its frame as the system draws it.
void SetClientArea(HWND window, PixelPoint topLeft, PixelSize client);

}  // namespace morven::tool::win32
