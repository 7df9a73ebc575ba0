#pragma once

#include <QString>
#include <string>
#include <string_view>

// Where the dialog's Shift_JIS meets Qt's Unicode; nothing else in the program converts.
namespace morven::tool::qt {

// The Unicode text of Shift_JIS bytes; a byte that starts no character shows as U+FFFD.
QString FromCp932(std::string_view cp932);

// The Shift_JIS bytes of a field's text. The fields admit only characters that code page 932
// has; should another slip through, it is left out.
std::string ToCp932(const QString& text);

}  // namespace morven::tool::qt
