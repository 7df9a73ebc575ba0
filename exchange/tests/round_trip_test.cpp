#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "exchange/command_writer.h"
#include "exchange/exchange_state.h"
#include "exchange/reader.h"
#include "exchange/tests/temp_folder.h"
#include "exchange/write_back.h"

namespace morven::exchange {
namespace {

namespace fs = std::filesystem;

TEST(RoundTrip, WrittenDimensionReadsBackAsOneMessage) {
  const test::TempFolder folder;
  const fs::path path = folder / "JWC_TEMP.TXT";
  ExchangeState out;
  ResetExchangeState(out);
  ResetCommandWriter(out);
  SetLayerGroup(out, 2);
  SetLayer(out, 11);
  SetLineColor(out, 3, 0);
  SetTextType(out, 0, 4, 0, 2.5, 3, 0.5);
  SetFontName(out, "<\x82l\x82r \x96\xbe\x92\xa9>");  // <ＭＳ 明朝>, a blank inside
  PutEntityFlags(out, 4);
  PutLine(out, 0, 0, 0, 550);
  // A text with blanks, a quote and a line break that must not survive as a break.
  PutDimensionText(out, "L = 1,000.000 \"mm\"\r\nz1", 0, 500, 1000, 500, -62.5, 550, 10, 0);
  PutMarkPoint(out, 1, 0, 500, 1, 180);
  ASSERT_TRUE(WriteBackExchangeFile(out, path.string()));

  ExchangeState in;
  ResetExchangeState(in);
  ASSERT_TRUE(ReadExchangeFile(in, path.string()));

  EXPECT_EQ(in.InitialLayerGroup, 2);
  EXPECT_EQ(in.InitialLayer, 11);
  EXPECT_EQ(in.InitialFontName, "<\x82l\x82r \x96\xbe\x92\xa9>");
  ASSERT_EQ(in.OrderList.size(), 3u);
  EXPECT_EQ(in.OrderList[0].Kind, kLine);
  EXPECT_EQ(in.OrderList[1].Kind, kMessage);
  EXPECT_EQ(in.OrderList[2].Kind, kPointEx);
  EXPECT_EQ(in.Lines[0].Header.ZFlags, 4);

  ASSERT_EQ(in.Messages.size(), 1u);
  const MessageRecord& m = in.Messages[0];
  EXPECT_EQ(m.Line.X1, 0.0);
  EXPECT_EQ(m.Line.Y1, 500.0);
  EXPECT_EQ(m.Line.X2, 1000.0);
  EXPECT_EQ(m.Line.Y2, 500.0);
  EXPECT_EQ(m.Line.Header.Color, 3);
  EXPECT_EQ(m.Text.Text, "L = 1,000.000 \"mm\"z1");
  EXPECT_EQ(m.Text.X, -62.5);
  EXPECT_EQ(m.Text.Y, 550.0);
  EXPECT_EQ(m.Text.DirX, 10.0);
  EXPECT_EQ(m.Text.Width, 2.5);
  EXPECT_EQ(m.Text.Header.Color, 4);
  EXPECT_EQ(m.Text.FontName, "<\x82l\x82r \x96\xbe\x92\xa9>");
  EXPECT_EQ(in.Texts.size(), 0u);
  EXPECT_EQ(in.ZFlags, 0);
}

// The host's program folder may be named in any script, whatever the system's code page.
TEST(RoundTrip, AFolderNamedInJapanese) {
  const test::TempFolder temp;
  const fs::path folder = temp / fs::path(u8"\u56F3\u9762 \u30C4\u30FC\u30EB");  // 図面 ツール
  fs::create_directories(folder);
  const fs::path path = folder / "JWC_TEMP.TXT";
  ExchangeState out;
  ResetExchangeState(out);
  ResetCommandWriter(out);
  PutLine(out, 0, 0, 0, 550);
  ASSERT_TRUE(WriteBackExchangeFile(out, path));

  ExchangeState in;
  ResetExchangeState(in);
  EXPECT_TRUE(ReadExchangeFile(in, path));
  ASSERT_EQ(in.OrderList.size(), 1u);
  EXPECT_EQ(in.OrderList[0].Kind, kLine);
  EXPECT_EQ(in.Lines[0].Y2, 550.0);
}

}  // namespace
}  // namespace morven::exchange
