#pragma once

#include <cstdio>
#include <filesystem>

// Opening the exchange file only when it is a regular file, never waiting on it. A FIFO, a device,
// a socket or a folder at the name (also behind a symbolic link, which is followed) is a file
// that cannot be used: it is not opened for writing at all, and what is opened for reading is
// closed again at once. The one place with calls of the operating system: regular_file_posix.cpp
// and regular_file_windows.cpp, chosen by the build.
namespace morven::exchange {

// The file open for reading in binary mode, or nullptr when nothing is at the path, it is not a
// regular file or it cannot be opened.
std::FILE* OpenRegularFileForReading(const std::filesystem::path& path);

// The file created, or an existing regular file truncated to zero length, open for writing in
// binary mode; nullptr when something other than a regular file is at the path (nothing is then
// opened or changed) or it cannot be created or truncated.
std::FILE* OpenRegularFileForWriting(const std::filesystem::path& path);

}  // namespace morven::exchange
