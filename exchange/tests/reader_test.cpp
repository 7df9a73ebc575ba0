#include "exchange/reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
#include "exchange/file_lines.h"
#include "exchange/tests/temp_folder.h"

namespace morven::exchange {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> LinesOf(const std::string& bytes, std::size_t chunk) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  FileLines lines(file, chunk);
  std::vector<std::string> out;
  while (const auto line = lines.Next()) out.emplace_back(*line);
  EXPECT_FALSE(lines.Failed());
  std::fclose(file);
  return out;
}

TEST(FileLines, SplitInMemoryEndsAtEndOfFileByte) {
  const auto lines = SplitFileLines("a\r\nb\n\x1A\r\nc\r\n");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[1], "b");
  EXPECT_EQ(SplitFileLines("x\ny").size(), 2u);
}

TEST(FileLines, LineEndsAtEveryChunkSize) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"\n\n", {"", ""}},
      {"a\r\r\nb", {"a", "b"}},
      {"h\rk 3\r0\n", {"h\rk 3\r0"}},  // left to the token splitting
      {"a\r", {"a"}},
      {"a\n\x1a"
       "b\nc\n",
       {"a"}},  // 0x1A at the start of a line ends the file
      {"a\x1a"
       "b\nc",
       {"a\x1a"
        "b",
        "c"}},  // elsewhere it stays an ordinary byte
      {"\x1a", {}},
      {"ab\x82\r\ncd", {"ab\x82", "cd"}},
      {std::string(100, 'x') + "\r\n" + std::string(50, 'y'),
       {std::string(100, 'x'), std::string(50, 'y')}},
      {std::string(15, 'a') + "\n" + std::string(16, 'b') + "\n" + std::string(17, 'c'),
       {std::string(15, 'a'), std::string(16, 'b'), std::string(17, 'c')}},
      // In chunks of 20, the short last chunk lies where the line ends of the first one were:
      // they are gone and must not end "tail".
      {std::string(17, 'a') + "\n\n\ntail", {std::string(17, 'a'), "", "", "tail"}},
  };
  for (const Case& c : cases) {
    for (const std::size_t chunk : {1, 2, 3, 5, 7, 20, 64, 1 << 20}) {
      EXPECT_EQ(LinesOf(c.bytes, chunk), c.lines) << c.bytes << " in chunks of " << chunk;
    }
  }
}

class ReadFile : public ::testing::Test {
 protected:
  std::string Write(const std::string& bytes) const {
    const std::string path = (folder_ / "JWC_TEMP.TXT").string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  test::TempFolder folder_;
  ExchangeState state;
};

TEST_F(ReadFile, AMissingFileLeavesTheStateUntouched) {
  state.HkAngle = 12.0;
  EXPECT_FALSE(ReadExchangeFile(state, (folder_ / "none.txt").string()));
  EXPECT_EQ(state.HkAngle, 12.0);
  EXPECT_FALSE(ReadExchangeFile(state, ""));
}

TEST_F(ReadFile, AHostFileIsReadToItsEnd) {
  const std::string file =
      "file=C:\\drawings\\sample drawing.drw\r\n"
      "hk 30\r\n"
      "hs 1 1 1 100 1 1 1 1 1 1 1 1 1 1 1 1\r\n"
      "hzs 420 297\r\n"
      "hcw 2 2.5 3 4 5 6 7 8 9 10\r\n"
      "lg3\r\nly2\r\nlc5\r\nlt1\r\nlw0\r\ncn0 2.5 2.5 0 3\r\n"
      "cn\"$<\x82l\x82r \x96\xbe\x92\xa9>\r\n"
      "hp1 0 0\r\nhp2- 1000 0\r\nhp3 500 200\r\n"
      "z3\r\n0 0 100 0\r\n"
      "ch 10 20 1 0 \"\x90\xa1\x96\x40 1\r\n"  // 寸法 1
      "ci 50 50 25";
  EXPECT_TRUE(ReadExchangeFile(state, Write(file)));
  EXPECT_EQ(state.HostFileName, "C:\\drawings\\sample drawing.drw");
  EXPECT_EQ(state.HkAngle, 30.0);
  EXPECT_EQ(state.LayerGroupScale[3], 100.0);
  EXPECT_EQ(state.InitialLayerGroup, 3);
  EXPECT_EQ(state.InitialTextType, 0);
  EXPECT_EQ(state.InitialFontName, "<\x82l\x82r \x96\xbe\x92\xa9>");
  EXPECT_EQ(state.HpPointCount, 3);
  EXPECT_EQ(state.HpPoints[2].Kind, 1);
  EXPECT_EQ(state.HpPoints[3].Y, 200.0);
  ASSERT_EQ(state.Lines.size(), 1u);
  EXPECT_EQ(state.Lines[0].Header.ZFlags, 4);
  ASSERT_EQ(state.Texts.size(), 1u);
  EXPECT_EQ(state.Texts[0].Text, "\x90\xa1\x96\x40 1");
  ASSERT_EQ(state.Circles.size(), 1u);
  EXPECT_EQ(state.Circles[0].R, 25.0);
}

TEST_F(ReadFile, ALoneLeadByteBeforeTheLineEndDoesNotSwallowTheNextLine) {
  EXPECT_TRUE(ReadExchangeFile(state, Write("ch 0 0 1 0 \"ab\x82\r\nhk 5\r\n")));
  ASSERT_EQ(state.Texts.size(), 1u);
  EXPECT_EQ(state.Texts[0].Text, "ab");
  EXPECT_EQ(state.HkAngle, 5.0);
}

TEST_F(ReadFile, ManyLinesAcrossChunks) {
  std::string file;
  for (int i = 0; i < 150000; ++i) file += std::to_string(i) + " 0 " + std::to_string(i) + " 1\r\n";
  EXPECT_TRUE(ReadExchangeFile(state, Write(file)));
  ASSERT_EQ(state.Lines.size(), 150000u);
  EXPECT_EQ(state.Lines[149999].X1, 149999.0);
  EXPECT_EQ(state.OrderList[149999].Index, 149999);
}

}  // namespace
}  // namespace morven::exchange
