#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "numeric/cp932_platform.h"

namespace morven::numeric::platform {
namespace {

constexpr const char* kCodePage = "CP932";
// char16_t in the machine's own byte order, with no byte-order mark.
constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One conversion descriptor per direction, opened on first use and kept for the run.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; returns the number of input bytes left unconverted.
  std::size_t Convert(std::string_view in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[256];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    return inLeft;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::optional<std::string> Cp932Of(std::u16string_view utf16) {
  static Converter converter(kCodePage, kUtf16);
  if (!converter.valid()) return std::nullopt;
  std::string cp932;
  const std::string_view bytes(reinterpret_cast<const char*>(utf16.data()),
                               utf16.size() * sizeof(char16_t));
  if (converter.Convert(bytes, cp932) != 0) return std::nullopt;
  return cp932;
}

std::size_t AppendUtf16Of(std::string_view cp932, std::u16string& utf16) {
  static Converter converter(kUtf16, kCodePage);
  if (!converter.valid()) return 0;
  std::string bytes;
  const std::size_t left = converter.Convert(cp932, bytes);
  const std::size_t start = utf16.size();
  utf16.resize(start + bytes.size() / sizeof(char16_t));
  std::memcpy(utf16.data() + start, bytes.data(), bytes.size());
  return cp932.size() - left;
}

}  // namespace morven::numeric::platform
