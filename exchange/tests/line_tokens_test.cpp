#include "exchange/line_tokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morven::exchange {
namespace {

struct SplitCase {
  std::string line;
  int slots;
  std::vector<std::string> tokens;
};

std::vector<std::string> TokensOf(const LineTokens& t) {
  std::vector<std::string> out;
  for (int i = 0; i < t.SlotCount(); ++i) out.emplace_back(t[i]);
  return out;
}

TEST(LineTokens, SplitsByTheByteRules) {
  const SplitCase cases[] = {
      {"hk 30", 2, {"hk", "30"}},
      {"hk 30   ", 3, {"hk", "30", ""}},
      {"   hk   30", 2, {"hk", "30"}},
      {"hk\t30", 2, {"hk", "30"}},
      {"hk \t 30", 2, {"hk", "30"}},
      {"", 1, {""}},
      {"    ", 1, {""}},
      // A quote is dropped and ends splitting; blanks and quotes after it are text.
      {"ch 10 20 1 0 \"A B", 6, {"ch", "10", "20", "1", "0", "A B"}},
      {"ch 10 20 1 0 A B", 7, {"ch", "10", "20", "1", "0", "A", "B"}},
      {"cn\"$<MS Gothic>", 1, {"cn$<MS Gothic>"}},
      {"a\"b \"c\" d", 1, {"ab \"c\" d"}},
      // An equals sign is kept and ends splitting as well.
      {"file=C:\\a b.drw", 1, {"file=C:\\a b.drw"}},
      {"x = 1 2", 2, {"x", "= 1 2"}},
      // A tab after splitting ended is a control byte and is dropped.
      {"a \"b\tc", 2, {"a", "bc"}},
      // Control bytes, 0xFE and 0xFF are dropped; 0x7F and half-width kana are kept.
      {"a\x01\x1b"
       "b \xfe\xff"
       "c",
       2,
       {"ab", "c"}},
      {"\x7f\xa0\xdf", 1, {"\x7f\xa0\xdf"}},
      // A double-byte character is never split, whatever its second byte is.
      {"\x82\x20"
       "A",
       1,
       {"\x82\x20"
        "A"}},
      {"\x81\x40 x", 2, {"\x81\x40", "x"}},
      {"\x83\x22 x", 2, {"\x83\x22", "x"}},
      {"\xe0\x09"
       "b",
       1,
       {"\xe0\x09"
        "b"}},
      {"\x82\x3d b", 2, {"\x82\x3d", "b"}},
      // A lead byte at the very end is dropped.
      {"ab \x82", 2, {"ab", ""}},
      {"ab\x82", 1, {"ab"}},
      {"\x88\x9f\x82", 1, {"\x88\x9f"}},
      // A CR goes before anything else, even between the two bytes of a character.
      {"h\rk 3\r0", 2, {"hk", "30"}},
      {"\x82\r\x41 b", 2, {"\x82\x41", "b"}},
      {"ab \x82\r\r", 2, {"ab", ""}},
      // Lines past 64 bytes and lines with 32 tokens or more.
      {std::string(70, 'a') + " b ", 3, {std::string(70, 'a'), "b", ""}},
      {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 ",
       32,
       {"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
        "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22",
        "23", "24", "25", "26", "27", "28", "29", "30", "31", "32"}},
      {"a b c d e f g h i j k l m n o p q r s t u v w x y z A B C D E F G",
       32,
       {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p",
        "q", "r", "s", "t", "u", "v", "w", "x", "y", "z", "A", "B", "C", "D", "E", "F"}},
  };
  LineTokens tokens;
  for (const SplitCase& c : cases) {
    tokens.Split(c.line);
    EXPECT_EQ(tokens.SlotCount(), c.slots) << c.line;
    EXPECT_EQ(TokensOf(tokens), c.tokens) << c.line;
  }
}

// Every line is split once by the whole-line path and once by the byte scan; both must agree
// with the byte rules, so each case also runs behind a long prefix that forces the scan.
TEST(LineTokens, BothPathsAgreeOnEveryPlainLine) {
  const char* const lines[] = {"1 2 3 4",   " 1\t2  3 4 ", "x",          "  ",
                               "!#$ ~\x7f", "a  b\t\tc",   "12345678 9", "1234567 89 "};
  LineTokens whole;
  LineTokens scanned;
  for (const char* line : lines) {
    const std::string padded = std::string(80, 'p') + " " + line;
    whole.Split(line);
    scanned.Split(padded);
    ASSERT_EQ(scanned.SlotCount(), whole.SlotCount() + 1) << line;
    for (int i = 0; i < whole.SlotCount(); ++i) {
      EXPECT_EQ(scanned[i + 1], whole[i]) << line;
    }
  }
  for (int length = 0; length <= 64; ++length) {
    std::string line(static_cast<std::size_t>(length), 'q');
    for (int i = 3; i < length; i += 5) line[static_cast<std::size_t>(i)] = ' ';
    whole.Split(line);
    int tokens = 0;
    for (int i = 0; i < length; ++i) {
      tokens += line[static_cast<std::size_t>(i)] == 'q' && (i == 0 || line[i - 1] == ' ');
    }
    const bool trailing = length > 0 && line.back() == ' ';
    EXPECT_EQ(whole.SlotCount(), std::max(1, tokens + (trailing ? 1 : 0))) << length;
  }
}

// Lines read from a file are followed by whatever comes next in the chunk: nothing after the line's
// end may change its tokens, blanks and quotes included.
TEST(LineTokens, BytesAfterAPaddedLineAreIgnored) {
  const std::string lines[] = {"1 2 3 4", "-1234.567 89.5 0 7",      "hk 30", "x", "",
                               "a  ",     std::string(63, 'z') + " "};
  const std::string followers[] = {
      " ", "\"", "\t", "=", "\x82", "\r\n9 9 9 9", std::string(1, '\0')};
  LineTokens expected;
  LineTokens padded;
  for (const std::string& line : lines) {
    expected.Split(line);
    for (const std::string& follower : followers) {
      std::string bytes = line;
      while (bytes.size() < line.size() + kLinePadding) bytes += follower;
      padded.SplitPadded(std::string_view(bytes.data(), line.size()));
      ASSERT_EQ(padded.SlotCount(), expected.SlotCount()) << line << " / " << follower;
      EXPECT_EQ(padded.IsPlain(), expected.IsPlain()) << line << " / " << follower;
      for (int i = 0; i < expected.SlotCount(); ++i) EXPECT_EQ(padded[i], expected[i]) << line;
    }
  }
}

TEST(LineTokens, OnlyPrintableAsciiAndBlanksArePlain) {
  const struct {
    const char* line;
    bool plain;
  } cases[] = {
      {"1 2 3 4", true}, {"  hk 30  ", true}, {"!#$ ~\x7f", true},       {"", true},
      {"hk\t30", false}, {"file=a", false},   {"ch 1 2 1 0 \"A", false}, {"\x82\xa0", false},
      {"a\rb", false},   {"\xa0", false},
  };
  LineTokens tokens;
  for (const auto& c : cases) {
    tokens.Split(c.line);
    EXPECT_EQ(tokens.IsPlain(), c.plain) << c.line;
  }
  tokens.Split(std::string(65, 'a'));
  EXPECT_FALSE(tokens.IsPlain());  // past 64 bytes the byte scan splits it

  // A tab or a blank anywhere in a 64-byte line, whichever sixteen bytes it falls in.
  for (const std::size_t at : {0, 15, 16, 31, 32, 47, 48, 49, 63}) {
    std::string line(64, 'a');
    line[at] = '\t';
    tokens.Split(line);
    EXPECT_FALSE(tokens.IsPlain()) << at;
    line[at] = ' ';
    tokens.Split(line);
    EXPECT_TRUE(tokens.IsPlain()) << at;
    const int slots = at > 0 ? 2 : 1;  // a blank at the end leaves an empty last slot
    EXPECT_EQ(tokens.SlotCount(), slots) << at;
    EXPECT_EQ(tokens[slots - 1].size(), 63 - at) << at;
  }
}

TEST(LineTokens, BlankLinesAreRecognised) {
  LineTokens tokens;
  for (const char* line : {"", "   ", "\t\t", "\x01\x02", "\""}) {
    tokens.Split(line);
    EXPECT_TRUE(tokens.IsBlank()) << line;
  }
  tokens.Split("\"x");
  EXPECT_FALSE(tokens.IsBlank());
}

TEST(LineTokens, SlotsBeyondTheCountAreEmpty) {
  LineTokens tokens;
  tokens.Split("a b c d e");  // nothing of a longer line before may show through
  tokens.Split("a b");
  EXPECT_EQ(tokens[2], "");
  EXPECT_EQ(tokens[31], "");
  EXPECT_EQ(tokens[32], "");
  EXPECT_EQ(tokens[-1], "");
}

TEST(LineTokens, TokensBeyondSlot31AreDropped) {
  std::string line;
  for (int i = 0; i < 40; ++i) line += std::to_string(i) + "  ";
  line += "\"tail text";
  LineTokens tokens;
  tokens.Split(line);
  EXPECT_EQ(tokens.SlotCount(), 32);
  EXPECT_EQ(tokens[0], "0");
  EXPECT_EQ(tokens[31], "31");

  tokens.Split(std::string(5000, 'x') + " y");
  EXPECT_EQ(tokens.SlotCount(), 2);
  EXPECT_EQ(tokens[0].size(), 5000u);
}

}  // namespace
}  // namespace morven::exchange
