#include "tool/program_folder.h"

#include <system_error>

namespace morven::tool {

std::optional<std::filesystem::path> ProgramFolderOf(const std::filesystem::path& programFile) {
  if (programFile.empty() || !programFile.is_absolute() || !programFile.has_filename()) {
    return std::nullopt;
  }
  std::filesystem::path folder = programFile.parent_path();
  if (folder.empty() || !folder.is_absolute()) return std::nullopt;
  return folder;
}

std::optional<std::filesystem::path> ProgramFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::nullopt;
  return ProgramFolderOf(self);
}

}  // namespace morven::tool
