#include "exchange/exchange_state.h"

#include <gtest/gtest.h>

#include "exchange/reader.h"

namespace morven::exchange {
namespace {

void ExpectStartValues(const ExchangeState& s) {
  EXPECT_EQ(s.HostFileName, "");
  EXPECT_EQ(s.HkAngle, 0.0);
  for (const double scale : s.LayerGroupScale) EXPECT_EQ(scale, 1.0);
  EXPECT_EQ(s.SheetWidth, 1189.0);
  EXPECT_EQ(s.SheetHeight, 841.0);
  for (const TextTypeInfo& t : s.TextTypes) {
    EXPECT_EQ(t.Width, 3.0);
    EXPECT_EQ(t.Height, 3.0);
    EXPECT_EQ(t.Gap, 0.0);
    EXPECT_EQ(t.Color, 2);
  }
  EXPECT_FALSE(s.BzFlag);
  for (const double v : s.HnValues) EXPECT_EQ(v, 0.0);

  EXPECT_EQ(s.InitialLayerGroup, 0);
  EXPECT_EQ(s.InitialLayer, 0);
  EXPECT_EQ(s.InitialLineColor, 1);
  EXPECT_EQ(s.InitialLineType, 1);
  EXPECT_EQ(s.InitialLineWidth, 0);
  EXPECT_EQ(s.InitialTextType, 1);
  EXPECT_EQ(s.InitialTextWidth, 2.0);
  EXPECT_EQ(s.InitialTextHeight, 2.0);
  EXPECT_EQ(s.InitialTextGap, 0.0);
  EXPECT_EQ(s.InitialTextColor, 1);
  EXPECT_EQ(s.InitialFontName, "");
  EXPECT_EQ(s.CurFontName,
            "<\x82l\x82r \x83S\x83V\x83"
            "b\x83N>");  // <ＭＳ ゴシック>

  EXPECT_EQ(s.LayerGroupArg.size(), 16u);
  EXPECT_EQ(s.LayerGroupName.size(), 16u);
  EXPECT_EQ(s.LayerArg.size(), 256u);
  EXPECT_EQ(s.LayerName.size(), 256u);
  ASSERT_EQ(s.HpPoints.size(), 100u);
  for (const HpPoint& p : s.HpPoints) EXPECT_FALSE(p.Defined);
  EXPECT_EQ(s.HpPointCount, 0);

  EXPECT_TRUE(s.ForceLayerGroup && s.ForceLayer && s.ForceLineColor && s.ForceLineType &&
              s.ForceLineWidth && s.ForceTextType);
  EXPECT_EQ(s.MessageLine.Header.Color, 1);
  EXPECT_EQ(s.MessageLine.Header.LineType, 1);
  EXPECT_EQ(s.MessageLine.X1, 0.0);
  EXPECT_EQ(s.MessageLine.X2, 1.0);
  EXPECT_EQ(s.MessageLine.Y2, 0.0);
  EXPECT_TRUE(s.Lines.empty() && s.Circles.empty() && s.Texts.empty() && s.OrderList.empty() &&
              s.Messages.empty() && s.CommandBuffer.empty());
}

TEST(ExchangeState, AFreshStateHoldsTheStartValues) {
  const ExchangeState state;
  ExpectStartValues(state);
}

TEST(ExchangeState, ResetBringsBackEveryStartValue) {
  ExchangeState state;
  for (const char* line :
       {"hk 30", "hs 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2 2", "lg3", "lc5", "cn$Font", "hp1 1 1",
        "hcw 1 1 1 1 1 1 1 1 1 1", "file=x", "1 2 3 4", "msg", "5 6 7 8", "ci 1 1 1"}) {
    ParseExchangeLine(state, line);
  }
  state.CommandBuffer.Append({"lg0"});
  ResetExchangeState(state);
  ExpectStartValues(state);
}

TEST(ExchangeState, ResetLeavesTheWritersOwnFlags) {
  ExchangeState state;
  state.ForceFontName = false;
  state.ForcePnColor = false;
  ResetExchangeState(state);
  EXPECT_FALSE(state.ForceFontName);
  EXPECT_FALSE(state.ForcePnColor);
}

TEST(ExchangeState, ResetCommandWriterKeepsReadingState) {
  ExchangeState state;
  state.ZFlags = 10;
  state.PolylineMode = true;
  state.MessageMode = true;
  state.HhpNumber = 5;
  state.PolylineCount = 3;
  state.CurLineColor = 7;
  state.CurTextType = 0;
  state.CurFontName = "x";
  state.CurExtColor = 4;
  state.InitialLineColor = 7;
  state.ForceFontName = false;
  state.ForceLayer = false;
  ResetCommandWriter(state);
  EXPECT_EQ(state.ZFlags, 10);
  EXPECT_TRUE(state.PolylineMode && state.MessageMode);
  EXPECT_EQ(state.HhpNumber, 5);
  EXPECT_EQ(state.PolylineCount, 3);
  EXPECT_EQ(state.InitialLineColor, 7);
  EXPECT_EQ(state.CurLineColor, 1);
  EXPECT_EQ(state.CurTextType, 1);
  EXPECT_EQ(state.CurFontName, kDefaultFontName);
  EXPECT_EQ(state.CurExtColor, 0);
  EXPECT_TRUE(state.ForceLayerGroup && state.ForceLayer && state.ForceLineColor &&
              state.ForceLineType && state.ForceLineWidth && state.ForceTextType &&
              state.ForceFontName && state.ForcePnColor);
}

TEST(ExchangeState, ReleaseFreesTablesAndReadingAfterwardsIsHarmless) {
  ExchangeState state;
  ParseExchangeLine(state, "1 2 3 4");
  ParseExchangeLine(state, "ch 0 0 1 0 \"a");
  state.CommandBuffer.Append({"x"});
  ReleaseExchangeState(state);
  EXPECT_TRUE(state.Lines.empty());
  EXPECT_EQ(state.Lines.capacity() + state.Texts.capacity(), 0u);
  EXPECT_TRUE(state.HpPoints.empty());
  EXPECT_TRUE(state.LayerName.empty());
  EXPECT_TRUE(state.CommandBuffer.empty());
  // Misuse without a reset must not write outside the freed tables.
  for (const char* line : {"hp1 1 1", "lg3 1", "ly2 1", "lgnA", "lynB"}) {
    ParseExchangeLine(state, line);
  }
  EXPECT_TRUE(state.HpPoints.empty());
  ResetExchangeState(state);
  ExpectStartValues(state);
}

}  // namespace
}  // namespace morven::exchange
