#pragma once

#include <filesystem>

#include "exchange/file_failure.h"
#include "exchange/locked_file_wait.h"

namespace morven::exchange {

struct ExchangeState;

// Overwrites the file with the command buffer (CR LF line ends, a head entry ending in a double
// quote joined with the entry after it), or with "hq" when the buffer is empty. Only a regular
// file is written (a symbolic link is followed); a FIFO or a device at the name is not opened.
// An existing file is truncated, not made anew. On any failure, a failed final flush included,
// the file is closed, the name is deleted when it is a regular file or a symbolic link (never a
// device, a FIFO or a folder), and the result is why the answer could not be written (not why a
// delete after it failed); it never throws. Writing and deleting
// share one LockedFileWait (on Windows, see regular_file.h), at `pacing`.
FileResult WriteBackExchangeFile(const ExchangeState& state, const std::filesystem::path& fileName,
                                 WaitPacing pacing = {});

}  // namespace morven::exchange
