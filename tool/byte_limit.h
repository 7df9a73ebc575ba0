#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The limit of an edit field, counted in Shift_JIS bytes (a double-byte character counts two),
// applied to an edit before the field takes it: typing, an input method's result and a paste
// alike. Views hand over the field's text and the edit in UTF-16, as their toolkits keep them.
namespace morven::tool {

// A range of UTF-16 units of the field's text: the selection an edit replaces, or an empty range
// at the caret.
struct TextRange {
  std::size_t start = 0;
  std::size_t end = 0;
};

struct LimitedEdit {
  std::u16string inserted;  // what goes in place of the range: the characters that fit
  std::u16string text;      // the field's text after the edit
  std::size_t caret = 0;    // after the last inserted character
};

// The edit that replaces `replaced` in `text` with `inserted`, held to `maxBytes`. The inserted
// characters are kept in order while they fit beside what stays of the text; a character that
// code page 932 cannot write is left out, and the first character that does not fit ends the
// insertion. Nothing when nothing of a non-empty insertion fits: the edit is refused and the
// field stays as it was. An edit that inserts nothing (a deletion) is taken as it is.
// With a limit of 4: "ab" + pasted "あいう" at the end -> "abあ"; "ab|cd" typed "x" -> refused;
// "[2]" (selected) pasted "3.14" with a limit of 3 -> "3.1".
std::optional<LimitedEdit> LimitEdit(std::u16string_view text, TextRange replaced,
                                     std::u16string_view inserted, std::size_t maxBytes);

}  // namespace morven::tool
