#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "exchange/exchange_state.h"
#include "exchange/reader.h"

namespace morven::exchange {
namespace {

class KeywordRows : public ::testing::Test {
 protected:
  void Read(std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) ParseExchangeLine(state, line);
  }
  std::size_t Elements() const { return state.OrderList.size(); }

  ExchangeState state;
};

// "file=" anywhere in token 0.
TEST_F(KeywordRows, FileNameIsTakenFromTheSixthByteWhereverFileStands) {
  Read({"file=C:\\drawings\\plan a.drw"});
  EXPECT_EQ(state.HostFileName, "C:\\drawings\\plan a.drw");
  Read({"xfile=abc"});
  EXPECT_EQ(state.HostFileName, "=abc");
  Read(
      {"\x82"
       "file=zz"});  // "file=" only inside a double-byte character: not this row
  EXPECT_EQ(state.HostFileName, "=abc");
}

// The host's settings: "hk", "hs", "hzs", "hcw", "hch", "hcd", "hcc", "bz", "hn".
TEST_F(KeywordRows, HostSettings) {
  Read({"hk 30"});
  EXPECT_EQ(state.HkAngle, 30.0);
  Read({"hk 45   "});
  EXPECT_EQ(state.HkAngle, 45.0);
  Read({"hk"});
  EXPECT_EQ(state.HkAngle, 45.0);

  Read({"hs 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"});
  for (int g = 0; g < 16; ++g) EXPECT_EQ(state.LayerGroupScale[g], g + 1.0);
  Read({"hs 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9"});  // 16 slots: too few
  EXPECT_EQ(state.LayerGroupScale[0], 1.0);

  Read({"hzs 420 297"});
  EXPECT_EQ(state.SheetWidth, 420.0);
  EXPECT_EQ(state.SheetHeight, 297.0);
  Read({"hzs 1"});
  EXPECT_EQ(state.SheetWidth, 420.0);

  Read({"hcw 1 2 3 4 5 6 7 8 9 10", "hch 11 12 13 14 15 16 17 18 19 20",
        "hcd 0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1", "hcc 1 2 3 4 5 6 7 8 9 10"});
  EXPECT_EQ(state.TextTypes[0].Width, 1.0);
  EXPECT_EQ(state.TextTypes[9].Width, 10.0);
  EXPECT_EQ(state.TextTypes[9].Height, 20.0);
  EXPECT_EQ(state.TextTypes[2].Gap, 0.3);
  EXPECT_EQ(state.TextTypes[4].Color, 5);
  Read({"hcw 7 7 7 7 7 7 7 7 7"});  // 10 slots: too few
  EXPECT_EQ(state.TextTypes[0].Width, 1.0);

  Read({"bz"});
  EXPECT_TRUE(state.BzFlag);

  Read({"hn 1 2 3 4"});
  EXPECT_EQ(state.HnValues[0], 1.0);
  EXPECT_EQ(state.HnValues[3], 4.0);
  EXPECT_EQ(Elements(), 0u);
}

TEST_F(KeywordRows, AnOverflowingNumberReadsAsZeroAndReadingGoesOn) {
  Read({"hk 1e400", "hp1 1.79769313486232E308 5", "hp2 -1e999 7", "1e400 1 2 3"});
  EXPECT_EQ(state.HkAngle, 0.0);
  EXPECT_TRUE(state.HpPoints[1].Defined);
  EXPECT_EQ(state.HpPoints[1].X, 0.0);
  EXPECT_EQ(state.HpPoints[1].Y, 5.0);
  EXPECT_EQ(state.HpPoints[2].X, 0.0);
  EXPECT_EQ(state.HpPoints[2].Y, 7.0);
  ASSERT_EQ(state.Lines.size(), 1u);
  EXPECT_EQ(state.Lines[0].X1, 0.0);
  EXPECT_EQ(state.Lines[0].Y1, 1.0);
}

// "lgn", "lyn", "lg", "ly".
TEST_F(KeywordRows, LayerGroupsAndLayersAreOneHexadecimalDigit) {
  struct Case {
    const char* line;
    std::int32_t group;
  };
  const Case cases[] = {{"lg3", 3}, {"lgA", 10}, {"lga", 10}, {"lgF", 15},      {"lgz", 0},
                        {"lg", 0},  {"lg12", 1}, {"lg-1", 0}, {"lg\x82\xa0", 0}};
  for (const Case& c : cases) {
    state.CurLayerGroup = 7;
    Read({c.line});
    EXPECT_EQ(state.CurLayerGroup, c.group) << c.line;
    state.CurLayer = 7;
    std::string layerLine = c.line;
    layerLine[1] = 'y';
    Read({layerLine});
    EXPECT_EQ(state.CurLayer, c.group) << layerLine;
  }
}

TEST_F(KeywordRows, LayerArgumentsAndNames) {
  Read({"lg3 1", "ly2 5", "lgnWalls", "lynDoor frames"});
  EXPECT_EQ(state.LayerGroupArg[3], 1);
  EXPECT_EQ(state.LayerArg[3 * 16 + 2], 5);
  EXPECT_EQ(state.LayerGroupName[3], "Walls");
  EXPECT_EQ(state.LayerName[3 * 16 + 2], "Door");
  Read({"lg4", "ly6"});  // without a second token the arguments stay
  EXPECT_EQ(state.LayerGroupArg[4], 0);
  EXPECT_EQ(state.LayerArg[4 * 16 + 6], 0);
  EXPECT_EQ(state.CurLayerGroup, 4);
  EXPECT_EQ(state.CurLayer, 6);
}

// "lg", "ly", "lc", "lt", "lw", "cn$", "cn": the first occurrence sets the initial attribute as
// well.
TEST_F(KeywordRows, FirstOccurrenceSetsTheInitialAttributes) {
  Read({"lg3", "ly4", "lc5", "lt6", "lw7", "cn8"});
  Read({"lg9", "ly1", "lc7", "lt2", "lw3", "cn4"});
  EXPECT_EQ(state.InitialLayerGroup, 3);
  EXPECT_EQ(state.InitialLayer, 4);
  EXPECT_EQ(state.InitialLineColor, 5);
  EXPECT_EQ(state.InitialLineType, 6);
  EXPECT_EQ(state.InitialLineWidth, 7);
  EXPECT_EQ(state.InitialTextType, 8);
  EXPECT_EQ(state.CurLayerGroup, 9);
  EXPECT_EQ(state.CurLayer, 1);
  EXPECT_EQ(state.CurLineColor, 7);
  EXPECT_EQ(state.CurLineType, 2);
  EXPECT_EQ(state.CurLineWidth, 3);
  EXPECT_EQ(state.CurTextType, 4);
  EXPECT_FALSE(state.ForceLayerGroup || state.ForceLayer || state.ForceLineColor ||
               state.ForceLineType || state.ForceLineWidth || state.ForceTextType);
}

TEST_F(KeywordRows, AttributesAreStoredWithoutRangeChecks) {
  Read({"lc-4", "lt300", "lw99999", "lc", "cn42"});
  EXPECT_EQ(state.InitialLineColor, -4);
  EXPECT_EQ(state.CurLineColor, 0);
  EXPECT_EQ(state.CurLineType, 300);
  EXPECT_EQ(state.CurLineWidth, 99999);
  EXPECT_EQ(state.CurTextType, 42);
}

TEST_F(KeywordRows, LineColourTenCarriesTheExtendedColour) {
  Read({"lc10 23"});
  EXPECT_EQ(state.CurLineColor, 10);
  EXPECT_EQ(state.CurExtColor, 23);
  Read({"lc10", "lc11 40"});
  EXPECT_EQ(state.CurExtColor, 23);
  Read({"sl 0 0 1 1"});  // the surface takes the extended colour
  ASSERT_EQ(state.Sl2s.size(), 1u);
  EXPECT_EQ(state.Sl2s[0].ExtColor, 23);
}

TEST_F(KeywordRows, FreeTextSizeComesOnlyWithFiveSlots) {
  Read({"cn0 2.5 2.5 0.5 3"});
  EXPECT_EQ(state.InitialTextType, 0);
  EXPECT_EQ(state.InitialTextWidth, 2.5);
  EXPECT_EQ(state.InitialTextHeight, 2.5);
  EXPECT_EQ(state.InitialTextGap, 0.5);
  EXPECT_EQ(state.InitialTextColor, 3);
  EXPECT_EQ(state.CurTextColor, 3);
  Read({"cn0 4 4 1 5"});
  EXPECT_EQ(state.InitialTextWidth, 2.5);
  EXPECT_EQ(state.CurTextWidth, 4.0);
  EXPECT_EQ(state.CurTextColor, 5);
  Read({"cn0 9 9"});
  EXPECT_EQ(state.CurTextWidth, 4.0);
}

TEST_F(KeywordRows, AFirstTextTypeOtherThanZeroKeepsTheInitialFreeSize) {
  Read({"cn3 7 7 7 7", "cn0 9 9 9 9"});
  EXPECT_EQ(state.InitialTextType, 3);
  EXPECT_EQ(state.InitialTextWidth, 2.0);
  EXPECT_EQ(state.CurTextWidth, 9.0);
}

TEST_F(KeywordRows, FontNames) {
  Read({"cn$"});
  EXPECT_EQ(state.InitialFontName, "");
  EXPECT_EQ(state.CurFontName, "");
  Read({"cn\"$<\x82l\x82r \x96\xbe\x92\xa9>"});  // <ＭＳ 明朝> behind a quote stays whole
  EXPECT_EQ(state.InitialFontName, "<\x82l\x82r \x96\xbe\x92\xa9>");
  Read({"cn$Other Font"});
  EXPECT_EQ(state.InitialFontName, "<\x82l\x82r \x96\xbe\x92\xa9>");
  EXPECT_EQ(state.CurFontName, "Other");
  EXPECT_EQ(state.CurTextType, 1);  // "cn$" is not a text type
}

// "cc".
TEST_F(KeywordRows, CcReadsOneDigit) {
  struct Case {
    const char* line;
    std::int32_t value;
  };
  const Case cases[] = {{"cc3", 3}, {"cc8", 8}, {"cc9", 0}, {"cc12", 1},
                        {"cc-", 0}, {"cc", 0},  {"ccA", 0}};
  for (const Case& c : cases) {
    state.CurCcValue = 5;
    Read({c.line});
    EXPECT_EQ(state.CurCcValue, c.value) << c.line;
  }
}

// "z1" to "z5", and the clearing by every element.
TEST_F(KeywordRows, ZFlagsQualifyExactlyOneElement) {
  Read({"z2", "z4", "ci 0 0 1", "ci 0 0 2"});
  EXPECT_EQ(state.Circles[0].Header.ZFlags, 10);
  EXPECT_EQ(state.Circles[1].Header.ZFlags, 0);
  Read({"z1", "z3", "z5", "1 1 2 2", "3 3 4 4"});
  EXPECT_EQ(state.Lines[0].Header.ZFlags, 1 + 4 + 16);
  EXPECT_EQ(state.Lines[1].Header.ZFlags, 0);
  Read({"z6", "z", "z11"});
  EXPECT_EQ(state.ZFlags, 0);
  Read({"msg", "z3", "0 0 5 0"});
  EXPECT_EQ(state.MessageLine.Header.ZFlags, 4);
  EXPECT_EQ(state.ZFlags, 0);
}

// "pn" and the two "pt" forms.
TEST_F(KeywordRows, PointsTakeThePnColour) {
  Read({"lc4", "pn6", "pt 1 2", "pt 3 4 2.5 90 7"});
  ASSERT_EQ(state.Points.size(), 1u);
  EXPECT_EQ(state.Points[0].Header.Color, 6);
  EXPECT_EQ(state.Points[0].X, 1.0);
  EXPECT_EQ(state.Points[0].Y, 2.0);
  ASSERT_EQ(state.PointExs.size(), 1u);
  const PointExRecord& p = state.PointExs[0];
  EXPECT_EQ(p.Header.Color, 6);
  EXPECT_EQ(p.X, 3.0);
  EXPECT_EQ(p.Y, 4.0);
  EXPECT_EQ(p.Scale, 2.5);
  EXPECT_EQ(p.Angle, 90.0);
  EXPECT_EQ(p.PointKind, 7);
}

// "hp" and "hhp".
TEST_F(KeywordRows, NumberedPoints) {
  struct Case {
    const char* line;
    int number;  // 0: no point may change
    double x, y;
    std::int32_t kind;
  };
  const Case cases[] = {
      {"hp1 100 200", 1, 100, 200, 0}, {"hp1- 5 6", 1, 5, 6, 1},   {"hp2ln 10 20", 2, 10, 20, 2},
      {"hp3ci 1 2", 3, 1, 2, 3},       {"hp4ch 3 4", 4, 3, 4, 4},  {"hp99 9 9", 99, 9, 9, 0},
      {"hp 7 7", 0, 0, 0, 0},          {"hp100 1 1", 0, 0, 0, 0},  {"hp0 1 1", 0, 0, 0, 0},
      {"hp3 1", 0, 0, 0, 0},           {"hp5-ln 1 2", 0, 0, 0, 0}, {"hpx 1 2", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ExchangeState fresh;
    ParseExchangeLine(fresh, c.line);
    int defined = 0;
    for (const HpPoint& p : fresh.HpPoints) defined += p.Defined;
    if (c.number == 0) {
      EXPECT_EQ(defined, 0) << c.line;
      EXPECT_EQ(fresh.HpPointCount, 0) << c.line;
      continue;
    }
    EXPECT_EQ(defined, 1) << c.line;
    EXPECT_EQ(fresh.HpPointCount, 1) << c.line;
    const HpPoint& p = fresh.HpPoints[c.number];
    EXPECT_TRUE(p.Defined) << c.line;
    EXPECT_EQ(p.X, c.x) << c.line;
    EXPECT_EQ(p.Y, c.y) << c.line;
    EXPECT_EQ(p.Kind, c.kind) << c.line;
  }
}

TEST_F(KeywordRows, APointGivenTwiceCountsTwice) {
  Read({"hp1 1 1", "hp1 2 2"});
  EXPECT_EQ(state.HpPointCount, 2);
  EXPECT_EQ(state.HpPoints[1].X, 2.0);
}

TEST_F(KeywordRows, HhpNumbersGoIntoTheHeaders) {
  struct Case {
    const char* line;
    std::int32_t number;
  };
  const Case cases[] = {{"hhp12", 12}, {"hhp7ln", 7}, {"hhp8ci", 8}, {"hhp9ch 1 2", 9},
                        {"hhp", 0},    {"hhpln", 0},  {"hhp-3", -3}, {"hhp12x", 0}};
  for (const Case& c : cases) {
    state.HhpNumber = 55;
    Read({c.line});
    EXPECT_EQ(state.HhpNumber, c.number) << c.line;
  }
  Read({"hhp4", "1 2 3 4", "ci 1 1 1", "hhp5", "5 6 7 8"});
  EXPECT_EQ(state.Lines[0].Header.HhpNumber, 4);
  EXPECT_EQ(state.Circles[0].Header.HhpNumber, 4);
  EXPECT_EQ(state.Lines[1].Header.HhpNumber, 5);
}

// "ci" with four slots (a circle) and with eight or more (an arc).
TEST_F(KeywordRows, CirclesAndArcs) {
  Read({"lg2", "ly3", "lc4", "lt5", "lw6", "ci 10 20 5", "ci 1 2 3 4 5 6 7", "ci 1 2 3 4 5"});
  ASSERT_EQ(state.Circles.size(), 1u);
  const CircleRecord& c = state.Circles[0];
  EXPECT_EQ(c.X, 10.0);
  EXPECT_EQ(c.Y, 20.0);
  EXPECT_EQ(c.R, 5.0);
  EXPECT_EQ(c.Header.LayerGroup, 2);
  EXPECT_EQ(c.Header.Layer, 3);
  EXPECT_EQ(c.Header.Color, 4);
  EXPECT_EQ(c.Header.LineType, 5);
  EXPECT_EQ(c.Header.LineWidth, 6);
  ASSERT_EQ(state.Arcs.size(), 1u);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(state.Arcs[0].Values[i], i + 1.0);
  EXPECT_EQ(Elements(), 2u);
}

// A keyword whose slot condition fails goes on down the table and, with four slots, ends as a
// plain line segment.
TEST_F(KeywordRows, FailedSlotConditionsFallThroughToTheLineRow) {
  struct Case {
    const char* line;
    double x1, y1, x2, y2;
  };
  const Case cases[] = {
      {"hn 1 2 ", 0, 1, 2, 0},  {"pt 1 2 3", 0, 1, 2, 3},
      {"ch 1 2 3", 0, 1, 2, 3}, {"sl 1 2 3", 0, 1, 2, 3},
      {"sc 1 2 3", 0, 1, 2, 3}, {"hcw 1 2 3", 0, 1, 2, 3},
      {"hs 1 2 3", 0, 1, 2, 3}, {"BLx 1 2 3", 0, 1, 2, 3},
      {"bl 1 2 3", 0, 1, 2, 3}, {"1.5 -2 3e2 .5", 1.5, -2, 300, 0.5},
      {"a b c d", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ExchangeState fresh;
    ParseExchangeLine(fresh, c.line);
    ASSERT_EQ(fresh.Lines.size(), 1u) << c.line;
    ASSERT_EQ(fresh.OrderList.size(), 1u) << c.line;
    const LineRecord& l = fresh.Lines[0];
    EXPECT_EQ(l.X1, c.x1) << c.line;
    EXPECT_EQ(l.Y1, c.y1) << c.line;
    EXPECT_EQ(l.X2, c.x2) << c.line;
    EXPECT_EQ(l.Y2, c.y2) << c.line;
  }
}

TEST_F(KeywordRows, FourSlotKeywordRowsWinOverTheLineRow) {
  // "ci" with 4 slots is a circle of radius 0, a keyword with any slots never becomes a line.
  Read({"ci 1 2 ", "hhp1 2 3 4", "lc3 1 2 3", "z1 2 3 4", "pl 1 2 3", "# 1 2 3", "msg 1 2 3"});
  ASSERT_EQ(state.Circles.size(), 1u);
  EXPECT_EQ(state.Circles[0].X, 1.0);
  EXPECT_EQ(state.Circles[0].R, 0.0);
  EXPECT_EQ(state.Lines.size(), 0u);
}

// Lines that no keyword takes and that are no four-slot line segment.
TEST_F(KeywordRows, LinesThatMatchNothingAreIgnored) {
  Read({"foo", "1 2 3", "1 2 3 4 5", "ci 1 2 3 4 5", "ch 1 2 3 4", "pt 1 2 3 4", "BL", "BL 1 2",
        "sl 1 2 3 4 5", "sl 1 2 3 4 5 6 7", "sc 1 2 3 4 5 6 7", "hp", "\"", "bzz", "msgs", "##",
        "z0", "pll"});
  EXPECT_EQ(Elements(), 0u);
  EXPECT_FALSE(state.BzFlag);
  EXPECT_FALSE(state.MessageMode || state.PolylineMode);
  EXPECT_EQ(state.ZFlags, 0);
}

// The text keywords "ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2".
TEST_F(KeywordRows, TextKeywordsGiveTheirVariant) {
  const char* keywords[] = {"ch", "cv", "cs", "cr", "co", "cp", "ct", "ck", "cz", "c2"};
  for (int v = 0; v < 10; ++v) Read({std::string(keywords[v]) + " 1 2 3 4 t" + keywords[v]});
  ASSERT_EQ(state.Texts.size(), 10u);
  for (int v = 0; v < 10; ++v) {
    EXPECT_EQ(state.Texts[v].TextVariant, v);
    EXPECT_EQ(state.Texts[v].Text, std::string("t") + keywords[v]);
  }
}

TEST_F(KeywordRows, TextFieldsComeFromTheTextTypeOrTheFreeSize) {
  Read({"hcw 1 2 3 4 5 6 7 8 9 10", "hcc 11 12 13 14 15 16 17 18 19 20", "lc5", "cc4", "cn$Font",
        "cn3", "ch 10 20 1 0 \"A B", "cn0 2.5 3.5 0.5 6", "cv 1 2 0 1 x y", "cn11", "ch 0 0 1 0 z",
        "cn10", "ch 0 0 1 0 w"});
  ASSERT_EQ(state.Texts.size(), 4u);
  const TextRecord& typed = state.Texts[0];
  EXPECT_EQ(typed.TextType, 3);
  EXPECT_EQ(typed.Width, 3.0);
  EXPECT_EQ(typed.Height, 3.0);
  EXPECT_EQ(typed.Header.Color, 13);
  EXPECT_EQ(typed.CcValue, 4);
  EXPECT_EQ(typed.X, 10.0);
  EXPECT_EQ(typed.Y, 20.0);
  EXPECT_EQ(typed.DirX, 1.0);
  EXPECT_EQ(typed.DirY, 0.0);
  EXPECT_EQ(typed.FontName, "Font");
  EXPECT_EQ(typed.Text, "A B");

  const TextRecord& free = state.Texts[1];
  EXPECT_EQ(free.TextType, 0);
  EXPECT_EQ(free.Width, 2.5);
  EXPECT_EQ(free.Height, 3.5);
  EXPECT_EQ(free.Gap, 0.5);
  EXPECT_EQ(free.Header.Color, 6);
  EXPECT_EQ(free.Text, "x");  // tokens after token 5 are ignored

  EXPECT_EQ(state.Texts[2].TextType, 11);  // out of range: the free size
  EXPECT_EQ(state.Texts[2].Width, 2.5);
  EXPECT_EQ(state.Texts[2].Header.Color, 6);

  EXPECT_EQ(state.Texts[3].TextType, 10);  // the highest text type: its own entry
  EXPECT_EQ(state.Texts[3].Width, 10.0);
  EXPECT_EQ(state.Texts[3].Header.Color, 20);
}

TEST_F(KeywordRows, LongTextsAreCutBeforeADoubleByteCharacter) {
  // 254 single bytes then a double-byte character that would end at byte 256.
  const std::string text = std::string(254, 'a') + "\x82\xa0" + "tail";
  Read({"cn$" + std::string(254, 'f') + "\x82\xa0", "ch 0 0 1 0 \"" + text});
  ASSERT_EQ(state.Texts.size(), 1u);
  EXPECT_EQ(state.Texts[0].Text, std::string(254, 'a'));
  EXPECT_EQ(state.Texts[0].FontName, std::string(254, 'f'));
  Read({"ch 0 0 1 0 \"" + std::string(300, 'b')});
  EXPECT_EQ(state.Texts[1].Text, std::string(255, 'b'));
  Read({"ch 0 0 1 0 \"" + std::string(253, 'c') + "\x82\xa0"});
  EXPECT_EQ(state.Texts[2].Text, std::string(253, 'c') + "\x82\xa0");
}

// "BL".
TEST_F(KeywordRows, Blocks) {
  Read({"BL 5 6 name extra"});
  ASSERT_EQ(state.Blocks.size(), 1u);
  EXPECT_EQ(state.Blocks[0].X, 5.0);
  EXPECT_EQ(state.Blocks[0].Y, 6.0);
  EXPECT_EQ(state.Blocks[0].Name, "name");
  Read({"BL 1 2 \"a long name"});
  EXPECT_EQ(state.Blocks[1].Name, "a long name");
}

// "sl" with two, three and four corners.
TEST_F(KeywordRows, SlCornersAreReduced) {
  struct Case {
    const char* line;
    ElementKind kind;
    std::vector<double> coords;
  };
  const Case cases[] = {
      {"sl 0 0 5 5", kSl2, {0, 0, 5, 5}},
      {"sl 0 0 0 0 5 5", kSl2, {0, 0, 5, 5}},
      {"sl 0 0 5 5 5 5", kSl2, {0, 0, 5, 5}},
      {"sl 0 0 5 5 0 0", kSl3, {0, 0, 5, 5, 0, 0}},  // P1 and P3 are not compared
      {"sl 0 0 1e-10 0 5 5", kSl2, {0, 0, 5, 5}},    // exactly 1e-10 apart coincides
      {"sl 0 0 2e-10 0 5 5", kSl3, {0, 0, 2e-10, 0, 5, 5}},
      {"sl 0 0 1 0 1 1 0 1", kSl4, {0, 0, 1, 0, 1, 1, 0, 1}},
      {"sl 0 0 0 0 0 0 7 7", kSl2, {0, 0, 7, 7}},                  // rule 1
      {"sl 0 0 1 1 1 1 1 1", kSl2, {0, 0, 1, 1}},                  // rule 2
      {"sl 0 0 0 0 3 3 3 3", kSl2, {0, 0, 3, 3}},                  // rule 3
      {"sl 0 0 1 0 1 1 0 0", kSl3, {0, 0, 1, 0, 1, 1}},            // rule 4: P4 = P1
      {"sl 0 0 1 0 1 1 1 0", kSl3, {0, 0, 1, 0, 1, 1}},            // rule 4: P4 = P2
      {"sl 0 0 1 0 2 2 2 2", kSl3, {0, 0, 1, 0, 2, 2}},            // rule 4: P4 = P3
      {"sl 0 0 1 0 0 0 2 2", kSl3, {0, 0, 1, 0, 2, 2}},            // rule 5: P3 = P1
      {"sl 0 0 1 0 1 0 2 2", kSl3, {0, 0, 1, 0, 2, 2}},            // rule 5: P3 = P2
      {"sl 0 0 0 0 1 1 2 0", kSl3, {0, 0, 1, 1, 2, 0}},            // rule 6
      {"sl 0 0 1 0 1 1 0 1 9 9", kSl4, {0, 0, 1, 0, 1, 1, 0, 1}},  // extra tokens ignored
  };
  for (const Case& c : cases) {
    ExchangeState fresh;
    ParseExchangeLine(fresh, c.line);
    ASSERT_EQ(fresh.OrderList.size(), 1u) << c.line;
    EXPECT_EQ(fresh.OrderList[0].Kind, c.kind) << c.line;
    std::vector<double> coords;
    if (c.kind == kSl2) coords.assign(fresh.Sl2s[0].Coords.begin(), fresh.Sl2s[0].Coords.end());
    if (c.kind == kSl3) coords.assign(fresh.Sl3s[0].Coords.begin(), fresh.Sl3s[0].Coords.end());
    if (c.kind == kSl4) coords.assign(fresh.Sl4s[0].Coords.begin(), fresh.Sl4s[0].Coords.end());
    EXPECT_EQ(coords, c.coords) << c.line;
  }
}

// "sc", "se", "so", "sg".
TEST_F(KeywordRows, ScSeSoSg) {
  Read({"lc10 3", "sc 1 2 3 4 5 6 7 8", "se 1 2 3 4 5 6 7 9", "so 1 2 3 4 5 6 7 8",
        "sg 8 7 6 5 4 3 2 1"});
  ASSERT_EQ(Elements(), 4u);
  EXPECT_EQ(state.Scs[0].Values[6], 7.0);
  EXPECT_EQ(state.Scs[0].Last, 8);
  EXPECT_EQ(state.Scs[0].ExtColor, 3);
  EXPECT_EQ(state.Ses[0].Last, 9);
  EXPECT_EQ(state.Sos[0].Values[7], 8.0);
  EXPECT_EQ(state.Sgs[0].Values[0], 8.0);
  EXPECT_EQ(state.Sgs[0].ExtColor, 3);
}

// "pl", "msg", "#" and the plain four-slot line segment.
TEST_F(KeywordRows, PolylineRuns) {
  Read({"pl", "0 0 1 0", "1 0 1 1", "1 1 0 1", "ci 0 0 1", "0 1 0 0", "pl", "5 5 6 6", "#",
        "7 7 8 8", "pl", "1 1 2 2", "pl", "2 2 3 3", "msg", "pl", "3 3 4 4"});
  const std::int32_t expected[] = {1, 1, 1, 0, 2, 0, 3, 4, 5};
  ASSERT_EQ(state.Lines.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(state.Lines[i].PolylineNumber, expected[i]) << i;
  }
  EXPECT_TRUE(state.PolylineMode);
}

TEST_F(KeywordRows, MessageModeJoinsALineAndACsText) {
  Read({"lc3", "msg", "0 0 100 0"});
  EXPECT_EQ(Elements(), 0u);
  EXPECT_TRUE(state.MessageMode);
  EXPECT_EQ(state.MessageLine.X2, 100.0);
  EXPECT_EQ(state.MessageLine.Header.Color, 3);
  Read({"lc4", "cs 50 5 10 0 \"1,000.000"});
  ASSERT_EQ(state.Messages.size(), 1u);
  EXPECT_EQ(state.Texts.size(), 0u);
  ASSERT_EQ(Elements(), 1u);
  EXPECT_EQ(state.OrderList[0].Kind, kMessage);
  const MessageRecord& m = state.Messages[0];
  EXPECT_EQ(m.Header.Color, 4);
  EXPECT_EQ(m.Line.Header.Color, 3);
  EXPECT_EQ(m.Line.X1, 0.0);
  EXPECT_EQ(m.Line.X2, 100.0);
  EXPECT_EQ(m.Line.PolylineNumber, 0);
  EXPECT_EQ(m.Text.TextVariant, 2);
  EXPECT_EQ(m.Text.Text, "1,000.000");
  EXPECT_EQ(m.Text.X, 50.0);
  EXPECT_EQ(m.Text.DirX, 10.0);
  EXPECT_EQ(m.Text.Header.Color, 2);  // text type 1's colour
  EXPECT_FALSE(state.MessageMode);
}

TEST_F(KeywordRows, MessageWithoutALineCarriesTheStartLine) {
  Read({"msg", "cs 1 2 3 4 t"});
  ASSERT_EQ(state.Messages.size(), 1u);
  EXPECT_EQ(state.Messages[0].Line.X2, 1.0);
  EXPECT_EQ(state.Messages[0].Line.Header.LineType, 1);
}

TEST_F(KeywordRows, OtherTextKeywordsEndMessageModeWithAPlainText) {
  Read({"msg", "0 0 5 0", "ch 1 2 3 4 t", "cs 1 2 3 4 u"});
  EXPECT_EQ(state.Messages.size(), 0u);
  ASSERT_EQ(state.Texts.size(), 2u);
  EXPECT_EQ(state.Texts[1].TextVariant, 2);
  EXPECT_EQ(state.Lines.size(), 0u);
}

TEST_F(KeywordRows, LinesInPolylineModeDuringMessageMode) {
  Read({"pl", "msg", "0 0 1 1", "#", "0 0 2 2"});
  EXPECT_EQ(state.Lines.size(), 1u);
  EXPECT_EQ(state.Lines[0].PolylineNumber, 0);
  EXPECT_EQ(state.MessageLine.X2, 1.0);
}

TEST_F(KeywordRows, OrderListFollowsTheFile) {
  Read({"1 1 2 2", "ci 0 0 1", "3 3 4 4", "pt 1 1", "ch 0 0 1 0 a", "ci 0 0 2"});
  const OrderEntry expected[] = {{kLine, 0},  {kCircle, 0}, {kLine, 1},
                                 {kPoint, 0}, {kText, 0},   {kCircle, 1}};
  ASSERT_EQ(state.OrderList.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(state.OrderList[i].Kind, expected[i].Kind) << i;
    EXPECT_EQ(state.OrderList[i].Index, expected[i].Index) << i;
  }
}

// Each line read in turn, in one state: what the reader says it was, and for an element the kind
// that went into the order list.
TEST(AppliedRows, EachLineTellsWhichRowApplied) {
  struct Case {
    const char* line;
    RowKind kind;
    std::int32_t element;  // for RowKind::kElement
  };
  const Case cases[] = {
      {"   ", RowKind::kBlank, 0},
      {"hk", RowKind::kNoRow, 0},
      {"hk 30", RowKind::kHostSetting, 0},
      {"bz", RowKind::kHostSetting, 0},
      {"hs 1 2 3", RowKind::kElement, kLine},  // too few scales: a line segment
      {"xfile=a b", RowKind::kFileName, 0},
      {"hp1 0 0", RowKind::kNumberedPoint, 0},
      {"hp2", RowKind::kNoRow, 0},
      {"hhp3", RowKind::kHhpNumber, 0},
      {"lgnWalls", RowKind::kLayerGroupName, 0},
      {"lynDoors", RowKind::kLayerName, 0},
      {"lg2", RowKind::kLayerGroup, 0},
      {"ly3", RowKind::kLayer, 0},
      {"lc4", RowKind::kLineColor, 0},
      {"lt2", RowKind::kLineType, 0},
      {"lw1", RowKind::kLineWidth, 0},
      {"cn\"$<font>", RowKind::kFontName, 0},
      {"cn0 1 2 3 4", RowKind::kTextType, 0},
      {"cc3", RowKind::kCcValue, 0},
      {"pn5", RowKind::kPnColor, 0},
      {"z2", RowKind::kZFlag, 0},
      {"ci 0 0 1", RowKind::kElement, kCircle},
      {"ci 1 2 3 4 5 6 7", RowKind::kElement, kArc},
      {"ch 0 0 1 0 a", RowKind::kElement, kText},
      {"pt 1 2", RowKind::kElement, kPoint},
      {"pt 1 2 1 0 3", RowKind::kElement, kPointEx},
      {"BL 1 2 part", RowKind::kElement, kBlock},
      {"sl 0 0 0 0 5 5", RowKind::kElement, kSl2},
      {"sl 0 0 1 0 1 1 0 0", RowKind::kElement, kSl3},
      {"sl 0 0 1 0 1 1 0 1", RowKind::kElement, kSl4},
      {"sc 1 2 3 4 5 6 7 8", RowKind::kElement, kSc},
      {"se 1 2 3 4 5 6 7 8", RowKind::kElement, kSe},
      {"so 1 2 3 4 5 6 7 8", RowKind::kElement, kSo},
      {"sg 1 2 3 4 5 6 7 8", RowKind::kElement, kSg},
      {"pl", RowKind::kPolylineStart, 0},
      {"0 0 1 1", RowKind::kElement, kLine},
      {"#", RowKind::kModeEnd, 0},
      {"msg", RowKind::kMessageStart, 0},
      {"0 0 5 0", RowKind::kMessageLine, 0},
      {"cs 1 2 10 0 \"1,000", RowKind::kElement, kMessage},
      {"hq", RowKind::kNothingDrawn, 0},
      {"hq 1", RowKind::kNothingDrawn, 0},
      {"hq 1 2 3", RowKind::kElement, kLine},
      {"hqx", RowKind::kNoRow, 0},
  };
  ExchangeState state;
  for (const Case& c : cases) {
    const std::size_t before = state.OrderList.size();
    const AppliedRow row = ParseExchangeLine(state, c.line);
    EXPECT_EQ(row.Kind, c.kind) << c.line;
    const bool element = c.kind == RowKind::kElement;
    ASSERT_EQ(state.OrderList.size(), before + (element ? 1 : 0)) << c.line;
    if (element) {
      EXPECT_EQ(row.Element, c.element) << c.line;
      EXPECT_EQ(state.OrderList[before].Kind, c.element) << c.line;
    }
  }
}

}  // namespace
}  // namespace morven::exchange
