#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "numeric/separators.h"

// What the program takes from the system before the dialog opens, as every view takes it: each
// view asks its own system, and these rules make of the answers what the dialog uses.
namespace morven::tool {

// The folder of a program file given by its full path, which holds the exchange file; nothing for
// an empty or relative path, from which no folder of the program can be told. The path is taken
// and kept as the bytes the system gives, never as Unicode text.
std::optional<std::filesystem::path> ProgramFolderOf(const std::filesystem::path& programFile);

// The separators for the numbers the dialog shows and for the dimension value, from the user's
// decimal and thousands separators (UTF-8). Each must be exactly one byte in code page 932 and the
// two must differ; otherwise "." and "," are used, so a number text never turns ambiguous or
// grows a double-byte separator: ("," ".") -> ',' '.', ("," U+202F) -> '.' ','.
numeric::Separators ChooseSeparators(std::string_view decimalUtf8, std::string_view thousandsUtf8);

}  // namespace morven::tool
