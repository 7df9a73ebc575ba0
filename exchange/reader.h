#pragma once

#include <filesystem>
#include <string_view>

namespace morven::exchange {

struct ExchangeState;

// Reads the exchange file line by line into the state. False when the file does not exist (the
// state is then untouched) or reading failed part-way (what was read before stays).
bool ReadExchangeFile(ExchangeState& state, const std::filesystem::path& path);

// Splits one line (without its line end) into tokens and applies it to the state.
void ParseExchangeLine(ExchangeState& state, std::string_view line);

}  // namespace morven::exchange
