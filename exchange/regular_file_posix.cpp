#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

#include "exchange/regular_file.h"

namespace morven::exchange {

namespace {

FileFailure FailureOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileFailure::kNothingThere;
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
    const FileFailure failure =
        S_ISREG(status.st_mode) ? FailureOf(errno) : FileFailure::kNotARegularFile;
    ::close(fd);
    return {nullptr, failure};
  }
  std::FILE* const file = ::fdopen(fd, mode);
  if (file != nullptr) return {file, {}};
  const FileFailure failure = FailureOf(errno);
  ::close(fd);
  return {nullptr, failure};
}

// What is at a path, a symbolic link followed: a regular file (nothing), else why it cannot be
// opened as one: nothing there (a dangling link too), not a regular file, or what the failed look
// said (the folder may not be looked into).
std::optional<FileFailure> NoRegularFileAt(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return FailureOf(errno);
  if (!S_ISREG(status.st_mode)) return FileFailure::kNotARegularFile;
  return std::nullopt;
}

}  // namespace

OpenedFile OpenRegularFileForReading(const std::filesystem::path& path, LockedFileWait&) {
  if (const auto failure = NoRegularFileAt(path)) return {nullptr, *failure};
  // O_NONBLOCK: should a FIFO have taken the file's place since, opening it does not wait.
  return StreamOfRegularFile(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC),
                             false, "rb");
}

OpenedFile OpenRegularFileForWriting(const std::filesystem::path& path, LockedFileWait&) {
  const auto failure = NoRegularFileAt(path);
  if (failure && *failure != FileFailure::kNothingThere) return {nullptr, *failure};
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
