#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
#include "numeric/cp932_text.h"
#include "tool/regional_separators.h"
#include "tool/text_type_list.h"

namespace morven::tool {
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

struct SeparatorCase {
  const char* decimal;
  const char* thousands;
  char expectedDecimal;
  char expectedThousands;
};

const SeparatorCase kSeparatorCases[] = {
    {".", ",", '.', ','},
    {",", ".", ',', '.'},
    {".", "'", '.', '\''},
    {",", " ", ',', ' '},
    {",", "\xE2\x80\xAF", '.', ','},  // narrow no-break space: not in code page 932
    {".", "\xE2\x80\x99", '.', ','},  // right single quotation mark: two bytes in code page 932
    {",", ",", '.', ','},             // equal
    {"", ",", '.', ','},
    {"..", ",", '.', ','},
    {"\xEF\xBC\x8E", ",", '.', ','},  // full-width full stop: two bytes
};

TEST(RegionalSeparatorsTest, UsesOneByteSeparatorsThatDiffer) {
  for (const SeparatorCase& c : kSeparatorCases) {
    const numeric::Separators s = ChooseSeparators(c.decimal, c.thousands);
    EXPECT_EQ(s.decimal, c.expectedDecimal) << c.decimal << " " << c.thousands;
    EXPECT_EQ(s.thousands, c.expectedThousands) << c.decimal << " " << c.thousands;
  }
}

// "現在の文字種("
const std::string kCurrent = "\x8C\xBB\x8D\xDD\x82\xCC\x95\xB6\x8E\x9A\x8E\xED(";

TEST(TextTypeListTest, StartValuesOfTheExchangeState) {
  exchange::ExchangeState state;
  exchange::ResetExchangeState(state);
  const std::vector<std::string> items = TextTypeListItems(state, {});
  ASSERT_EQ(items.size(), 11u);
  EXPECT_EQ(items[0], kCurrent + "No1)");
  EXPECT_EQ(items[1], "No1: W3 H3 D0");
  EXPECT_EQ(items[10], "No10: W3 H3 D0");
}

TEST(TextTypeListTest, HostsValuesAndRegionalDecimalSeparator) {
  exchange::ExchangeState state;
  exchange::ResetExchangeState(state);
  state.TextTypes[9] = {2.5, 2.5, 0.5, 3};
  state.TextTypes[1] = {1.0 / 3, 1e-5, 100000, 1};
  const struct {
    std::int32_t hostType;
    numeric::Separators separators;
    std::string current, second, tenth;
  } cases[] = {
      {0, {}, kCurrent + "Free)", "No2: W0.333333333333333 H1E-5 D100000", "No10: W2.5 H2.5 D0.5"},
      {3, {}, kCurrent + "No3)", "No2: W0.333333333333333 H1E-5 D100000", "No10: W2.5 H2.5 D0.5"},
      {15, {}, kCurrent + "No15)", "No2: W0.333333333333333 H1E-5 D100000", "No10: W2.5 H2.5 D0.5"},
      {-1,
       {',', '.'},
       kCurrent + "No-1)",
       "No2: W0,333333333333333 H1E-5 D100000",
       "No10: W2,5 H2,5 D0,5"},
  };
  for (const auto& c : cases) {
    state.InitialTextType = c.hostType;
    const std::vector<std::string> items = TextTypeListItems(state, c.separators);
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items[0], c.current);
    EXPECT_EQ(items[2], c.second);
    EXPECT_EQ(items[10], c.tenth);
  }
}

}  // namespace
}  // namespace morven::tool
