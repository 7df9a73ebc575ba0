#pragma once

#include <string_view>

// The file the host and the program hand each other, in the program's own folder.
namespace morven::exchange {

inline constexpr const char* kExchangeFileName = "JWC_TEMP.TXT";

// The whole answer when the program wrote no command.
inline constexpr std::string_view kNothingDrawnLine = "hq";

}  // namespace morven::exchange
