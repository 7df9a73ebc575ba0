#include "tool/regional_separators.h"

#include <optional>
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

numeric::Separators ChooseSeparators(std::string_view decimalUtf8, std::string_view thousandsUtf8) {
  const std::optional<char> decimal = SingleByte(decimalUtf8);
  const std::optional<char> thousands = SingleByte(thousandsUtf8);
  if (!decimal || !thousands || *decimal == *thousands) return numeric::Separators{};
  return numeric::Separators{*decimal, *thousands};
}

}  // namespace morven::tool
