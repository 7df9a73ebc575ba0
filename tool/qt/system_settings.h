#pragma once

#include <filesystem>
#include <optional>

#include "numeric/separators.h"

// What the program asks the system before the dialog opens.
namespace morven::tool::qt {

// The folder of the running program, from the link /proc/self/exe, as the system's bytes (a
// folder named in Shift_JIS stays what it is); nothing when the link gives no absolute path.
std::optional<std::filesystem::path> ProgramFolder();

// The number separators of the user's locale, or "." and "," when they do not suit.
numeric::Separators UserSeparators();

}  // namespace morven::tool::qt
