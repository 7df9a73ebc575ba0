// The program unit for Windows: one dialog, run once. The command line is not read.
#include <windows.h>

#include "tool/win32/dimension_window.h"
#include "tool/win32/system_settings.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace morven::tool::win32;
  DimensionWindow window(ProgramFolder(), UserSeparators());
  if (window.Create(instance) && window.Show(showCommand)) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (window.HandleDialogKey(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  window.End();
  return 0;
}
