#pragma once

#include <filesystem>
#include <optional>

#include "numeric/separators.h"

// What the program asks the system before the dialog opens.
namespace morven::tool::win32 {

// The folder of the program's own file, as a wide path of any length, so a folder such as
// C:\図面\ツール\ is found whatever the system's code page; nothing when the system does not tell.
std::optional<std::filesystem::path> ProgramFolder();

// The number separators of the user's regional settings, or "." and "," when they do not suit.
numeric::Separators UserSeparators();

}  // namespace morven::tool::win32
