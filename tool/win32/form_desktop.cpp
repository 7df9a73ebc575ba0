#include "tool/win32/form_desktop.h"

#include <cwchar>

#include "tool/form_layout.h"
#include "tool/form_texts.h"
#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {
namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

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
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : FormScale::kDesignDpi;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return FormScale(dpi);
}

void SetClientArea(HWND window, PixelPoint topLeft, PixelSize client, FormScale scale) {
  static const auto adjustForDpi =
      User32Call<AdjustWindowRectExForDpiCall>("AdjustWindowRectExForDpi");
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  RECT outer{0, 0, client.width, client.height};
  if (adjustForDpi != nullptr) {
    adjustForDpi(&outer, style, FALSE, exStyle, static_cast<UINT>(scale.Dpi()));
  } else {
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  }
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(window, nullptr, topLeft.x, topLeft.y, width, height, kPlace);
  RECT shown{};
  GetClientRect(window, &shown);
  SetWindowPos(window, nullptr, 0, 0, width + client.width - shown.right,
               height + client.height - shown.bottom, kPlace | SWP_NOMOVE);
}

}  // namespace morven::tool::win32
