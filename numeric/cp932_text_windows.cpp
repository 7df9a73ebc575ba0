#include "numeric/cp932_platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstddef>

// The system's own code page 932 (the Windows mapping the interface names).
namespace morven::numeric::platform {
namespace {

constexpr UINT kCodePage = 932;

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t is UTF-16 on Windows");

const wchar_t* WideOf(const char16_t* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

// Appends the UTF-16 of bytes that are whole characters; false, appending nothing, when there are
// none (the system refuses an empty text) or some byte sequence is no character.
bool AppendWhole(std::string_view cp932, std::u16string& utf16) {
  if (cp932.size() > static_cast<std::size_t>(INT_MAX)) return false;
  const int inLength = static_cast<int>(cp932.size());
  // Each character of code page 932, one byte or two, is one UTF-16 unit: one call is enough.
  const std::size_t start = utf16.size();
  utf16.resize(start + cp932.size());
  const int length =
      MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, cp932.data(), inLength,
                          reinterpret_cast<wchar_t*>(utf16.data() + start), inLength);
  utf16.resize(start + static_cast<std::size_t>(std::max(length, 0)));
  return length > 0;
}

}  // namespace

std::optional<std::string> Cp932Of(std::u16string_view utf16) {
  if (utf16.empty()) return std::string();
  if (utf16.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int inLength = static_cast<int>(utf16.size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, WideOf(utf16.data()),
                                         inLength, nullptr, 0, nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, WideOf(utf16.data()), inLength,
                          bytes.data(), length, nullptr, &usedDefault) != length ||
      usedDefault) {
    return std::nullopt;
  }
  return bytes;
}

// The whole text at once; else character by character, one byte or a lead byte and its trail
// byte, up to the first that is neither.
std::size_t AppendUtf16Of(std::string_view cp932, std::u16string& utf16) {
  if (AppendWhole(cp932, utf16)) return cp932.size();
  std::size_t used = 0;
  while (used < cp932.size()) {
    std::size_t length = 1;
    if (!AppendWhole(cp932.substr(used, 1), utf16)) {
      length = 2;
      if (used + 2 > cp932.size() || !AppendWhole(cp932.substr(used, 2), utf16)) break;
    }
    used += length;
  }
  return used;
}

}  // namespace morven::numeric::platform
