#include "exchange/long_path.h"

#include <algorithm>

namespace morven::exchange {

namespace {

using Text = std::filesystem::path::string_type;
using Char = Text::value_type;

bool IsSeparator(Char c) {
  return c == Char('\\') || c == Char('/');
}

bool IsLetter(Char c) {
  return (c >= Char('A') && c <= Char('Z')) || (c >= Char('a') && c <= Char('z'));
}

// "\\?\", "\\.\" or "\??\", with either separator.
bool IsPrefixed(const Text& text) {
  if (text.size() < 4 || !IsSeparator(text[0]) || !IsSeparator(text[3])) return false;
  const Char second = text[1];
  const Char third = text[2];
  if (IsSeparator(second)) return third == Char('?') || third == Char('.');
  return second == Char('?') && third == Char('?');
}

bool IsDriveAbsolute(const Text& text) {
  return text.size() >= 3 && IsLetter(text[0]) && text[1] == Char(':') && IsSeparator(text[2]);
}

// Two separators, then a server name and a share name.
bool IsNetworkPath(const Text& text) {
  if (text.size() < 5 || !IsSeparator(text[0]) || !IsSeparator(text[1]) || IsSeparator(text[2]))
    return false;
  const auto serverEnd = std::find_if(text.begin() + 2, text.end(), IsSeparator);
  return serverEnd != text.end() && serverEnd + 1 != text.end() && !IsSeparator(serverEnd[1]);
}

// A "." or ".." step: the plain form resolves it, the prefixed form would take it as a name.
bool HasDotStep(const Text& text) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    const std::size_t length = end - start;
    if ((length == 1 || length == 2) &&
        std::all_of(text.begin() + start, text.begin() + end, [](Char c) { return c == '.'; }))
      return true;
    start = end + 1;
  }
  return false;
}

Text WithBackslashes(Text text) {
  std::replace(text.begin(), text.end(), Char('/'), Char('\\'));
  return text;
}

Text Widened(const char* ascii) {
  return Text(ascii, ascii + std::char_traits<char>::length(ascii));
}

}  // namespace

std::filesystem::path LongPathForm(const std::filesystem::path& path) {
  const Text& text = path.native();
  if (text.size() <= kLongestPlainPath || IsPrefixed(text) || HasDotStep(text)) return path;
  if (IsDriveAbsolute(text)) return Widened("\\\\?\\") + WithBackslashes(text);
  if (IsNetworkPath(text)) return Widened("\\\\?\\UNC\\") + WithBackslashes(text.substr(2));
  return path;
}

}  // namespace morven::exchange
