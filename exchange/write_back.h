#pragma once

#include <filesystem>

namespace morven::exchange {

struct ExchangeState;

// Overwrites the file with the command buffer (CR LF line ends, a head entry ending in a double
// quote joined with the entry after it), or with "hq" when the buffer is empty. On any failure
// the file is closed and deleted and the result is false; it never throws.
bool WriteBackExchangeFile(const ExchangeState& state, const std::filesystem::path& fileName);

}  // namespace morven::exchange
