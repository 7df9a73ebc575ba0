#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <io.h>
#include <stdio.h>
#include <windows.h>

#include "exchange/regular_file.h"

namespace morven::exchange {

namespace {

// The stream when its handle is a disk file (not a pipe or a character device); else it is closed.
std::FILE* KeepDiskFile(std::FILE* file) {
  if (file == nullptr) return nullptr;
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
  if (handle != INVALID_HANDLE_VALUE && ::GetFileType(handle) == FILE_TYPE_DISK) return file;
  std::fclose(file);
  return nullptr;
}

}  // namespace

std::FILE* OpenRegularFileForReading(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::status(path, error))) return nullptr;
  return KeepDiskFile(::_wfopen(path.c_str(), L"rb"));
}

std::FILE* OpenRegularFileForWriting(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return nullptr;
  return KeepDiskFile(::_wfopen(path.c_str(), L"wb"));
}

}  // namespace morven::exchange
