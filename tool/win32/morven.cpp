// The program unit for Windows: one dialog, run once. The command line is not read.
#include <windows.h>

#include "tool/dimension_dialog_model.h"
#include "tool/win32/dimension_window.h"
#include "tool/win32/file_wait_pause.h"
#include "tool/win32/system_settings.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace morven::tool;
  DimensionDialogModel model(win32::ProgramFolder(), win32::UserSeparators(),
                             win32::PauseKeepingWindowsDrawn);
  {
    win32::DimensionWindow window(model);
    if (window.Create(instance)) {
      window.Show(showCommand);
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.HandleDialogKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  // Also when the system refused the window: the host must not read its own input back as
  // drawing commands. Once written, this does nothing.
  model.WriteBackOnClose();
  return 0;
}
