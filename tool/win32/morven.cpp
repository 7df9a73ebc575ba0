// The program unit for Windows: one dialog, run once. The command line is not read.
#include <windows.h>

#include "tool/win32/dimension_window.h"
#include "tool/win32/system_settings.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  using namespace morven::tool::win32;
  DimensionWindow window(ProgramFolder(), UserSeparators());
  return window.Run(instance, showCommand);
}
