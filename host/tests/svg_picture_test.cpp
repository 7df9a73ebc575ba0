#include "host/svg_picture.h"

#include <gtest/gtest.h>

#include <memory>

#include "exchange/exchange_state.h"
#include "exchange/reader.h"
#include "host/host_error.h"
#include "host/host_input.h"
#include "host/mark_shapes.h"
#include "host/tests/test_files.h"

namespace {

using morven::host::test::CrLf;
using morven::host::test::TempDir;

std::unique_ptr<morven::exchange::ExchangeState> Read(const TempDir& dir, const std::string& name,
                                                      const std::string& bytes) {
  auto state = std::make_unique<morven::exchange::ExchangeState>();
  morven::exchange::ResetExchangeState(*state);
  morven::exchange::ReadExchangeFile(*state, dir.Write(name, bytes));
  return state;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class SvgTest : public ::testing::Test {
 protected:
  std::string Draw(const std::string& answer, double scale = 100) {
    morven::host::HostInput input;
    input.Points = {{{0, 0}, {1000, 0}, {500, 500}}};
    input.Scale = scale;
    const auto host = Read(dir_, "input.txt", morven::host::BuildExchangeText(input));
    const auto reply = Read(dir_, "answer.txt", answer);
    return morven::host::DrawAnswerSvg(*host, *reply);
  }

  TempDir dir_;
};

const std::string kAnswer =
    CrLf({"lg0", "ly0", "lc1", "pn1", "lt1", "lw0", "z3", "0 200 0 700", "z3", "1000 200 1000 700",
          "cn1", "msg", "0 500 1000 500", "cs -62.5 550 10 0 \"1,000.000", "z3", "pt 0 500 1 180 1",
          "z3", "pt 1000 500 1 0 1"});

TEST_F(SvgTest, DimensionAnswerHasEveryPartInDrawingUnits) {
  const std::string svg = Draw(kAnswer);
  EXPECT_EQ(Count(svg, "<svg "), 1u);
  EXPECT_NE(svg.find("<g class=\"drawing\" transform=\"scale(1 -1)\""), std::string::npos);

  EXPECT_EQ(Count(svg, "class=\"line\""), 2u);
  EXPECT_NE(svg.find("<line class=\"line\" x1=\"0\" y1=\"200\" x2=\"0\" y2=\"700\"/>"),
            std::string::npos);
  EXPECT_NE(svg.find("<line class=\"line\" x1=\"1000\" y1=\"200\" x2=\"1000\" y2=\"700\"/>"),
            std::string::npos);

  EXPECT_EQ(Count(svg, "class=\"dimension-line\""), 1u);
  EXPECT_NE(svg.find("<line class=\"dimension-line\" x1=\"0\" y1=\"500\" x2=\"1000\" y2=\"500\"/>"),
            std::string::npos);

  // Text type 1 of the host is 2.5 x 2.5 mm: 250 drawing units high, nine half-width characters
  // 1125 long at scale 100.
  EXPECT_EQ(Count(svg, "class=\"dimension-text\""), 1u);
  EXPECT_NE(svg.find("<text class=\"dimension-text\" transform=\"translate(-62.5 550) rotate(0) "
                     "scale(1 -1)\" font-size=\"250\" fill=\"currentColor\" stroke=\"none\" "
                     "textLength=\"1125\" lengthAdjust=\"spacingAndGlyphs\">1,000.000</text>"),
            std::string::npos);

  // Marks of kind 1, 2 mm at scale 100, pointing outwards.
  EXPECT_EQ(Count(svg, "class=\"mark "), 2u);
  EXPECT_NE(
      svg.find("<polygon class=\"mark mark-1\" fill=\"none\" points=\"0,500 200,440 200,560\"/>"),
      std::string::npos);
  EXPECT_NE(svg.find("<polygon class=\"mark mark-1\" fill=\"none\" "
                     "points=\"1000,500 800,560 800,440\"/>"),
            std::string::npos);

  EXPECT_EQ(Count(svg, "class=\"picked-point\""), 3u);
  EXPECT_NE(svg.find("<circle class=\"picked-point\" cx=\"500\" cy=\"500\""), std::string::npos);
  for (const char* n : {">1</text>", ">2</text>", ">3</text>"}) {
    EXPECT_EQ(Count(svg, n), 1u) << n;
  }
}

TEST_F(SvgTest, PictureTakesTheDrawingsShape) {
  const std::pair<std::string, const char*> cases[] = {
      // The picked points alone: wider than high.
      {CrLf({"lg0"}), "width=\"640\" height=\"364\" viewBox=\"-80 -580 1160 660\""},
      {CrLf({"0 0 0 3000"}), "width=\"640\" height=\"1505\" viewBox=\"-240 -3240 1480 3480\""},
      // The dimension: its marks reach out to x -200 and 1200, its text up to y 800.
      {kAnswer, "width=\"640\" height=\"404\" viewBox=\"-312 -912 1624 1024\""},
  };
  for (const auto& [answer, size] : cases) {
    const std::string svg = Draw(answer);
    EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\" " + std::string(size) + ">"),
              std::string::npos)
        << svg;
  }
}

