#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "exchange/regular_file.h"

namespace morven::exchange {

namespace {

FileFailure FailureOf(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
      return FileFailure::kNoPermission;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:  // a size limit leaves no room as a full disk does
      return FileFailure::kDiskFull;
    case EBUSY:
    case ETXTBSY:
    case EAGAIN:
      return FileFailure::kHeldByAnotherProgram;
    default:
      return FileFailure::kOther;
  }
}

// The descriptor as a stream when it is a regular file, back in blocking mode; else it is closed.
OpenedFile StreamOfRegularFile(int fd, bool truncate, const char* mode) {
  if (fd < 0) return {nullptr, FailureOf(errno)};
  struct stat status {};
  const int flags = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0 ||
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 || (truncate && ::ftruncate(fd, 0) != 0)) {
    const FileFailure failure = S_ISREG(status.st_mode) ? FailureOf(errno) : FileFailure::kOther;
    ::close(fd);
    return {nullptr, failure};
  }
  std::FILE* const file = ::fdopen(fd, mode);
  if (file != nullptr) return {file, FileFailure::kOther};
  const FileFailure failure = FailureOf(errno);
  ::close(fd);
  return {nullptr, failure};
}

// Nothing to open: what the failed look at the path said, else kOther.
OpenedFile NotOpened(PathContent found) {
  return {nullptr, found == PathContent::kUnknown ? FailureOf(errno) : FileFailure::kOther};
}

}  // namespace

PathContent WhatIsAt(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? PathContent::kNothing : PathContent::kUnknown;
  }
  return S_ISREG(status.st_mode) ? PathContent::kRegularFile : PathContent::kNotAFile;
}

OpenedFile OpenRegularFileForReading(const std::filesystem::path& path, LockedFileWait&) {
  const PathContent found = WhatIsAt(path);
  if (found != PathContent::kRegularFile) return NotOpened(found);
  // O_NONBLOCK: should a FIFO have taken the file's place since, opening it does not wait.
  return StreamOfRegularFile(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC),
                             false, "rb");
}

OpenedFile OpenRegularFileForWriting(const std::filesystem::path& path, LockedFileWait&) {
  const PathContent found = WhatIsAt(path);
  if (found == PathContent::kNotAFile || found == PathContent::kUnknown) return NotOpened(found);
  // Truncated only once it is known to be a regular file.
  return StreamOfRegularFile(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666), true,
      "wb");
}

FileFailure LastStreamFailure() {
  return FailureOf(errno);
}

void RemoveRegularFile(const std::filesystem::path& path, LockedFileWait&) {
  std::error_code error;
  const auto status = std::filesystem::symlink_status(path, error);
  if (!error && (std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status))) {
    std::filesystem::remove(path, error);
  }
}

}  // namespace morven::exchange
