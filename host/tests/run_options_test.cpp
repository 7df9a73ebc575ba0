#include "host/run_options.h"

#include <gtest/gtest.h>

#include <memory>

#include "exchange/reader.h"
#include "host/host_input.h"
#include "host/tests/test_files.h"

namespace {

using morven::host::test::RunHost;

TEST(RunOptionsTest, BadOptionsGiveOneLineUsageErrors) {
  struct Case {
    std::vector<std::string> args;
    std::string err;
  };
  const Case cases[] = {
      {{"run"}, "run needs --points X1,Y1 X2,Y2 X3,Y3 (or --exchange FILE)"},
      {{"run", "--points", "0,0", "1,1"}, "--points needs three points X1,Y1 X2,Y2 X3,Y3"},
      {{"run", "--points", "0,0", "1,1", "--angle", "3"},
       "--points needs three points X1,Y1 X2,Y2 X3,Y3"},
      {{"run", "--points", "0,0", "1,x", "2,2"}, "--points: not a number: 'x'"},
      {{"run", "--points", "0,0", "1,", "2,2"}, "--points: not a number: ''"},
      {{"run", "--points", "0,0,0", "1,1", "2,2"},
       "--points: expected 2 comma-separated numbers: '0,0,0'"},
      {{"run", "--angle", "1e400"}, "--angle: not a number: '1e400'"},
      {{"run", "--angle", "nan"}, "--angle: not a number: 'nan'"},
      {{"run", "--angle", "12deg"}, "--angle: not a number: '12deg'"},
      {{"run", "--angle"}, "--angle needs a value"},
      {{"run", "--angle", "--scale", "2"}, "--angle needs a value"},
      {{"run", "--scale", "0"}, "--scale: must be above 0: '0'"},
      {{"run", "--scale", "-5"}, "--scale: must be above 0: '-5'"},
      {{"run", "--layer-group", "16"}, "--layer-group: 16 is outside 0 to 15"},
      {{"run", "--layer", "-1"}, "--layer: -1 is outside 0 to 15"},
      {{"run", "--layer", "1.5"}, "--layer: not an integer: '1.5'"},
      {{"run", "--text-type", "11"}, "--text-type: 11 is outside 0 to 10"},
      {{"run", "--text-type", "99999999999"}, "--text-type: not an integer: '99999999999'"},
      {{"run", "--text-size", "2,2,0"}, "--text-size: expected 4 comma-separated numbers: '2,2,0'"},
      {{"run", "--text-size", "2,2,0,1.5"},
       "--text-size: the color must be a whole number from 0: '2,2,0,1.5'"},
      {{"run", "--text-size", "0,2,0,1"},
       "--text-size: width and height must be above 0 and the gap not below 0: '0,2,0,1'"},
      {{"run", "--color", "-1"}, "--color: -1 is outside 0 to 2147483647"},
      {{"run", "--colour", "1"}, "unknown option --colour"},
      {{"run", "--timeout"}, "--timeout needs a value"},
      {{"run", "--timeout", "soon"}, "--timeout: not a number: 'soon'"},
      {{"run", "--timeout", "0"},
       "--timeout: must be above 0 and at most a year (31536000 s): '0'"},
      {{"run", "--timeout", "-1"},
       "--timeout: must be above 0 and at most a year (31536000 s): '-1'"},
      {{"run", "--timeout", "1e9"},
       "--timeout: must be above 0 and at most a year (31536000 s): '1e9'"},
      {{"run", "extra"}, "unexpected argument 'extra'"},
      {{"run", "--exchange", "f.txt", "--angle", "3"},
       "--exchange hands over a prepared file and cannot be combined with --angle"},
      {{"frobnicate"}, "unknown command 'frobnicate' (try morven-host --help)"},
  };
  for (const Case& c : cases) {
    const auto result = RunHost(c.args);
    EXPECT_EQ(result.Code, 2) << c.err;
    EXPECT_EQ(result.Err, "morven-host: " + c.err + "\n");
    EXPECT_EQ(result.Out, "");
  }
}

TEST(RunOptionsTest, UsageOnHelpAndWithoutArguments) {
  const auto help = RunHost({"--help"});
  EXPECT_EQ(help.Code, 0);
  EXPECT_EQ(help.Out.rfind("usage: morven-host inspect FILE [--json]\n", 0), 0u);
  const auto none = RunHost({});
  EXPECT_EQ(none.Code, 2);
  EXPECT_EQ(none.Err, help.Out);

  // After a command, its own usage alone.
  const std::pair<std::vector<std::string>, std::string> verbs[] = {
      {{"run", "--points", "0,0", "-h"}, "usage: morven-host run --points"},
      {{"inspect", "--help"}, "usage: morven-host inspect FILE"},
      {{"wine-prefix", "--help"}, "usage: morven-host wine-prefix\n"},
  };
  for (const auto& [args, first] : verbs) {
    const auto result = RunHost(args);
    EXPECT_EQ(result.Code, 0) << first;
    EXPECT_EQ(result.Out.rfind(first, 0), 0u) << result.Out;
    EXPECT_EQ(result.Out.find("usage:", 1), std::string::npos) << first;
  }
}

TEST(RunOptionsTest, ValuesReachTheHostInput) {
  const morven::host::RunOptions options = morven::host::ParseRunOptions(
      {"--points",      "-1.5,2",  "1000,0",      "500,5e2",   "--angle",     "30",
       "--scale",       "50",      "--text-type", "0",         "--text-size", "2.5,3,0.5,4",
       "--layer-group", "10",      "--layer",     "15",        "--color",     "101",
       "--svg",         "out.svg", "--program",   "/x/morven", "--timeout",   "2.5",
       "--json"});
  const morven::host::HostInput& in = options.Input;
  ASSERT_TRUE(in.Points.has_value());
  EXPECT_EQ((*in.Points)[0].x, -1.5);
  EXPECT_EQ((*in.Points)[2].y, 500.0);
  EXPECT_EQ(in.Angle, 30.0);
  EXPECT_EQ(in.Scale, 50.0);
  EXPECT_EQ(in.TextType, 0);
  ASSERT_TRUE(in.TextSize.has_value());
  EXPECT_EQ(in.TextSize->Gap, 0.5);
  EXPECT_EQ(in.TextSize->Color, 4);
  EXPECT_EQ(in.LayerGroup, 10);
  EXPECT_EQ(in.Layer, 15);
  EXPECT_EQ(in.Color, 101);
  EXPECT_EQ(options.SvgPath, "out.svg");
  EXPECT_EQ(options.Program, "/x/morven");
  EXPECT_TRUE(options.Json);
  EXPECT_EQ(options.TimeoutSeconds, 2.5);
  EXPECT_FALSE(options.ExchangeFile.has_value());
  EXPECT_FALSE(morven::host::ParseRunOptions({"--exchange", "f.txt"}).TimeoutSeconds.has_value());

  // Every option that does not describe the host's input combines with a prepared file.
  const morven::host::RunOptions prepared = morven::host::ParseRunOptions(
      {"--program", "p", "--exchange", "f.txt", "--timeout", "1", "--svg", "o.svg", "--json"});
  EXPECT_EQ(prepared.ExchangeFile, "f.txt");
  EXPECT_TRUE(prepared.Json);
}

// The file the host writes must say what the options asked for when the project's reader reads it.
TEST(HostInputTest, ReaderSeesWhatTheOptionsAskedFor) {
  morven::host::HostInput typed;
  typed.Points = {{{0, 0}, {1000, 0}, {500, 500}}};
  typed.Angle = 15;
  typed.Scale = 100;
  typed.LayerGroup = 11;
  typed.Layer = 12;
  typed.Color = 5;
  typed.TextType = 3;
  typed.TextSize = morven::exchange::TextTypeInfo{4, 5, 0.25, 7};
  morven::host::HostInput free = typed;
  free.TextType = 0;
  std::vector<morven::host::HostInput> inputs = {free};
  for (std::int32_t type = 1; type <= morven::exchange::kTextTypeCount; ++type) {
    inputs.push_back(typed);
    inputs.back().TextType = type;
  }

  for (const morven::host::HostInput& input : inputs) {
    morven::host::test::TempDir dir;
    const std::string file = dir.Write("JWC_TEMP.TXT", morven::host::BuildExchangeText(input));
    auto state = std::make_unique<morven::exchange::ExchangeState>();
    morven::exchange::ResetExchangeState(*state);
    ASSERT_TRUE(morven::exchange::ReadExchangeFile(*state, file));
    EXPECT_EQ(state->HkAngle, 15.0);
    EXPECT_EQ(state->LayerGroupScale[11], 100.0);
    EXPECT_EQ(state->LayerGroupScale[0], 1.0);
    EXPECT_EQ(state->InitialLayerGroup, 11);
    EXPECT_EQ(state->InitialLayer, 12);
    EXPECT_EQ(state->InitialLineColor, 5);
    EXPECT_EQ(state->InitialTextType, input.TextType);
    EXPECT_EQ(state->InitialFontName, morven::exchange::kDefaultFontName);
    EXPECT_EQ(state->HpPoints[3].Y, 500.0);
    EXPECT_TRUE(state->HpPoints[2].Defined);
    EXPECT_FALSE(state->HpPoints[4].Defined);
    if (input.TextType != 0) {
      const auto type = static_cast<std::size_t>(input.TextType - 1), other = (type + 1) % 10;
      EXPECT_EQ(state->TextTypes[type].Width, 4.0) << input.TextType;
      EXPECT_EQ(state->TextTypes[type].Height, 5.0) << input.TextType;
      EXPECT_EQ(state->TextTypes[type].Gap, 0.25);
      EXPECT_EQ(state->TextTypes[type].Color, 7);
      EXPECT_EQ(state->TextTypes[other].Width, morven::host::DefaultTextTypes()[other].Width);
    } else {
      EXPECT_EQ(state->InitialTextHeight, 5.0);
      EXPECT_EQ(state->InitialTextColor, 7);
    }
  }
}

TEST(HostInputTest, LinesEndInCrLfAndHoldTheRealisticHeader) {
  morven::host::HostInput input;
  input.Points = {{{0, 0}, {1000, 0}, {500, 500}}};
  const std::string text = morven::host::BuildExchangeText(input);
  EXPECT_EQ(
      text.rfind("hk 0\r\nhs 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\r\nhcw 2.5 3 3.5 4 5 6 7 8 10 12\r\n"
                 "hch 2.5 3 3.5 4 5 6 7 8 10 12\r\nhcd 0 0 0 0 0 0 0 0 0 0\r\n"
                 "hcc 1 1 1 2 2 2 3 3 4 4\r\n",
                 0),
      0u);
  EXPECT_NE(text.find("\r\nlg0\r\nly0\r\nlc1\r\nlt1\r\nlw1\r\ncn1\r\ncn\"$"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 34), "hp1 0 0\r\nhp2 1000 0\r\nhp3 500 500\r\n");
  input.TextType = 0;
  EXPECT_NE(morven::host::BuildExchangeText(input).find("\r\ncn0 2.5 2.5 0 1\r\n"),
            std::string::npos);
}

}  // namespace
