#pragma once

#include <string>
#include <string_view>

namespace MorvenHost {

// The Shift_JIS (code page 932) bytes as UTF-8, for showing them on a terminal or in an SVG.
// A byte sequence that is not valid Shift_JIS becomes U+FFFD and the conversion goes on.
std::string SjisToUtf8(std::string_view sjis);

}  // namespace MorvenHost
