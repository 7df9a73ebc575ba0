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
// waits. A paint may end the pause early; the file wait only tries once more.
void PauseKeepingWindowsDrawn(std::chrono::milliseconds time) {
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(time.count()), QS_PAINT);
  EnumThreadWindows(GetCurrentThreadId(), Repaint, 0);
}

}  // namespace morven::tool::win32
