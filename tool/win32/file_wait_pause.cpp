#include "tool/win32/file_wait_pause.h"

#include <windows.h>

namespace morven::tool::win32 {
namespace {

BOOL CALLBACK Repaint(HWND window, LPARAM) {
  UpdateWindow(window);
  return TRUE;
}

}  // namespace

// Only paints: a message handled here could close the dialog in the middle of the step that
// waits.
void PauseKeepingWindowsDrawn(std::chrono::milliseconds time) {
  using std::chrono::steady_clock;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  const steady_clock::time_point end = steady_clock::now() + time;
  for (auto left = time; left.count() > 0;
       left = std::chrono::ceil<std::chrono::milliseconds>(end - steady_clock::now())) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_PAINT);
    EnumThreadWindows(GetCurrentThreadId(), Repaint, 0);
  }
}

}  // namespace morven::tool::win32
