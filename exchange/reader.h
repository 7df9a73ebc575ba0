#pragma once

#include <filesystem>
#include <string_view>

#include "exchange/applied_row.h"

namespace morven::exchange {

struct ExchangeState;

// Reads the exchange file line by line into the state. False when no regular file is at the path
// or it cannot be opened (the state is then untouched: a FIFO or a device is never read), or when
// reading failed part-way (what was read before stays).
bool ReadExchangeFile(ExchangeState& state, const std::filesystem::path& path);

// Splits one line (without its line end) into tokens and applies it to the state; tells which
// keyword row applied. Lines taken from SplitFileLines and read in order give the state that
// ReadExchangeFile gives.
AppliedRow ParseExchangeLine(ExchangeState& state, std::string_view line);

}  // namespace morven::exchange
