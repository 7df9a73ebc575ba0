#include "tool/program_folder.h"

namespace morven::tool {

std::optional<std::filesystem::path> ProgramFolderOf(const std::filesystem::path& programFile) {
  if (programFile.empty() || !programFile.is_absolute() || !programFile.has_filename()) {
    return std::nullopt;
  }
  std::filesystem::path folder = programFile.parent_path();
  if (folder.empty() || !folder.is_absolute()) return std::nullopt;
  return folder;
}

}  // namespace morven::tool
