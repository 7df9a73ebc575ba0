#pragma once

#include <cstddef>
#include <filesystem>

namespace morven::exchange {

// The longest path that Windows' file functions take in its plain form, in UTF-16 units: one
// less than MAX_PATH, which counts the terminating null.
inline constexpr std::size_t kLongestPlainPath = 259;

// The path in the form that Windows' file functions take at any length: a full path longer than
// kLongestPlainPath gets the prefix \\?\ ("C:\...\JWC_TEMP.TXT" -> "\\?\C:\...\JWC_TEMP.TXT"), a
// network path \\?\UNC\ instead of its two leading separators ("\\server\share\..." ->
// "\\?\UNC\server\share\..."), with every "/" made "\", which the prefixed form does not turn.
// Returned as it is: a path within the limit, one already prefixed (\\?\, \\.\ or \??\), and one
// that the prefix would change the meaning of (relative, without a drive, or with a "." or ".."
// step). Pure text: lengths count the units of the native string, so that the rule is the same
// on every platform.
std::filesystem::path LongPathForm(const std::filesystem::path& path);

}  // namespace morven::exchange
