#include "numeric/cp932_text.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <climits>
#include <cstddef>
#include <utility>

// The system's own code page 932 (the Windows mapping the interface names), through UTF-16.
namespace morven::numeric {
namespace {

constexpr UINT kCodePage = 932;
constexpr wchar_t kReplacement = 0xFFFD;

// The UTF-16 of bytes in a code page; nothing when a byte sequence is invalid there.
std::optional<std::wstring> ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int inLength = static_cast<int>(bytes.size());
  const int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), inLength, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), inLength, wide.data(),
                          length) != length) {
    return std::nullopt;
  }
  return wide;
}

// The code-page-932 bytes of UTF-16; nothing when a character has no code of its own there
// (no best-fit look-alike, no default character).
std::optional<std::string> ToCp932(std::wstring_view wide) {
  if (wide.empty()) return std::string();
  if (wide.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  const int inLength = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), inLength,
                                         nullptr, 0, nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), inLength, bytes.data(),
                          length, nullptr, &usedDefault) != length ||
      usedDefault) {
    return std::nullopt;
  }
  return bytes;
}

std::string ToUtf8(std::wstring_view wide) {
  if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return std::string();
  const int inLength = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), inLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), inLength, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::wstring WideOf(std::u16string_view utf16) {
  return std::wstring(utf16.begin(), utf16.end());
}

// Some byte starts no character: character by character, one byte or a lead byte and its trail
// byte; a byte that is neither becomes U+FFFD and the next byte is tried on its own.
std::wstring WideOfCp932(std::string_view cp932) {
  if (std::optional<std::wstring> wide = ToWide(kCodePage, cp932)) return *std::move(wide);
  std::wstring wide;
  while (!cp932.empty()) {
    std::size_t used = 0;
    for (std::size_t length = 1; length <= 2 && length <= cp932.size(); ++length) {
      if (const std::optional<std::wstring> character =
              ToWide(kCodePage, cp932.substr(0, length))) {
        wide += *character;
        used = length;
        break;
      }
    }
    if (used == 0) {
      wide += kReplacement;
      used = 1;
    }
    cp932.remove_prefix(used);
  }
  return wide;
}

}  // namespace

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  const std::optional<std::wstring> wide = ToWide(CP_UTF8, utf8);
  if (!wide) return std::nullopt;
  return ToCp932(*wide);
}

std::optional<std::string> Utf16ToCp932(std::u16string_view utf16) {
  return ToCp932(WideOf(utf16));
}

std::string Cp932ToUtf8(std::string_view cp932) {
  return ToUtf8(WideOfCp932(cp932));
}

std::u16string Cp932ToUtf16(std::string_view cp932) {
  const std::wstring wide = WideOfCp932(cp932);
  return std::u16string(wide.begin(), wide.end());
}

}  // namespace morven::numeric
