#include "numeric/cp932_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

// The platform's code-page-932 conversion (iconv on Linux, the system's code page 932 on Windows):
// both give the same bytes for these cases.
namespace morven::numeric {
namespace {

struct MappingCase {
  const char* utf8;
  const char* cp932;
};

// Where the Windows mapping of code page 932 differs from plain Shift_JIS, and the single bytes.
const MappingCase kMappings[] = {
    {"\xEF\xBD\x9E", "\x81\x60"},  // U+FF5E full-width tilde
    {"\xEF\xBC\x8D", "\x81\x7C"},  // U+FF0D full-width hyphen-minus
    {"\xE2\x88\xA5", "\x81\x61"},  // U+2225 parallel to
    {"\xEF\xBF\xA2", "\x81\xCA"},  // U+FFE2 full-width not sign
    {"\xE2\x91\xA0", "\x87\x40"},  // U+2460 circled digit one
    {"\xEF\xBD\xB1", "\xB1"},      // U+FF71 half-width katakana a
    {"\\", "\\"},                  // the backslash stays a backslash
    {"A1.,", "A1.,"},
    {"\xE5\xAF\xB8\xE6\xB3\x95", "\x90\xA1\x96@"},  // 寸法
};

TEST(Cp932TextTest, ConvertsBothWays) {
  for (const MappingCase& c : kMappings) {
    EXPECT_EQ(numeric::Utf8ToCp932(c.utf8), std::optional<std::string>(c.cp932)) << c.utf8;
    EXPECT_EQ(numeric::Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
  }
}

TEST(Cp932TextTest, RefusesWhatCodePage932CannotHold) {
  for (const char* utf8 : {"\xC3\xA9",          // é
                           "\xE2\x82\xAC",      // €
                           "\xF0\x9F\x98\x80",  // an emoji outside the basic plane
                           "a\xE2\x80\xAF",     // narrow no-break space after a letter
                           "\xFF"}) {           // not UTF-8 at all
    EXPECT_EQ(numeric::Utf8ToCp932(utf8), std::nullopt) << utf8;
  }
}

TEST(Cp932TextTest, MarksBytesWithoutCharacter) {
  EXPECT_EQ(numeric::Cp932ToUtf8("A\x81"), "A\xEF\xBF\xBD");  // lead byte at the end
  EXPECT_EQ(numeric::Cp932ToUtf8("\x81\x20"
                                 "B"),
            "\xEF\xBF\xBD B");  // lead byte with a bad trail byte
}

}  // namespace
}  // namespace morven::numeric
