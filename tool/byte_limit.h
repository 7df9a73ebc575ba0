#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tool/form_layout.h"

// What an edit field takes of an edit, decided before the field takes it: typing, an input
// method's result, a paste and a drop alike, on every view. Views hand over the field's text and
// the edit in UTF-16, as their toolkits keep them.
namespace morven::tool {

struct FieldRule {
  std::size_t maxBytes;  // in Shift_JIS: a double-byte character counts two
  // The input method is off in the field, so only half-width characters are typed there; what an
  // input method still delivers ("１２．５") is taken as typed without it ("12.5").
  bool halfWidthOnly;
};

// The rule of an edit field of the form's table.
FieldRule RuleOf(const ControlSpec& field);

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

// The edit that replaces `replaced` in `text` with what the field takes of `inserted`:
// - a line break (CR or LF) ends the insertion, as a one-line field keeps the first line;
// - control characters and characters that code page 932 cannot write are left out, and every
//   other character is taken as the file will hold it (U+301C WAVE DASH as U+FF5E, the way the
//   host shows 81 60), so the field shows what the file gets;
// - under `halfWidthOnly`, U+FF01 to U+FF5E are taken as their ASCII characters;
// - the characters are kept in order while they fit beside what stays of the text; the first
//   one that does not fit ends the insertion.
// Nothing when nothing of a non-empty insertion is kept: the edit is refused and the field stays
// as it was. An edit that inserts nothing (a deletion) is taken as it is.
// With a limit of 4: "ab" + pasted "あいう" at the end -> "abあ"; "ab|cd" typed "x" -> refused;
// "[2]" (selected) pasted "3.14" with a limit of 3 -> "3.1"; pasted "L=\r\nmm" -> "L=".
std::optional<LimitedEdit> LimitEdit(std::u16string_view text, TextRange replaced,
                                     std::u16string_view inserted, FieldRule rule);

}  // namespace morven::tool
