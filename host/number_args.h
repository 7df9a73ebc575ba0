#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Numbers in command-line options. Each throws UsageError naming the option when the text is not
// wholly a finite number.
namespace morven::host {

double ParseRealArg(std::string_view option, std::string_view text);
std::int32_t ParseIntArg(std::string_view option, std::string_view text);

// "1,2.5" with count 2 -> {1, 2.5}; a different number of fields is an error too.
std::vector<double> ParseRealListArg(std::string_view option, std::string_view text,
                                     std::size_t count);

}  // namespace morven::host
