#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The limit of an edit field, counted in Shift_JIS bytes (a double-byte character counts two),
// for typing and pasting alike. Views hand over their text as UTF-16.
namespace morven::tool {

struct LimitedText {
  std::u16string text;
  // After the last inserted character that was kept when the insertion was cut; nothing when the
  // text was taken as it is, and the view's own cursor stays where the edit left it (which of
  // two equal neighbours was typed cannot be told from the texts).
  std::optional<std::size_t> cursor;
};

// The field's text after an edit turned `accepted` into `proposed`. A text that fits is taken as
// it is. Otherwise what the edit inserted (what lies between the common start and the common end
// of the two texts) is cut to fit: its characters are kept in order while they fit, characters
// that code page 932 has no code for are left out, and the first that does not fit ends it. When
// nothing inserted fits, the edit is refused: nothing. With a limit of 4, "ab" + pasted "あいう"
// gives "abあ"; typing "c" into "abcd" is refused.
std::optional<LimitedText> LimitToBytes(std::u16string_view accepted, std::u16string_view proposed,
                                        std::size_t maxBytes);

// The number of Shift_JIS bytes of a UTF-16 text; nothing when code page 932 cannot write it.
std::optional<std::size_t> Cp932ByteCount(std::u16string_view text);

}  // namespace morven::tool
