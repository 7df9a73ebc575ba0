#include "tool/win32/desktop.h"

namespace morven::tool::win32 {

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

}  // namespace morven::tool::win32
