#include "host/element_names.h"

#include <array>
#include <string>

namespace morven::host {

std::string_view ElementKindName(std::int32_t kind) {
  static constexpr std::array<std::string_view, 15> kNames = {
      "line", "circle", "arc", "text", "point", "pointEx", "message", "block",
      "sl2",  "sl3",    "sl4", "sc",   "se",    "so",      "sg"};
  if (kind < 1 || kind > 15) return "unknown";
  return kNames[static_cast<std::size_t>(kind - 1)];
}

std::string_view PointKindSuffix(std::int32_t kind) {
  static constexpr std::array<std::string_view, 5> kSuffixes = {"", "-", "ln", "ci", "ch"};
  if (kind < 0 || kind > 4) return "";
  return kSuffixes[static_cast<std::size_t>(kind)];
}

std::string_view MarkSymbol(std::int32_t kind) {
  // △ □ Ｏ ○ ■ ▲ ● ～ ＞ ／ △
  static constexpr std::array<std::string_view, 11> kSymbols = {
      "\xE2\x96\xB3", "\xE2\x96\xA1", "\xEF\xBC\xAF", "\xE2\x97\x8B",
      "\xE2\x96\xA0", "\xE2\x96\xB2", "\xE2\x97\x8F", "\xEF\xBD\x9E",
      "\xEF\xBC\x9E", "\xEF\xBC\x8F", "\xE2\x96\xB3"};
  if (kind < 1 || kind > 11) return "";
  return kSymbols[static_cast<std::size_t>(kind - 1)];
}

std::string ZFlagsText(std::int32_t flags) {
  std::string text;
  for (int bit = 0; bit < 5; ++bit) {
    if ((flags & (1 << bit)) == 0) continue;
    if (!text.empty()) text += ' ';
    text += 'z';
    text += static_cast<char>('1' + bit);
  }
  return text;
}

}  // namespace morven::host
