// Holds a file open without sharing it, as a virus scanner, a backup tool or a sync client may,
// for the Windows tests of the exchange file:   exchange_file_holder.exe FILE MILLISECONDS
// Exit code 0 after holding FILE that long, 1 when it could not be opened, 2 for a wrong call.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  // The test looks for the moment the file is held by opening it itself, briefly.
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int tries = 0; tries < 500 && file == INVALID_HANDLE_VALUE; ++tries) {
    file = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_SHARING_VIOLATION) return 1;
    if (file == INVALID_HANDLE_VALUE) Sleep(10);
  }
  if (file == INVALID_HANDLE_VALUE) return 1;
  Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
  CloseHandle(file);
  return 0;
}
