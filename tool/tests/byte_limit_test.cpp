#include "tool/byte_limit.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace morven::tool {
namespace {

using namespace std::string_view_literals;

struct EditCase {
  const char* name;
  const char16_t* text;
  TextRange replaced;
  std::u16string_view inserted;
  std::size_t maxBytes;
  const char16_t* expected;  // nullptr: the edit is refused
  std::size_t caret;
  bool halfWidthOnly = false;  // a number field, where the input method is off
};

constexpr TextRange At(std::size_t caret) {
  return {caret, caret};
}

// 16 bytes is a number field's limit; "あ" and "い" are two bytes each.
const EditCase kEdits[] = {
    {"typing at the end", u"1", At(1), u"2", 16, u"12", 2},
    {"typing into a full field", u"1234567890123456", At(3), u"7", 16, nullptr, 0},
    {"typing over a selection of a full field",
     u"1234567890123456",
     {0, 1},
     u"9",
     16,
     u"9234567890123456",
     1},
    {"paste into an empty field", u"", At(0), u"3.141592653589792", 16, u"3.14159265358979", 16},
    {"paste in the middle", u"12", At(1), u"abcdefghijklmnopq", 16, u"1abcdefghijklmn2", 15},
    {"paste over a selection of the whole field",
     u"2",
     {0, 1},
     u"3.141592653589792",
     16,
     u"3.14159265358979",
     16},
    {"half-width katakana count one byte each", u"", At(0), u"\uFF71\uFF71\uFF71", 2,
     u"\uFF71\uFF71", 2},
    {"the first character that does not fit ends the insertion", u"abc", At(3), u"\u3042\u3044d", 6,
     u"abc\u3042", 4},
    {"a character code page 932 lacks is left out", u"1", At(1),
     u"\u00E9"
     u"2",
     16, u"12", 2},
    {"only characters code page 932 lacks: refused", u"12", {0, 2}, u"\u00E9", 16, nullptr, 0},
    {"a deletion is taken", u"abc", {1, 2}, u"", 16, u"ac", 1},
    {"a field already over its limit takes nothing", u"12345", At(5), u"6", 4, nullptr, 0},
    {"a range past the end is the end", u"ab", {7, 9}, u"c", 16, u"abc", 3},
    {"a line break ends the insertion", u"", At(0), u"L=\r\nmm", 32, u"L=", 2},
    {"a line feed alone ends it too", u"", At(0), u"L=\nmm\r\n", 32, u"L=", 2},
    {"a carriage return alone ends it too", u"", At(0), u"L=\rmm", 32, u"L=", 2},
    {"nothing before the line break: refused", u"ab", At(2), u"\r\nx", 32, nullptr, 0},
    {"control characters are left out", u"", At(0), u"a\tb\x1A\0c\x7F"sv, 32, u"abc", 3},
    {"spaces are kept, half-width and full-width", u"", At(0), u"L = \u3000", 32, u"L = \u3000", 5},
    {"full-width digits in a number field are its digits, then the limit",
     u"0.5",
     {0, 3},
     u"\uFF11\uFF12\uFF0E\uFF15\uFF0D\uFF45\uFF11\uFF12\uFF13\uFF14\uFF15\uFF16\uFF17\uFF18"
     u"\uFF19\uFF10\uFF11",
     16,
     u"12.5-e1234567890",
     16,
     true},
    {"each character as the host shows its bytes: a wave dash, a yen sign", u"", At(0),
     u"\u301C\u00A5", 32, u"\uFF5E\\", 2},
    {"full-width digits in a text field stay", u"", At(0), u"\uFF11\uFF0E\uFF15", 32,
     u"\uFF11\uFF0E\uFF15", 3},
};

TEST(ByteLimitTest, KeepsWhatFitsOfTheInsertion) {
  for (const EditCase& c : kEdits) {
    const std::optional<LimitedEdit> edit =
        LimitEdit(c.text, c.replaced, c.inserted, {c.maxBytes, c.halfWidthOnly});
    if (c.expected == nullptr) {
      EXPECT_FALSE(edit.has_value()) << c.name;
      continue;
    }
    ASSERT_TRUE(edit.has_value()) << c.name;
    EXPECT_EQ(edit->text, c.expected) << c.name;
    EXPECT_EQ(edit->caret, c.caret) << c.name;
    EXPECT_EQ(edit->text.substr(edit->caret - edit->inserted.size(), edit->inserted.size()),
              edit->inserted)
        << c.name;
  }
}

}  // namespace
}  // namespace morven::tool
