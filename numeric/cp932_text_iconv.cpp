#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "numeric/cp932_text.h"

namespace morven::numeric {
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

std::optional<std::string> ToCp932(Converter& converter, std::string_view unicode) {
  if (!converter.valid()) return std::nullopt;
  std::string out;
  if (converter.Convert(unicode, out) != 0) return std::nullopt;
  return out;
}

// Unicode bytes of Shift_JIS; a byte that starts no character becomes `replacement` and the
// next byte is tried on its own.
std::string FromCp932(Converter& converter, std::string_view cp932, std::string_view replacement) {
  std::string out;
  if (!converter.valid()) return out;
  while (!cp932.empty()) {
    const std::size_t left = converter.Convert(cp932, out);
    if (left == 0) break;
    out += replacement;
    cp932.remove_prefix(cp932.size() - left + 1);
  }
  return out;
}

std::string_view BytesOf(std::u16string_view utf16) {
  return {reinterpret_cast<const char*>(utf16.data()), utf16.size() * sizeof(char16_t)};
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  static Converter converter(kCodePage, "UTF-8");
  return ToCp932(converter, utf8);
}

std::optional<std::string> Utf16ToCp932(std::u16string_view utf16) {
  static Converter converter(kCodePage, kUtf16);
  return ToCp932(converter, BytesOf(utf16));
}

std::string Cp932ToUtf8(std::string_view cp932) {
  static Converter converter("UTF-8", kCodePage);
  return FromCp932(converter, cp932, "\xEF\xBF\xBD");
}

std::u16string Cp932ToUtf16(std::string_view cp932) {
  static Converter converter(kUtf16, kCodePage);
  constexpr char16_t kReplacement[] = u"\uFFFD";
  const std::string bytes = FromCp932(converter, cp932, BytesOf(kReplacement));
  std::u16string utf16(bytes.size() / sizeof(char16_t), u'\0');
  std::memcpy(utf16.data(), bytes.data(), utf16.size() * sizeof(char16_t));
  return utf16;
}

}  // namespace morven::numeric
