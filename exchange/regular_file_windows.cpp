#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "exchange/locked_file_wait.h"
#include "exchange/long_path.h"
#include "exchange/regular_file.h"

namespace morven::exchange {

namespace {

constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;

// The attributes that SetFileAttributesW takes; the others are the file system's to set.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_TEMPORARY;

bool HeldByAnotherProgram(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

FileFailure FailureOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return FileFailure::kNothingThere;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:  // a viewer has it mapped: it cannot be cut short
      return FileFailure::kHeldByAnotherProgram;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return FileFailure::kNoPermission;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileFailure::kDiskFull;
    default:
      return FileFailure::kOther;
  }
}

// Clears the read-only attribute of a file that has it, and only that one; false when there was
// none to clear or it could not be cleared.
bool ClearReadOnly(const std::wstring& name) {
  const DWORD attributes = ::GetFileAttributesW(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kNotAFile) != 0 ||
      (attributes & FILE_ATTRIBUTE_READONLY) == 0) {
    return false;
  }
  const DWORD kept = attributes & kSettableAttributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
  return ::SetFileAttributesW(name.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL) != 0;
}

// Calls `attempt` until it succeeds (true) or fails for good. A failure because another program
// holds the file is tried again while `wait` has time; one for a read-only attribute once more
// after clearing it, when `clearReadOnly`.
template <class Attempt>
void Retried(const std::wstring& name, LockedFileWait& wait, bool clearReadOnly, Attempt attempt) {
  for (;;) {
    if (attempt()) return;
    const DWORD error = ::GetLastError();
    if (error == ERROR_ACCESS_DENIED && clearReadOnly && ClearReadOnly(name)) {
      clearReadOnly = false;
      continue;
    }
    if (!HeldByAnotherProgram(error) || !wait.PauseBeforeRetry()) return;
  }
}

HANDLE Opened(const std::wstring& name, LockedFileWait& wait, DWORD access, DWORD sharing,
              DWORD disposition, bool clearReadOnly) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  Retried(name, wait, clearReadOnly, [&] {
    handle = ::CreateFileW(name.c_str(), access, sharing, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return handle != INVALID_HANDLE_VALUE;
  });
  return handle;
}

// An empty file is left as it is: Wine's server extends a file by a byte to truncate it to the
// size it already has, which fails on a full disk.
bool Truncated(HANDLE handle) {
  LARGE_INTEGER size{};
  return ::GetFileSizeEx(handle, &size) && (size.QuadPart == 0 || ::SetEndOfFile(handle));
}

// Why the file could not be opened: a folder at the name is no file at all, whatever the system
// said of it (it refuses to open a folder as a file for want of permission).
FileFailure FailureToOpen(const std::wstring& name, DWORD error) {
  const DWORD attributes = ::GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotAFile) != 0) {
    return FileFailure::kNotARegularFile;
  }
  return FailureOf(error);
}

// The file as a C stream when it could be opened and is a disk file (not a pipe or a character
// device), truncated when asked; else the handle is closed.
OpenedFile StreamOfDiskFile(const std::wstring& name, HANDLE handle, bool truncate, int flags,
                            const char* mode) {
  if (handle == INVALID_HANDLE_VALUE) return {nullptr, FailureToOpen(name, ::GetLastError())};
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    return {nullptr, FileFailure::kNotARegularFile};
  }
  if (truncate && !Truncated(handle)) {
    const FileFailure failure = FailureOf(::GetLastError());
    ::CloseHandle(handle);
    return {nullptr, failure};
  }
  const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), flags | _O_BINARY);
  if (fd == -1) {
    ::CloseHandle(handle);
    return {nullptr, FileFailure::kOther};
  }
  std::FILE* const file = ::_fdopen(fd, mode);
  if (file != nullptr) return {file, {}};
  ::_close(fd);
  return {nullptr, FileFailure::kOther};
}

}  // namespace

OpenedFile OpenRegularFileForReading(const std::filesystem::path& path, LockedFileWait& wait) {
  const std::wstring name = LongPathForm(path).native();
  return StreamOfDiskFile(
      name,
      Opened(name, wait, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, false),
      false, _O_RDONLY, "rb");
}

OpenedFile OpenRegularFileForWriting(const std::filesystem::path& path, LockedFileWait& wait) {
  const std::wstring name = LongPathForm(path).native();
  // Opened, not made anew: creating over a hidden or system file fails unless the same
  // attributes are asked for.
  return StreamOfDiskFile(name,
                          Opened(name, wait, GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS, true),
                          true, _O_WRONLY, "wb");
}

FileFailure LastStreamFailure() {
  return FailureOf(::GetLastError());
}

void RemoveRegularFile(const std::filesystem::path& path, LockedFileWait& wait) {
  const std::wstring name = LongPathForm(path).native();
  const DWORD attributes = ::GetFileAttributesW(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & kNotAFile) != 0) return;
  Retried(name, wait, true, [&] { return ::DeleteFileW(name.c_str()) != 0; });
}

}  // namespace morven::exchange
