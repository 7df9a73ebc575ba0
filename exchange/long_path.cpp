#include "exchange/long_path.h"

#include <string_view>

namespace morven::exchange {

namespace {

using Text = std::filesystem::path::string_type;
using TextView = std::basic_string_view<Text::value_type>;

// The ASCII text in the native string's units.
Text Native(std::string_view ascii) {
  return Text(ascii.begin(), ascii.end());
}

bool StartsWith(TextView text, std::string_view ascii) {
  return text.starts_with(TextView(Native(ascii)));
}

bool IsDrivePath(TextView text) {
  if (text.size() < 3 || text[1] != ':' || text[2] != '\\') return false;
  const auto lowerCase = text[0] | 0x20;
  return lowerCase >= 'a' && lowerCase <= 'z';
}

}  // namespace

std::filesystem::path LongPathForm(const std::filesystem::path& path) {
  const Text& text = path.native();
  if (text.size() <= kLongestPlainPath || StartsWith(text, "\\\\?\\") ||
      StartsWith(text, "\\\\.\\")) {
    return path;
  }
  if (IsDrivePath(text)) return Native("\\\\?\\") + text;
  if (StartsWith(text, "\\\\")) return Native("\\\\?\\UNC\\") + text.substr(2);
  return path;
}

}  // namespace morven::exchange
