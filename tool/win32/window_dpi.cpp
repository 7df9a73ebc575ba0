#include "tool/win32/window_dpi.h"

namespace morven::tool::win32 {
namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiCall = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <class Call>
Call User32Call(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Call>(reinterpret_cast<void*>(found));
}

}  // namespace

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
