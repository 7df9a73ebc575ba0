#include <iconv.h>

#include <cerrno>
#include <cstddef>

#include "numeric/cp932_text.h"

namespace morven::numeric {
namespace {

constexpr const char* kCodePage = "CP932";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

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

Converter& ToCp932() {
  static Converter converter(kCodePage, "UTF-8");
  return converter;
}

Converter& FromCp932() {
  static Converter converter("UTF-8", kCodePage);
  return converter;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  Converter& converter = ToCp932();
  if (!converter.valid()) return std::nullopt;
  std::string out;
  if (converter.Convert(utf8, out) != 0) return std::nullopt;
  return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  Converter& converter = FromCp932();
  std::string out;
  if (!converter.valid()) return out;
  while (!cp932.empty()) {
    const std::size_t left = converter.Convert(cp932, out);
    if (left == 0) break;
    out += kReplacementUtf8;
    cp932.remove_prefix(cp932.size() - left + 1);
  }
  return out;
}

}  // namespace morven::numeric
