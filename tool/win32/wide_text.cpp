#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {
namespace {

constexpr UINT kShiftJisCodePage = 932;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t is UTF-16 on Windows");

std::string Narrow(UINT codePage, DWORD flags, std::wstring_view text, BOOL* usedDefault) {
  if (text.empty()) return {};
  const int wide = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(codePage, flags, text.data(), wide, nullptr, 0, nullptr, usedDefault);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) {
    WideCharToMultiByte(codePage, flags, text.data(), wide, bytes.data(), size, nullptr,
                        usedDefault);
  }
  return bytes;
}

}  // namespace

std::wstring WideFromCp932(std::string_view cp932) {
  if (cp932.empty()) return {};
  const int bytes = static_cast<int>(cp932.size());
  const int size = MultiByteToWideChar(kShiftJisCodePage, 0, cp932.data(), bytes, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) MultiByteToWideChar(kShiftJisCodePage, 0, cp932.data(), bytes, text.data(), size);
  return text;
}

std::string Cp932FromWide(std::wstring_view text) {
  BOOL usedDefault = FALSE;
  std::string bytes = Narrow(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, text, &usedDefault);
  if (!usedDefault) return bytes;
  bytes.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    usedDefault = FALSE;
    std::string one =
        Narrow(kShiftJisCodePage, WC_NO_BEST_FIT_CHARS, text.substr(i, 1), &usedDefault);
    if (!usedDefault) bytes += one;
  }
  return bytes;
}

std::string Utf8FromWide(std::wstring_view text) {
  return Narrow(CP_UTF8, 0, text, nullptr);
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
