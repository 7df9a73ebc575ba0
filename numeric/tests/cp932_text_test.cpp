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
  const char16_t* utf16;
  const char* cp932;
};

// Where the Windows mapping of code page 932 differs from plain Shift_JIS, and the single bytes.
const MappingCase kMappings[] = {
    {"\xEF\xBD\x9E", u"\uFF5E", "\x81\x60"},  // full-width tilde
    {"\xEF\xBC\x8D", u"\uFF0D", "\x81\x7C"},  // full-width hyphen-minus
    {"\xE2\x88\xA5", u"\u2225", "\x81\x61"},  // parallel to
    {"\xEF\xBF\xA2", u"\uFFE2", "\x81\xCA"},  // full-width not sign
    {"\xE2\x91\xA0", u"\u2460", "\x87\x40"},  // circled digit one
    {"\xEF\xBD\xB1", u"\uFF71", "\xB1"},      // half-width katakana a
    {"\\", u"\\", "\\"},                      // the backslash stays a backslash
    {"A1.,", u"A1.,", "A1.,"},
    {"\xE5\xAF\xB8\xE6\xB3\x95", u"\u5BF8\u6CD5", "\x90\xA1\x96@"},  // 寸法
};

TEST(Cp932TextTest, ConvertsBothWays) {
  for (const MappingCase& c : kMappings) {
    EXPECT_EQ(numeric::Utf8ToCp932(c.utf8), std::optional<std::string>(c.cp932)) << c.utf8;
    EXPECT_EQ(numeric::Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
    EXPECT_EQ(numeric::Utf16ToCp932(c.utf16), std::optional<std::string>(c.cp932)) << c.utf8;
    EXPECT_EQ(numeric::Cp932ToUtf16(c.cp932), c.utf16) << c.utf8;
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
  for (const char16_t* utf16 : {u"\u00E9", u"\U0001F600", u"a\xD800",
                                u"\xDC00"
                                u"b"}) {
    EXPECT_EQ(numeric::Utf16ToCp932(utf16), std::nullopt);
  }
  EXPECT_EQ(numeric::Utf16ToCp932Dropping(u"a\u00E9\U0001F600\xD800"
                                          u"b"),
            "ab");
}

TEST(Cp932TextTest, MarksBytesWithoutCharacter) {
  EXPECT_EQ(numeric::Cp932ToUtf8("A\x81"), "A\xEF\xBF\xBD");  // lead byte at the end
  EXPECT_EQ(numeric::Cp932ToUtf8("\x81\x20"
                                 "B"),
            "\xEF\xBF\xBD B");  // lead byte with a bad trail byte
  EXPECT_EQ(numeric::Cp932ToUtf16("A\x81"), u"A\uFFFD");
}

}  // namespace
}  // namespace morven::numeric
