#include "tool/system_settings.h"

#include <string>

#include "numeric/cp932_text.h"

namespace morven::tool {
namespace {

std::optional<char> SingleByte(std::string_view utf8) {
  const std::optional<std::string> bytes = numeric::Utf8ToCp932(utf8);
  if (!bytes || bytes->size() != 1) return std::nullopt;
  return bytes->front();
}

}  // namespace

std::optional<std::filesystem::path> ProgramFolderOf(const std::filesystem::path& programFile) {
  std::filesystem::path folder = programFile.parent_path();
  if (!programFile.has_filename() || !folder.is_absolute()) return std::nullopt;
  return folder;
}

numeric::Separators ChooseSeparators(std::string_view decimalUtf8, std::string_view thousandsUtf8) {
  const std::optional<char> decimal = SingleByte(decimalUtf8);
  const std::optional<char> thousands = SingleByte(thousandsUtf8);
  if (!decimal || !thousands || *decimal == *thousands) return numeric::Separators{};
  return numeric::Separators{*decimal, *thousands};
}

}  // namespace morven::tool
