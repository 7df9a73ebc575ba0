#include "tool/win32/form_placement.h"

#include <optional>

#include "tool/form_placement.h"

namespace morven::tool::win32 {

void MoveUnderCursor(HWND window, const Desktop& desktop) {
  const POINT cursor = desktop.cursorPosition();
  const std::optional<PixelRect> workArea = desktop.workAreaAt(cursor);
  const POINT again = desktop.cursorPosition();
  RECT frame{};
  GetWindowRect(window, &frame);
  const PixelPoint place =
      PlaceUnderCursor({cursor.x, cursor.y}, {again.x, again.y},
                       {frame.right - frame.left, frame.bottom - frame.top}, workArea);
  SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace morven::tool::win32
