#pragma once

#include <optional>

namespace morven::exchange {

// Why a step on the exchange file failed, as far as the system tells: what was found at its name,
// or what the user may mend before trying again.
enum class FileFailure {
  kNothingThere,          // no file at the name, or no folder for it
  kNotARegularFile,       // a FIFO, a device, a socket or a folder: never the host's file
  kHeldByAnotherProgram,  // open without sharing, or locked, past the wait
  kNoPermission,          // the file, or its folder, may not be read or written
  kDiskFull,              // no room for the answer
  kOther,
};

// What became of one step on the exchange file: done, or the failure that ended it.
class FileResult {
 public:
  FileResult() = default;
  FileResult(FileFailure failure) : failure_(failure) {}  // implicit: a failure is a result

  explicit operator bool() const { return !failure_; }
  std::optional<FileFailure> Failure() const { return failure_; }

 private:
  std::optional<FileFailure> failure_;
};

}  // namespace morven::exchange
