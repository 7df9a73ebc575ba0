#pragma once

#include <filesystem>
#include <optional>

// The folder of the program's own file, which holds the exchange file. No toolkit: a file path
// is taken and kept as the bytes the system gives, never as Unicode text, so a folder named in
// Shift_JIS (or anything that is not UTF-8) stays what it is.
namespace morven::tool {

// The folder of the running program, from the link /proc/self/exe; nothing when the link cannot
// be read or gives no absolute path. This is Linux's; the Windows view asks the system for its
// module's file name.
std::optional<std::filesystem::path> ProgramFolder();

// The folder of a program file given by its full path; nothing for an empty or relative path,
// from which no folder of the program can be told.
std::optional<std::filesystem::path> ProgramFolderOf(const std::filesystem::path& programFile);

}  // namespace morven::tool
