#include "tool/win32/system_settings.h"

#include <windows.h>

#include <string>

#include "tool/system_settings.h"
#include "tool/win32/wide_text.h"

namespace morven::tool::win32 {
namespace {

// The longest path the system's wide functions take, in UTF-16 units.
constexpr std::size_t kLongestPath = 32768;

std::wstring UserLocaleText(LCTYPE item) {
  const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, nullptr, 0);
  if (size <= 0) return {};
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text.data(), size) <= 0) return {};
  text.resize(static_cast<std::size_t>(size) - 1);
  return text;
}

}  // namespace

std::optional<std::filesystem::path> ProgramFolder() {
  std::wstring file(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
    if (length == 0) return std::nullopt;
    if (length < file.size()) {
      file.resize(length);
      return ProgramFolderOf(std::filesystem::path(file));
    }
    // The name was cut to the buffer: try again with a larger one.
    if (file.size() >= kLongestPath) return std::nullopt;
    file.resize(file.size() * 2);
  }
}

numeric::Separators UserSeparators() {
  return ChooseSeparators(Utf8FromWide(UserLocaleText(LOCALE_SDECIMAL)),
                          Utf8FromWide(UserLocaleText(LOCALE_STHOUSAND)));
}

}  // namespace morven::tool::win32
