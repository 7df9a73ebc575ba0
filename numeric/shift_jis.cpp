#include "numeric/shift_jis.h"

namespace morven::numeric {

std::string_view CutWhole(std::string_view text, std::size_t maxBytes) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    if (i + width > maxBytes || i + width > text.size()) break;
    i += width;
  }
  return text.substr(0, i);
}

std::size_t FindWhole(std::string_view text, std::string_view needle) {
  for (std::size_t i = 0; i < text.size();
       i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1) {
    if (text.substr(i, needle.size()) == needle) return i;
  }
  return std::string_view::npos;
}

std::string WithoutLineBreaks(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (const char byte : text) {
    if (byte != '\r' && byte != '\n') result += byte;
  }
  return result;
}

}  // namespace morven::numeric
