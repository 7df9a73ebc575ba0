#include "tool/win32/wide_text.h"

#include "numeric/cp932_text.h"

namespace morven::tool::win32 {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t is UTF-16 on Windows");

}  // namespace

// Code page 932 itself is the core's conversion, through its UTF-16 door.
std::wstring WideFromCp932(std::string_view cp932) {
  return WideFromUtf16(numeric::Cp932ToUtf16(cp932));
}

std::string Cp932FromWide(std::wstring_view text) {
  return numeric::Utf16ToCp932Dropping(Utf16FromWide(text));
}

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int wide = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, bytes.data(), size, nullptr, nullptr);
  }
  return bytes;
}

std::u16string Utf16FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

std::wstring WideFromUtf16(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

}  // namespace morven::tool::win32
