#pragma once

#include <filesystem>
#include <string_view>

#include "exchange/applied_row.h"
#include "exchange/file_failure.h"
#include "exchange/locked_file_wait.h"

namespace morven::exchange {

struct ExchangeState;

// Reads the exchange file line by line into the state. A failure when no regular file is at the
// path (kNothingThere, or kNotARegularFile: a FIFO or a device is never read) or it cannot be
// opened, the state then untouched, or when reading failed part-way (what was read before stays).
// A file held by another program is waited for at `pacing` (see locked_file_wait.h).
FileResult ReadExchangeFile(ExchangeState& state, const std::filesystem::path& path,
                            WaitPacing pacing = {});

// Splits one line (without its line end) into tokens and applies it to the state; tells which
// keyword row applied. Lines taken from SplitFileLines and read in order give the state that
// ReadExchangeFile gives.
AppliedRow ParseExchangeLine(ExchangeState& state, std::string_view line);

}  // namespace morven::exchange
