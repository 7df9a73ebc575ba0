#include "host/sjis_text.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace MorvenHost {
namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD

struct IconvCloser {
  void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

// Falls back to showing the ASCII bytes only, should the system lack the code page.
std::string AsciiOnly(std::string_view sjis) {
  std::string out;
  for (unsigned char c : sjis)
    out += c < 0x80 ? std::string(1, static_cast<char>(c)) : kReplacement;
  return out;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
  iconv_t raw = iconv_open("UTF-8", "CP932");
  if (raw == reinterpret_cast<iconv_t>(-1)) return AsciiOnly(sjis);
  std::unique_ptr<void, IconvCloser> cd(raw);

  std::string out;
  std::string input(sjis);
  char* in = input.data();
  std::size_t inLeft = input.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = iconv(raw, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (result != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: skip one byte and carry on.
    out += kReplacement;
    ++in;
    --inLeft;
    iconv(raw, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

}  // namespace MorvenHost
