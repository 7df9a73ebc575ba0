#include "numeric/cp932_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>

#include "numeric/cp932_platform.h"
#endif

// The platform's code-page-932 conversion (iconv on Linux, the system's code page 932 on Windows)
// behind the shared table: both builds give the same bytes for these cases.
namespace morven::numeric {
namespace {

struct MappingCase {
  const char* utf8;
  const char16_t* utf16;
  const char* cp932;
  const char16_t* decoded = nullptr;  // what cp932 reads as, when it is not utf16
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
    {"", u"", ""},                            // an empty field
    {"A1.,", u"A1.,", "A1.,"},
    {"\xE5\xAF\xB8\xE6\xB3\x95", u"\u5BF8\u6CD5", "\x90\xA1\x96@"},  // 寸法
    {"\xC3\xB7", u"\u00F7", "\x81\x80"},  // division sign: 80 as a trail byte
    // Mac and Linux programs' forms, written as Linux writes them, read back as Windows reads them
    {"\xE3\x80\x9C", u"\u301C", "\x81\x60", u"\uFF5E"},  // wave dash
    {"\xE2\x80\x96", u"\u2016", "\x81\x61", u"\u2225"},  // double vertical line
    {"\xE2\x88\x92", u"\u2212", "\x81\x7C", u"\uFF0D"},  // minus sign
    {"\xC2\xA2", u"\u00A2", "\x81\x91", u"\uFFE0"},      // cent sign
    {"\xC2\xA3", u"\u00A3", "\x81\x92", u"\uFFE1"},      // pound sign
    {"\xC2\xAC", u"\u00AC", "\x81\xCA", u"\uFFE2"},      // not sign
    {"\xE2\x80\x94", u"\u2014", "\x81\x5C", u"\u2015"},  // em dash
    {"\xC2\xA5", u"\u00A5", "\\", u"\\"},                // yen sign
    {"\xE2\x80\xBE", u"\u203E", "~", u"~"},              // overline
};

TEST(Cp932TextTest, ConvertsBothWays) {
  for (const MappingCase& c : kMappings) {
    EXPECT_EQ(numeric::Utf8ToCp932(c.utf8), std::optional<std::string>(c.cp932)) << c.utf8;
    EXPECT_EQ(numeric::Utf16ToCp932(c.utf16), std::optional<std::string>(c.cp932)) << c.utf8;
    EXPECT_EQ(numeric::Cp932ToUtf16(c.cp932), c.decoded ? c.decoded : c.utf16) << c.utf8;
    if (!c.decoded) {
      EXPECT_EQ(numeric::Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
    }
  }
}

TEST(Cp932TextTest, RefusesWhatCodePage932CannotHold) {
  for (const char* utf8 : {"\xC3\xA9",          // é
                           "\xE2\x82\xAC",      // €
                           "\xF0\x9F\x98\x80",  // an emoji outside the basic plane
                           "a\xE2\x80\xAF",     // narrow no-break space after a letter
                           "\xFF",              // not UTF-8 at all
                           "\xE0\x80\xAF",      // an overlong slash
                           "\xED\xA0\x80",      // a surrogate
                           "\xE5\xAF"}) {       // cut short
    EXPECT_EQ(numeric::Utf8ToCp932(utf8), std::nullopt) << utf8;
  }
  for (const char16_t* utf16 : {u"\u00E9", u"\U0001F600", u"a\xD800",
                                u"\xDC00"
                                u"b",
                                // only Windows writes them: 80 and FD are lead bytes to the host
                                u"\u0080", u"\uF8F0", u"\uF8F1", u"\uF8F2", u"\uF8F3"}) {
    EXPECT_EQ(numeric::Utf16ToCp932(utf16), std::nullopt);
  }
  EXPECT_EQ(numeric::Utf8ToCp932Dropping("a\xE5"
                                         "b\xC3\xA9"),
            "ab");  // a malformed byte and a character without code
  EXPECT_EQ(numeric::Utf16ToCp932Dropping(u"a\u00E9\U0001F600\xD800"
                                          u"b"),
            "ab");
}

TEST(Cp932TextTest, MarksBytesWithoutCharacter) {
  EXPECT_EQ(numeric::Cp932ToUtf8("A\x81"), "A\xEF\xBF\xBD");  // lead byte at the end
  EXPECT_EQ(numeric::Cp932ToUtf8("\x81\x20"
                                 "B"),
            "\xEF\xBF\xBD B");  // lead byte with a bad trail byte
  EXPECT_EQ(numeric::Cp932ToUtf16("\x82\xA0"
                                  "A\x81"),
            u"\u3042A\uFFFD");  // read character by character up to the bad byte
  EXPECT_EQ(numeric::Cp932ToUtf16("\x80\x85\x80"), u"\u0080\uFFFD\u0080");  // as Windows reads 80
}

#ifdef _WIN32
// The system converts at most 2 GiB at a call: a text of 4 GiB and 2 bytes must not pass as whole
// after its length wrapped to 2. Only its first bytes are ever read, so only they are committed.
TEST(Cp932TextTest, MarksBytesWithoutCharacterPastWhatTheSystemTakesAtACall) {
  constexpr std::size_t kLength = (std::size_t{1} << 32u) + 2;
  char* text = static_cast<char*>(VirtualAlloc(nullptr, kLength, MEM_RESERVE, PAGE_NOACCESS));
  ASSERT_NE(text, nullptr);
  ASSERT_NE(VirtualAlloc(text, 4, MEM_COMMIT, PAGE_READWRITE), nullptr);
  text[0] = 'A';
  text[1] = 'B';
  text[2] = '\x81';
  text[3] = ' ';
  std::u16string utf16;
  EXPECT_EQ(platform::AppendUtf16Of(std::string_view(text, kLength), utf16), 2u);
  EXPECT_EQ(utf16, u"AB");
  VirtualFree(text, 0, MEM_RELEASE);
}
#endif

// FNV-1a over every conversion: the same stored values on Linux and under Wine mean that both
// builds write and read the same bytes for every basic-plane character and one- and two-byte code.
struct Digest {
  std::uint64_t value = 0xCBF29CE484222325u;
  void Add(unsigned byte) { value = (value ^ (byte & 0xFFu)) * 0x100000001B3u; }
};

TEST(Cp932TextTest, BothBuildsConvertEveryCodeAlike) {
  Digest encoding;  // per character: the number of bytes (0xFF: no code), then the bytes
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const std::optional<std::string> bytes =
        numeric::Utf16ToCp932(std::u16string(1, static_cast<char16_t>(c)));
    encoding.Add(bytes ? static_cast<unsigned>(bytes->size()) : 0xFFu);
    for (const char byte : bytes.value_or("")) encoding.Add(static_cast<unsigned char>(byte));
  }
  Digest decoding;  // per code: the number of UTF-16 units, then each, low byte first
  const auto decode = [&](const std::string& code) {
    const std::u16string utf16 = numeric::Cp932ToUtf16(code);
    decoding.Add(static_cast<unsigned>(utf16.size()));
    for (const char16_t unit : utf16) {
      decoding.Add(unit);
      decoding.Add(unit >> 8u);
    }
  };
  for (unsigned code = 0; code <= 0xFF; ++code) decode(std::string(1, static_cast<char>(code)));
  for (unsigned code = 0; code <= 0xFFFF; ++code) {
    decode(std::string{static_cast<char>(code >> 8u), static_cast<char>(code & 0xFFu)});
  }
  EXPECT_EQ(encoding.value, 0x4A514BCC78A7BC9Cu) << std::hex << encoding.value;
  EXPECT_EQ(decoding.value, 0x097B8133B3D4831Du) << std::hex << decoding.value;
}

}  // namespace
}  // namespace morven::numeric
