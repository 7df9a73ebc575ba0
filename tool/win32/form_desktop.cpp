#include "tool/win32/form_desktop.h"

#include <cwchar>

#include "tool/form_layout.h"
#include "tool/form_texts.h"
#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {
namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);

template <class Call>
Call User32Call(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Call>(reinterpret_cast<void*>(found));
}

unsigned RgbOf(COLORREF colour) {
  return (unsigned{GetRValue(colour)} << 16) | (unsigned{GetGValue(colour)} << 8) |
         unsigned{GetBValue(colour)};
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof(contrast);
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

Desktop SystemDesktop() {
  Desktop desktop{};
  desktop.cursorPosition = [] {
    POINT cursor{};
    GetCursorPos(&cursor);
    return cursor;
  };
  desktop.workAreaAt = [](POINT point) -> std::optional<PixelRect> {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor)) {
      return std::nullopt;
    }
    const RECT& work = monitor.rcWork;
    return PixelRectFromEdges(work.left, work.top, work.right, work.bottom);
  };
  desktop.showMessageBox = [](HWND owner, const std::wstring& text, const std::wstring& caption,
                              UINT style) {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
  };
  desktop.composesWithoutInputContext =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return desktop;
}

UniqueFont FormFont(FormScale scale) {
  // Zeroed, the rest is the system's default: regular weight, default precision and quality.
  LOGFONTW font{};
  font.lfHeight = -scale.Pixels(kFontPixels);
  font.lfCharSet = SHIFTJIS_CHARSET;
  const std::wstring face = WideFromCp932(kFormFontFamily);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return UniqueFont(CreateFontIndirectW(&font));
}

FormColours ChooseFormColours() {
  return tool::ChooseFormColours(RgbOf(GetSysColor(COLOR_WINDOWTEXT)),
                                 RgbOf(GetSysColor(COLOR_WINDOW)), HighContrastOn());
}

void PlaceUnderPointer(HWND window, const Desktop& desktop) {
  const POINT pointer = desktop.cursorPosition();
  const std::optional<PixelRect> workArea = desktop.workAreaAt(pointer);
  const POINT again = desktop.cursorPosition();
  RECT frame{};
  GetWindowRect(window, &frame);
  const PixelPoint place =
      tool::PlaceUnderPointer({pointer.x, pointer.y}, {again.x, again.y},
                              {frame.right - frame.left, frame.bottom - frame.top}, workArea);
  SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

FormScale ScaleOf(HWND window) {
  static const auto getDpiForWindow = User32Call<GetDpiForWindowCall>("GetDpiForWindow");
  if (getDpiForWindow != nullptr) return FormScale(static_cast<int>(getDpiForWindow(window)));
  return ScreenScale();
}

FormScale ScreenScale() {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return FormScale();
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return FormScale(dpi);
}

// Sized at the client area first, so that the frame is drawn at the window's resolution and can
// be measured: a system may draw it at another than it says (Wine).
void SetClientArea(HWND window, PixelPoint topLeft, PixelSize client) {
  constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(window, nullptr, topLeft.x, topLeft.y, client.width, client.height, kPlace);
  RECT outer{};
  RECT shown{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &shown);
  SetWindowPos(window, nullptr, topLeft.x, topLeft.y,
               outer.right - outer.left + client.width - shown.right,
               outer.bottom - outer.top + client.height - shown.bottom, kPlace);
}

}  // namespace morven::tool::win32
