#include <string>

#include "numeric/number_text.h"
#include "numeric/shift_jis.h"

namespace morven::numeric {
namespace {

constexpr unsigned char kFullWidthSpaceLead = 0x81;
constexpr unsigned char kFullWidthSpaceTrail = 0x40;

}  // namespace

std::string StripBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte)) {
      if (i + 1 == text.size()) {
        out += text[i];
        break;
      }
      const auto trail = static_cast<unsigned char>(text[i + 1]);
      if (byte != kFullWidthSpaceLead || trail != kFullWidthSpaceTrail) out.append(text, i, 2);
      i += 2;
    } else {
      if (byte > 0x20) out += text[i];
      ++i;
    }
  }
  return out;
}

}  // namespace morven::numeric
