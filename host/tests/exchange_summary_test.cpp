#include <gtest/gtest.h>

#include <string>

#include "exchange/exchange_state.h"
#include "host/json_writer.h"
#include "host/tests/test_files.h"

namespace {

using morven::host::test::CrLf;
using morven::host::test::RunHost;
using morven::host::test::TempDir;

// "cn\"$<ＭＳ ゴシック>" as the host and the program write the font line.
const std::string kFontLine = std::string("cn\"$") + morven::exchange::kDefaultFontName;

// What a file without host settings shows before its points and elements.
const std::string kDefaultSettings =
    "host settings:\n"
    "  angle: 0\n"
    "  layer group scales: 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n"
    "  sheet: 1189 x 841\n"
    "  text types:\n"
    "    No1: W3 H3 D0 color 2\n"
    "    No2: W3 H3 D0 color 2\n"
    "    No3: W3 H3 D0 color 2\n"
    "    No4: W3 H3 D0 color 2\n"
    "    No5: W3 H3 D0 color 2\n"
    "    No6: W3 H3 D0 color 2\n"
    "    No7: W3 H3 D0 color 2\n"
    "    No8: W3 H3 D0 color 2\n"
    "    No9: W3 H3 D0 color 2\n"
    "    No10: W3 H3 D0 color 2\n";

// The answer of the program for points (0, 0), (1000, 0), (500, 500), scale 100 and the dialog's
// defaults.
std::string DimensionAnswer() {
  return CrLf({"lg0", "ly0", "lc1", "pn1", "lt1", "lw0", kFontLine.c_str(), "z3", "0 200 0 700",
               "z3", "1000 200 1000 700", "cn1", "msg", "0 500 1000 500",
               "cs -62.5 550 10 0 \"1,000.000", "z3", "pt 0 500 1 180 1", "z3",
               "pt 1000 500 1 0 1"});
}

TEST(InspectTest, HostSettingsAttributesAndPoints) {
  TempDir dir;
  const std::string file = dir.Write(
      "input.txt",
      CrLf({"hk 30", "hs 1 1 50 1 1 1 1 1 1 1 1 1 1 1 1 100", "hzs 420 297",
            "hcw 2 2.5 3 3.5 4 5 6 7 8 10", "hch 2 2.5 3 3.5 4 5 6 7 8 10",
            "hcd 0 0 0.5 0 0 0 0 0 0 1", "hcc 1 1 2 2 3 3 4 4 5 5", "lg2", "ly5", "lc3", "lt2",
            "lw4", "cn3", kFontLine.c_str(), "lg7", "hp1 0 0", "hp2ln 1000 0", "hp3 500 -250.5"}));
  const auto result = RunHost({"inspect", file});
  EXPECT_EQ(result.Code, 0);
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(result.Out, "file: " + file +
                            "\n"
                            "contents: host input\n"
                            "host settings:\n"
                            "  angle: 30\n"
                            "  layer group scales: 1 1 50 1 1 1 1 1 1 1 1 1 1 1 1 100\n"
                            "  sheet: 420 x 297\n"
                            "  text types:\n"
                            "    No1: W2 H2 D0 color 1\n"
                            "    No2: W2.5 H2.5 D0 color 1\n"
                            "    No3: W3 H3 D0.5 color 2\n"
                            "    No4: W3.5 H3.5 D0 color 2\n"
                            "    No5: W4 H4 D0 color 3\n"
                            "    No6: W5 H5 D0 color 3\n"
                            "    No7: W6 H6 D0 color 4\n"
                            "    No8: W7 H7 D0 color 4\n"
                            "    No9: W8 H8 D0 color 5\n"
                            "    No10: W10 H10 D1 color 5\n"
                            "initial attributes:\n"
                            "  layer group: 2\n"
                            "  layer: 5\n"
                            "  line color: 3\n"
                            "  line type: 2\n"
                            "  line width: 4\n"
                            "  text type: No3\n"
                            "  font: \"<\xEF\xBC\xAD\xEF\xBC\xB3 "
                            "\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF>\"\n"
                            "points:\n"
                            "  1: (0, 0)\n"
                            "  2ln: (1000, 0)\n"
                            "  3: (500, -250.5)\n"
                            "elements: none\n");
}

TEST(InspectTest, InitialTextTypeAndFontVariants) {
  struct Case {
    std::string lines;
    std::string expected;
  };
  const Case cases[] = {
      {CrLf({"hk 0", "cn0 2.5 2.5 0.5 3", "cn4"}), "  text type: Free W2.5 H2.5 D0.5 color 3\n"},
      {CrLf({"hk 0"}), "  text type: No1\n  font: (none)\n"},
      {CrLf({"hk 0", "hp7- 5 6", "hp9ch 1E-5 2"}), "points:\n  7-: (5, 6)\n  9ch: (1E-5, 2)\n"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto result = RunHost({"inspect", dir.Write("input.txt", c.lines)});
    EXPECT_EQ(result.Code, 0) << c.lines;
    EXPECT_NE(result.Out.find(c.expected), std::string::npos) << c.lines << "\n" << result.Out;
  }
}

TEST(InspectTest, WrittenBackAnswerListsTheDrawingInOrder) {
  TempDir dir;
  const std::string file = dir.Write("JWC_TEMP.TXT", DimensionAnswer());
  const auto result = RunHost({"inspect", file});
  EXPECT_EQ(result.Code, 0);
  EXPECT_EQ(
      result.Out,
      "file: " + file + "\ncontents: answer\n" + kDefaultSettings +
          "initial attributes:\n"
          "  layer group: 0\n"
          "  layer: 0\n"
          "  line color: 1\n"
          "  line type: 1\n"
          "  line width: 0\n"
          "  text type: No1\n"
          "  font: \"<\xEF\xBC\xAD\xEF\xBC\xB3 "
          "\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF>\"\n"
          "points: none\n"
          "elements:\n"
          "  line: 2\n"
          "  pointEx: 2\n"
          "  message: 1\n"
          "drawing:\n"
          "  layer group 0\n"
          "  layer 0\n"
          "  line color 1\n"
          "  pen color 1\n"
          "  line type 1\n"
          "  line width 0\n"
          "  font \"<\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF>\"\n"
          "  line (0, 200) to (0, 700) [z3]\n"
          "  line (1000, 200) to (1000, 700) [z3]\n"
          "  text type No1\n"
          "  message line (0, 500) to (1000, 500), text \"1,000.000\" at (-62.5, 550) "
          "direction (10, 0)\n"
          "  mark 1 \xE2\x96\xB3 at (0, 500) scale 1 angle 180 [z3]\n"
          "  mark 1 \xE2\x96\xB3 at (1000, 500) scale 1 angle 0 [z3]\n");
}

TEST(InspectTest, EveryElementKindInAnAnswer) {
  TempDir dir;
  const std::string file = dir.Write("answer.txt", CrLf({"lg3",
                                                         "ci 1 2 3",
                                                         "z2",
                                                         "z4",
                                                         "ci 1 2 3 4 5 6 7",
                                                         "cn0 2 2 0 5",
                                                         "ch 10 20 1 0 \"A B",
                                                         "pt 1 2",
                                                         "pt 1 2 1.5 90 8",
                                                         "msg",
                                                         "0 0 100 0",
                                                         "cs 5 6 10 0 \"\x82\xA0 x",
                                                         "BL 5 6 part",
                                                         "sl 0 0 5 5",
                                                         "sl 0 0 1 0 1 1",
                                                         "sl 0 0 1 0 1 1 0 1",
                                                         "sc 1 2 3 4 5 6 7 8",
                                                         "se 1 2 3 4 5 6 7 8",
                                                         "so 1 2 3 4 5 6 7 8",
                                                         "sg 1 2 3 4 5 6 7 8",
                                                         "pl",
                                                         "0 0 10 10",
                                                         "pt 0 0 1 0 12"}));
  const auto result = RunHost({"inspect", file});
  EXPECT_EQ(result.Code, 0);
  const std::string drawing = result.Out.substr(result.Out.find("elements:"));
  EXPECT_EQ(
      drawing,
      "elements:\n"
      "  line: 1\n  circle: 1\n  arc: 1\n  text: 1\n  point: 1\n  pointEx: 2\n"
      "  message: 1\n  block: 1\n  sl2: 1\n  sl3: 1\n  sl4: 1\n  sc: 1\n  se: 1\n"
      "  so: 1\n  sg: 1\n"
      "drawing:\n"
      "  layer group 3\n"
      "  circle (1, 2) radius 3\n"
      "  arc 1 2 3 4 5 6 7 [z2 z4]\n"
      "  text type Free W2 H2 D0 color 5\n"
      "  text \"A B\" at (10, 20) direction (1, 0)\n"
      "  point (1, 2)\n"
      "  mark 8 \xEF\xBD\x9E at (1, 2) scale 1.5 angle 90\n"
      "  message line (0, 0) to (100, 0), text \"\xE3\x81\x82 x\" at (5, 6) direction (10, 0)\n"
      "  block \"part\" at (5, 6)\n"
      "  sl2 (0, 0) (5, 5)\n"
      "  sl3 (0, 0) (1, 0) (1, 1)\n"
      "  sl4 (0, 0) (1, 0) (1, 1) (0, 1)\n"
      "  sc 1 2 3 4 5 6 7 8\n"
      "  se 1 2 3 4 5 6 7 8\n"
      "  so 1 2 3 4 5 6 7 8\n"
      "  sg 1 2 3 4 5 6 7 8\n"
      "  line (0, 0) to (10, 10) polyline 1\n"
      "  mark 12 at (0, 0) scale 1 angle 0\n");
}

// What the file holds follows the rows the reader took, not what token 0 looks like.
TEST(InspectTest, ContentsFollowTheRowsTheReaderTook) {
  struct Case {
    std::string bytes;
    std::string contents;
  };
  const Case cases[] = {
      {"hq\r\n", "contents: nothing drawn (\"hq\")\n"},
      {"hq", "contents: nothing drawn (\"hq\")\n"},
      {"\r\n  hq x\r\n", "contents: nothing drawn (\"hq\")\n"},
      {"", "contents: empty\n"},
      {"hq\r\nhq\r\n", "contents: answer\n"},
      {"hq 1 2 3\r\n", "contents: answer\n"},  // four slots: a line segment
      {"bz\r\n", "contents: host input\n"},
      {"lc1\r\nxfile=a.drw\r\n", "contents: host input\n"},
      {"hk\r\n", "contents: answer\n"},  // no angle: the line changes nothing
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto result = RunHost({"inspect", dir.Write("f.txt", c.bytes)});
    EXPECT_EQ(result.Code, 0);
    EXPECT_NE(result.Out.find(c.contents), std::string::npos) << result.Out;
  }
}

TEST(InspectTest, JsonHoldsTheSameAnswer) {
  TempDir dir;
  const std::string file = dir.Write("JWC_TEMP.TXT", DimensionAnswer());
  const auto result = RunHost({"inspect", file, "--json"});
  EXPECT_EQ(result.Code, 0);
  const std::string& json = result.Out;
  ASSERT_FALSE(json.empty());
  EXPECT_EQ(json.front(), '{');
  EXPECT_EQ(json.substr(json.size() - 2), "}\n");
  const char* expected[] = {
      "\"contents\":\"answer\",\"readToEnd\":true,",
      "\"layerGroupScales\":[1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1]",
      "\"textTypes\":[{\"number\":1,\"width\":3,\"height\":3,\"gap\":0,\"color\":2},",
      "\"points\":[]",
      "\"elements\":{\"line\":2,\"circle\":0,\"arc\":0,\"text\":0,\"point\":0,\"pointEx\":2,"
      "\"message\":1,\"block\":0,\"sl2\":0,\"sl3\":0,\"sl4\":0,\"sc\":0,\"se\":0,\"so\":0,"
      "\"sg\":0}",
      "\"drawing\":[{\"attribute\":\"layerGroup\",\"value\":0},{\"attribute\":\"layer\",\"value\":"
      "0}",
      "{\"attribute\":\"penColor\",\"value\":1}",
      "{\"element\":\"line\",\"x1\":0,\"y1\":200,\"x2\":0,\"y2\":700,\"polyline\":0,"
      "\"layerGroup\":0,\"layer\":0,\"color\":1,\"lineType\":1,\"lineWidth\":0,\"zFlags\":4}",
      "{\"attribute\":\"textType\",\"value\":1},{\"element\":\"message\",\"x1\":0,\"y1\":500,"
      "\"x2\":1000,\"y2\":500,\"text\":\"1,000.000\",\"x\":-62.5,\"y\":550,\"dx\":10,\"dy\":0,",
      "{\"element\":\"pointEx\",\"kind\":1,\"x\":1000,\"y\":500,\"scale\":1,\"angle\":0,",
  };
  for (const char* part : expected) EXPECT_NE(json.find(part), std::string::npos) << part;
}

TEST(InspectTest, JsonEscapesQuotesAndBackslashes) {
  TempDir dir;
  const std::string file =
      dir.Write("a.txt", CrLf({"msg", "0 0 1 0", "cs 0 0 10 0 \"say \"hi\" \\ now"}));
  const auto result = RunHost({"inspect", file, "--json"});
  EXPECT_NE(result.Out.find("\"text\":\"say \\\"hi\\\" \\\\ now\""), std::string::npos)
      << result.Out;

  // The reader keeps no control character in a text, but a file's name may hold any.
  const std::pair<const char*, const char*> escapes[] = {
      {"a\x01\x1F b", "a\\u0001\\u001f b"},
      {"\n\t", "\\u000a\\u0009"},
      {"\xE5\x9B\xB3\x7F", "\xE5\x9B\xB3\x7F"},
  };
  for (const auto& [text, escaped] : escapes) EXPECT_EQ(morven::host::JsonEscape(text), escaped);
}

TEST(InspectTest, NumberBeyondTheDoubleRangeDoesNotStopTheListing) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", CrLf({"lc5", "0 0 1e400 1", "lc6"}));
  const auto result = RunHost({"inspect", file});
  EXPECT_EQ(result.Code, 0);
  EXPECT_EQ(result.Out.substr(result.Out.find("drawing:")),
            "drawing:\n  line color 5\n  line (0, 0) to (0, 1)\n  line color 6\n");
}

TEST(InspectTest, BadFilesGiveOneLineErrors) {
  TempDir dir;
  const std::string missing = (dir.Path() / "missing.txt").string();
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string err;
  };
  const Case cases[] = {
      {{"inspect", missing}, 1, "morven-host: no such file: " + missing + "\n"},
      {{"inspect", dir.Path().string()},
       1,
       "morven-host: not a regular file: " + dir.Path().string() + "\n"},
      {{"inspect"}, 2, "morven-host: inspect needs exactly one FILE\n"},
      {{"inspect", "a", "b"}, 2, "morven-host: inspect needs exactly one FILE\n"},
      {{"inspect", "a", "--xml"}, 2, "morven-host: unknown option --xml\n"},
  };
  for (const Case& c : cases) {
    const auto result = RunHost(c.args);
    EXPECT_EQ(result.Code, c.code) << c.err;
    EXPECT_EQ(result.Err, c.err);
    EXPECT_EQ(result.Out, "");
  }
}

}  // namespace
