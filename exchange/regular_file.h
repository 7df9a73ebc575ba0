#pragma once

#include <cstdio>
#include <filesystem>

#include "exchange/file_failure.h"

// Opening and deleting the exchange file only when it is a regular file, never waiting on it for
// long. A FIFO, a device, a socket or a folder at the name (also behind a symbolic link, which is
// followed) is a file that cannot be used: it is not opened for writing at all, what is opened
// for reading is closed again at once, and it is never deleted. The one place with calls of the
// operating system: regular_file_posix.cpp and regular_file_windows.cpp, chosen by the build.
//
// On Windows, besides: a path of any length is used (LongPathForm); a file that another program
// holds open without sharing it is tried again until the step's LockedFileWait runs out; and a
// read-only attribute in the way of writing or deleting is cleared, the file's other attributes
// staying as they are.
namespace morven::exchange {

class LockedFileWait;

// A stream that was opened, or why none was: a failure exactly when there is no stream.
struct OpenedFile {
  std::FILE* file = nullptr;
  FileResult result;
};

// The file open for reading in binary mode, or no stream when nothing is at the path
// (kNothingThere), it is not a regular file (kNotARegularFile) or it cannot be opened. Other
// programs may read and write it meanwhile.
OpenedFile OpenRegularFileForReading(const std::filesystem::path& path, LockedFileWait& wait);

// The file created, or an existing regular file truncated to zero length (opened, never made
// anew, so that its attributes do not matter), open for writing in binary mode; no stream when
// something other than a regular file is at the path (kNotARegularFile: nothing is then opened or
// changed) or it cannot be created or truncated. Other programs may read it meanwhile.
OpenedFile OpenRegularFileForWriting(const std::filesystem::path& path, LockedFileWait& wait);

// Why the last read, write, flush or close of a stream on this thread failed; asked right after.
FileFailure LastStreamFailure();

// Deletes what is at the path when it is a regular file or a symbolic link (never a device, a
// FIFO or a folder). A failure is not reported: there is nothing more the caller could do.
void RemoveRegularFile(const std::filesystem::path& path, LockedFileWait& wait);

}  // namespace morven::exchange
