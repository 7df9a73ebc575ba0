#pragma once

#include <filesystem>
#include <optional>

namespace morven::tool {

// The folder of a program file given by its full path, which holds the exchange file; nothing for
// an empty or relative path, from which no folder of the program can be told. The path is taken
// and kept as the bytes the system gives, never as Unicode text.
std::optional<std::filesystem::path> ProgramFolderOf(const std::filesystem::path& programFile);

}  // namespace morven::tool
