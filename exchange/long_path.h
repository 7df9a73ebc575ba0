#pragma once

#include <cstddef>
#include <filesystem>

namespace morven::exchange {

// The longest path that Windows' file functions take in its plain form, in UTF-16 units: one
// less than MAX_PATH, which counts the terminating null.
inline constexpr std::size_t kLongestPlainPath = 259;

// A full path as the system gives it (backslashes, no "." or ".." steps) in the form that
// Windows' file functions take at any length: longer than kLongestPlainPath, a drive path gets
// the prefix \\?\ ("C:\...\JWC_TEMP.TXT" -> "\\?\C:\...\JWC_TEMP.TXT") and a network path
// \\?\UNC\ in place of its leading "\\" ("\\server\share\..." -> "\\?\UNC\server\share\...").
// Any other path is returned as it is, an already prefixed one (\\?\ or \\.\) too. Pure text:
// lengths count the units of the native string, so that the rule is the same on every platform.
std::filesystem::path LongPathForm(const std::filesystem::path& path);

}  // namespace morven::exchange
