#pragma once

#include <filesystem>
#include <optional>

namespace morven::tool::qt {

// The folder of the running executable, which holds the exchange file; nothing when Qt cannot
// tell. Needs the application object.
std::optional<std::filesystem::path> ApplicationFolder();

}  // namespace morven::tool::qt