TEST_F(SvgTest, TextIsEscapedAndConverted) {
  const std::string svg = Draw(CrLf({"msg", "0 0 100 0", "cs 0 10 0 10 \"<a&b> \x82\xA0"}), 1);
  EXPECT_NE(svg.find(">&lt;a&amp;b&gt; \xE3\x81\x82</text>"), std::string::npos) << svg;
  EXPECT_NE(svg.find("translate(0 10) rotate(90) scale(1 -1)"), std::string::npos);
}

TEST_F(SvgTest, HugeCoordinatesAreAnErrorNotACrash) {
  const std::string answers[] = {CrLf({"-1E308 0 1E308 0"}), CrLf({"pt 0 0 1 0 1"}),
                                 CrLf({"msg", "0 0 1 0", "cs 0 0 10 0 \"wide"})};
  for (const std::string& answer : answers) {
    EXPECT_THROW(Draw(answer, 1E308), morven::host::HostError) << answer;
  }
}

TEST(MarkShapesTest, EachKindHasItsShape) {
  struct Case {
    int kind;
    const char* element;
    const char* fill;
  };
  const Case cases[] = {
      {2, "<polygon ", "fill=\"none\""},         {4, "<circle ", "fill=\"none\""},
      {5, "<polygon ", "fill=\"currentColor\""}, {6, "<polygon ", "fill=\"currentColor\""},
      {7, "<circle ", "fill=\"currentColor\""},  {8, "<path ", "fill=\"none\""},
      {9, "<polyline ", "fill=\"none\""},        {10, "<polyline ", "fill=\"none\""},
      {11, "<polygon ", "fill=\"none\""},        {-3, "<path ", "fill=\"none\""},
  };
  for (const Case& c : cases) {
    const std::string svg = morven::host::MarkSvg(c.kind, 10, 20, 100, 90);
    EXPECT_EQ(svg.rfind(c.element, 0), 0u) << c.kind << ": " << svg;
    EXPECT_NE(svg.find(c.fill), std::string::npos) << c.kind;
    EXPECT_NE(svg.find("mark-" + std::to_string(c.kind) + "\""), std::string::npos) << c.kind;
  }
  // Turned by 90 degrees: the triangle's base lies below its tip.
  EXPECT_EQ(morven::host::MarkSvg(1, 10, 20, 100, 90),
            "<polygon class=\"mark mark-1\" fill=\"none\" points=\"10,20 -20,-80 40,-80\"/>");
  EXPECT_EQ(morven::host::MarkSvg(3, 10, 20, 100, 0),
            "<circle class=\"mark mark-3\" fill=\"none\" cx=\"10\" cy=\"20\" r=\"40\"/>");
  // The chevron, the slash and the arrow, each 100 long at (10, 20), pointing along +x.
  EXPECT_EQ(morven::host::MarkSvg(9, 10, 20, 100, 0),
            "<polyline class=\"mark mark-9\" fill=\"none\" points=\"-50,50 10,20 -50,-10\"/>");
  EXPECT_EQ(morven::host::MarkSvg(10, 10, 20, 100, 0),
            "<polyline class=\"mark mark-10\" fill=\"none\" points=\"-25,-15 45,55\"/>");
  EXPECT_EQ(morven::host::MarkSvg(11, 10, 20, 100, 0),
            "<polygon class=\"mark mark-11\" fill=\"none\" points=\"10,20 110,50 110,-10\"/>");
}

}  // namespace
