#include "tool/horizontal_dimension.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"
#include "exchange/tests/temp_folder.h"
#include "exchange/write_back.h"
#include "numeric/float_error.h"

namespace morven::tool {
namespace {

using exchange::ExchangeState;

// "<ＭＳ ゴシック>"
const std::string kFont = "<\x82l\x82r \x83S\x83V\x83\x62\x83N>";
const std::vector<std::string> kHostAttributes = {"lg0", "ly0", "lc1",          "pn1",
                                                  "lt1", "lw0", "cn\"$" + kFont};

// The worked example: angle 0, scale 100, P1 (0, 0), P2 (1000, 0), P3 (500, 500), text type 1
// of width 2.5 and gap 0, the host's current text type 1.
void WorkedExampleHost(ExchangeState& state) {
  exchange::ResetExchangeState(state);
  state.LayerGroupScale[0] = 100.0;
  state.TextTypes[0].Width = 2.5;
  state.InitialFontName = kFont;
  state.HpPoints[1] = {true, 0.0, 0.0, 0};
  state.HpPoints[2] = {true, 1000.0, 0.0, 0};
  state.HpPoints[3] = {true, 500.0, 500.0, 0};
}

std::string Join(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::string WrittenFile(const ExchangeState& state) {
  const exchange::test::TempFolder folder;
  EXPECT_TRUE(exchange::WriteBackExchangeFile(state, folder / "JWC_TEMP.TXT"));
  return exchange::test::ReadBytes(folder / "JWC_TEMP.TXT");
}

std::vector<std::string> Tokens(const std::string& line) {
  std::istringstream in(line);
  return {std::istream_iterator<std::string>(in), {}};
}

// Numbers may differ by rounding residues of the trigonometry; everything else must match.
void ExpectLinesNear(const std::string& actual, const std::string& expected) {
  std::istringstream a(actual), e(expected);
  std::string actualLine, expectedLine;
  while (std::getline(e, expectedLine)) {
    ASSERT_TRUE(std::getline(a, actualLine)) << "missing line " << expectedLine;
    const std::vector<std::string> at = Tokens(actualLine), et = Tokens(expectedLine);
    ASSERT_EQ(at.size(), et.size()) << actualLine << " vs " << expectedLine;
    for (std::size_t i = 0; i < at.size(); ++i) {
      char* end = nullptr;
      const double expectedValue = std::strtod(et[i].c_str(), &end);
      if (*end != '\0') {
        EXPECT_EQ(at[i], et[i]) << actualLine;
      } else {
        EXPECT_NEAR(std::strtod(at[i].c_str(), nullptr), expectedValue, 1e-9) << actualLine;
      }
    }
  }
  EXPECT_FALSE(std::getline(a, actualLine)) << "extra line " << actualLine;
}

// The dialog's start values.
const DimensionEntries kStart{0, 0, "1", 0, "", "", "0.5", "2", "2"};

struct BuildCase {
  const char* name;
  std::function<void(ExchangeState&)> host;  // applied after the worked example's host
  DimensionEntries entries;
  std::vector<std::string> attributes;  // the host's attribute lines
  std::vector<std::string> lines;       // what follows them
  numeric::Separators separators{};
  bool nearOnly = false;
};

DimensionEntries WithEntries(std::function<void(DimensionEntries&)> change) {
  DimensionEntries entries = kStart;
  change(entries);
  return entries;
}

void NoChange(ExchangeState&) {}

const std::vector<std::string> kWorkedExample = {"z3",
                                                 "0 200 0 700",
                                                 "z3",
                                                 "1000 200 1000 700",
                                                 "cn1",
                                                 "msg",
                                                 "0 500 1000 500",
                                                 "cs -62.5 550 10 0 \"1,000.000",
                                                 "z3",
                                                 "pt 0 500 1 180 1",
                                                 "z3",
                                                 "pt 1000 500 1 0 1"};

std::vector<std::string> WorkedExampleWithText(const std::string& csLine) {
  std::vector<std::string> lines = kWorkedExample;
  lines[7] = csLine;
  return lines;
}

const BuildCase kBuildCases[] = {
    {"WorkedExample", NoChange, kStart, kHostAttributes, kWorkedExample},
    {"MeasuredPointsOnBothSides",
     [](ExchangeState& s) {
       s.HpPoints[2] = {true, 1000.0, 800.0, 0};
     },
     kStart,
     kHostAttributes,
     {"z3", "0 200 0 700", "z3", "1000 600 1000 300", "cn1", "msg", "0 500 1000 500",
      "cs -62.5 550 10 0 \"1,000.000", "z3", "pt 0 500 1 180 1", "z3", "pt 1000 500 1 0 1"}},
    {"Angle90",
     [](ExchangeState& s) {
       s.HkAngle = 90.0;
       s.HpPoints[2] = {true, 0.0, 1000.0, 0};
       s.HpPoints[3] = {true, -500.0, 500.0, 0};
     },
     kStart,
     kHostAttributes,
     {"z3", "-200 0 -700 0", "z3", "-200 1000 -700 1000", "cn1", "msg", "-500 0 -500 1000",
      "cs -550 -62.5 0 10 \"1,000.000", "z3", "pt -500 0 1 270 1", "z3", "pt -500 1000 1 90 1"},
     {},
     true},
    {"FirstPointRightOfSecond",
     [](ExchangeState& s) {
       s.HpPoints[1] = {true, 1000.0, 0.0, 0};
       s.HpPoints[2] = {true, 0.0, 0.0, 0};
     },
     kStart,
     kHostAttributes,
     {"z3", "1000 200 1000 700", "z3", "0 200 0 700", "cn1", "msg", "1000 500 0 500",
      "cs -62.5 550 10 0 \"1,000.000", "z3", "pt 1000 500 1 0 1", "z3", "pt 0 500 1 180 1"}},
    {"DimensionLineThroughMeasuredPointsGivesNoExtensionLines",
     [](ExchangeState& s) {
       s.HpPoints[3] = {true, 500.0, 0.0, 0};
     },
     kStart,
     kHostAttributes,
     {"z3", "z3", "cn1", "msg", "0 0 1000 0", "cs -62.5 50 10 0 \"1,000.000", "z3",
      "pt 0 0 1 180 1", "z3", "pt 1000 0 1 0 1"}},
    {"FullWidthBlankPrefixAndSuffixDropped", NoChange, WithEntries([](DimensionEntries& e) {
       e.prefix = "\x81\x40";
       e.suffix = " \x81\x40\t";
     }),
     kHostAttributes, kWorkedExample},
    {"BlankBeforeLetterKept", NoChange, WithEntries([](DimensionEntries& e) { e.prefix = " A"; }),
     kHostAttributes, WorkedExampleWithText("cs -187.5 550 10 0 \" A1,000.000")},
    {"SuffixAfterValue", NoChange, WithEntries([](DimensionEntries& e) { e.suffix = "mm"; }),
     kHostAttributes, WorkedExampleWithText("cs -187.5 550 10 0 \"1,000.000mm")},
    // Left in, each would add half a gap to the text's drawn length.
    {"LineBreaksInPrefixDropped", [](ExchangeState& s) { s.TextTypes[0].Gap = 0.5; },
     WithEntries([](DimensionEntries& e) {
       e.prefix = "A\r\nz3";
       e.suffix = "\r\n";
     }),
     kHostAttributes, WorkedExampleWithText("cs -387.5 550 10 0 \"Az31,000.000")},
    {"ValueRoundsUp",
     [](ExchangeState& s) {
       s.HpPoints[2] = {true, 0.0015, 0.0, 0};
     },
     kStart,
     kHostAttributes,
     {"z3", "0 200 0 700", "z3", "0.0015 200 0.0015 700", "cn1", "msg", "0 500 0.0015 500",
      "cs -312.49925 550 10 0 \"0.002", "z3", "pt 0 500 1 180 1", "z3", "pt 0.0015 500 1 0 1"}},
    {"ValueRoundsDown",
     [](ExchangeState& s) {
       s.HpPoints[2] = {true, 2.0004, 0.0, 0};
     },
     kStart,
     kHostAttributes,
     {"z3", "0 200 0 700", "z3", "2.0004 200 2.0004 700", "cn1", "msg", "0 500 2.0004 500",
      "cs -311.4998 550 10 0 \"2.000", "z3", "pt 0 500 1 180 1", "z3", "pt 2.0004 500 1 0 1"}},
    {"MarksAndScaleFromLists",
     NoChange,
     WithEntries([](DimensionEntries& e) {
       e.startMark = 10;
       e.endMark = 4;
       e.endMarkScale = "0.5";
     }),
     kHostAttributes,
     {"z3", "0 200 0 700", "z3", "1000 200 1000 700", "cn1", "msg", "0 500 1000 500",
      "cs -62.5 550 10 0 \"1,000.000", "z3", "pt 0 500 0.5 180 11", "z3", "pt 1000 500 0.5 0 5"}},
    {"LayerGroupScaleZero",
     [](ExchangeState& s) { s.LayerGroupScale[0] = 0.0; },
     kStart,
     kHostAttributes,
     {"z3", "0 0 0 500", "z3", "1000 0 1000 500", "cn1", "msg", "0 500 1000 500",
      "cs 500 500 10 0 \"1,000.000", "z3", "pt 0 500 1 180 1", "z3", "pt 1000 500 1 0 1"}},
    {"NegativeTextDistanceBelowTheLine", NoChange,
     WithEntries([](DimensionEntries& e) { e.textDistance = "-1"; }), kHostAttributes,
     WorkedExampleWithText("cs -62.5 400 10 0 \"1,000.000")},
    {"EmptyDistancesCountAsZero",
     NoChange,
     WithEntries([](DimensionEntries& e) {
       e.textDistance = "";
       e.extensionGap = "";
       e.overshoot = "x";
     }),
     kHostAttributes,
     {"z3", "0 0 0 500", "z3", "1000 0 1000 500", "cn1", "msg", "0 500 1000 500",
      "cs -62.5 500 10 0 \"1,000.000", "z3", "pt 0 500 1 180 1", "z3", "pt 1000 500 1 0 1"}},
    {"TextTypeNo10ThenHostsTypeRestored",
     [](ExchangeState& s) {
       s.InitialTextType = 5;
       s.TextTypes[9].Width = 4.0;
     },
     WithEntries([](DimensionEntries& e) { e.textTypeChoice = 10; }),
     kHostAttributes,
     {"z3", "0 200 0 700", "z3", "1000 200 1000 700", "cn10", "msg", "0 500 1000 500",
      "cs -400 550 10 0 \"1,000.000", "z3", "pt 0 500 1 180 1", "z3", "pt 1000 500 1 0 1", "cn5"}},
    {"HostsFreeTextSize",
     [](ExchangeState& s) { s.InitialTextType = 0; },
     kStart,
     kHostAttributes,
     {"z3", "0 200 0 700", "z3", "1000 200 1000 700", "cn0 2 2 0 1", "msg", "0 500 1000 500",
      "cs 50 550 10 0 \"1,000.000", "z3", "pt 0 500 1 180 1", "z3", "pt 1000 500 1 0 1"}},
    {"HostsTextTypeOutOfRangeFallsBackToNo1",
     [](ExchangeState& s) { s.InitialTextType = 15; },
     kStart,
     kHostAttributes,
     {"z3", "0 200 0 700", "z3", "1000 200 1000 700", "cn1", "msg", "0 500 1000 500",
      "cs -62.5 550 10 0 \"1,000.000", "z3", "pt 0 500 1 180 1", "z3", "pt 1000 500 1 0 1",
      "cn15"}},
    {"NoIndicatedPoints",
     [](ExchangeState& s) {
       s.HpPoints[1] = {};
       s.HpPoints[2] = {};
       s.HpPoints[3] = {};
     },
     WithEntries([](DimensionEntries& e) { e.overshoot = "3"; }),
     kHostAttributes,
     {"z3", "0 200 0 300", "z3", "0 200 0 300", "cn1", "z3", "pt 0 0 1 0 1", "z3", "pt 0 0 1 0 1"}},
    {"HostsAttributesAndLayerGroupScale",
     [](ExchangeState& s) {
       s.InitialLayerGroup = 3;
       s.InitialLayer = 10;
       s.InitialLineColor = 5;
       s.InitialLineType = 2;
       s.InitialLineWidth = 3;
       s.LayerGroupScale[0] = 1.0;
       s.LayerGroupScale[3] = 100.0;
     },
     kStart,
     {"lg3", "lyA", "lc5", "pn5", "lt2", "lw3", "cn\"$" + kFont},
     kWorkedExample},
    {"RegionalSeparatorsInTheValueOnly", NoChange, kStart, kHostAttributes,
     WorkedExampleWithText("cs -62.5 550 10 0 \"1.000,000"), numeric::Separators{',', '.'}},
};

void PrintTo(const BuildCase& c, std::ostream* os) {
  *os << c.name;
}

class BuildTest : public testing::TestWithParam<BuildCase> {};

TEST_P(BuildTest, WritesExactLines) {
  const BuildCase& c = GetParam();
  ExchangeState state;
  WorkedExampleHost(state);
  c.host(state);
  exchange::ResetCommandWriter(state);

  ASSERT_EQ(BuildHorizontalDimension(state, c.entries, c.separators), DimensionResult::kBuilt);

  std::vector<std::string> expected = c.attributes;
  expected.insert(expected.end(), c.lines.begin(), c.lines.end());
  if (c.nearOnly) {
    ExpectLinesNear(WrittenFile(state), Join(expected));
  } else {
    EXPECT_EQ(WrittenFile(state), Join(expected));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BuildTest, testing::ValuesIn(kBuildCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
  const char* name;
  DimensionEntries entries;
  DimensionResult result;
};

const RefusalCase kRefusalCases[] = {
    {"ScaleZero", WithEntries([](DimensionEntries& e) { e.endMarkScale = "0"; }),
     DimensionResult::kEndMarkScaleNotPositive},
    {"ScaleNegative", WithEntries([](DimensionEntries& e) { e.endMarkScale = "-1"; }),
     DimensionResult::kEndMarkScaleNotPositive},
    {"GapNegative", WithEntries([](DimensionEntries& e) { e.extensionGap = "-0.1"; }),
     DimensionResult::kExtensionGapNegative},
    {"OvershootNegative", WithEntries([](DimensionEntries& e) { e.overshoot = "-2"; }),
     DimensionResult::kOvershootNegative},
    {"ScaleCheckedFirst", WithEntries([](DimensionEntries& e) {
       e.endMarkScale = "0";
       e.extensionGap = "-1";
       e.overshoot = "-1";
     }),
     DimensionResult::kEndMarkScaleNotPositive},
    {"GapCheckedBeforeOvershoot", WithEntries([](DimensionEntries& e) {
       e.extensionGap = "-1";
       e.overshoot = "-1";
     }),
     DimensionResult::kExtensionGapNegative},
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << c.name;
}

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, WritesNothingAndLeavesTheWriterForced) {
  const RefusalCase& c = GetParam();
  ExchangeState state;
  WorkedExampleHost(state);
  exchange::ResetCommandWriter(state);

  EXPECT_EQ(BuildHorizontalDimension(state, c.entries, {}), c.result);
  EXPECT_EQ(WrittenFile(state), "hq\r\n");

  // A corrected OK still writes every attribute line.
  ASSERT_EQ(BuildHorizontalDimension(state, kStart, {}), DimensionResult::kBuilt);
  std::vector<std::string> expected = kHostAttributes;
  expected.insert(expected.end(), kWorkedExample.begin(), kWorkedExample.end());
  EXPECT_EQ(WrittenFile(state), Join(expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusalTest, testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct OverflowCase {
  const char* name;
  std::function<void(ExchangeState&)> host;
  DimensionEntries entries;
};

const OverflowCase kOverflowCases[] = {
    {"NumberFieldBeyondDoubleRange", NoChange,
     WithEntries([](DimensionEntries& e) { e.extensionGap = "1e400"; })},
    {"DistanceTimesLayerGroupScale", [](ExchangeState& s) { s.LayerGroupScale[0] = 1e300; },
     WithEntries([](DimensionEntries& e) { e.overshoot = "1e10"; })},
    {"CoordinatesThatLarge",
     [](ExchangeState& s) {
       s.HpPoints[1] = {true, 1e308, 0.0, 0};
       s.HpPoints[2] = {true, -1e308, 0.0, 0};
     },
     kStart},
};

void PrintTo(const OverflowCase& c, std::ostream* os) {
  *os << c.name;
}

class OverflowTest : public testing::TestWithParam<OverflowCase> {};

TEST_P(OverflowTest, PutsEverythingBackSoCancelAnswersHqAndRetryHasNoDuplicates) {
  const OverflowCase& c = GetParam();
  ExchangeState state;
  WorkedExampleHost(state);
  c.host(state);
  exchange::ResetCommandWriter(state);

  EXPECT_THROW(BuildHorizontalDimension(state, c.entries, {}), numeric::FloatingPointError);
  EXPECT_EQ(WrittenFile(state), "hq\r\n");
  EXPECT_TRUE(state.ForceLayerGroup && state.ForceLayer && state.ForceLineColor &&
              state.ForceLineType && state.ForceLineWidth && state.ForceTextType &&
              state.ForceFontName && state.ForcePnColor);
  EXPECT_EQ(state.CurFontName, exchange::kDefaultFontName);

  ExchangeState fixedHost;
  WorkedExampleHost(fixedHost);
  state.LayerGroupScale = fixedHost.LayerGroupScale;
  state.HpPoints = fixedHost.HpPoints;
  ASSERT_EQ(BuildHorizontalDimension(state, kStart, {}), DimensionResult::kBuilt);
  std::vector<std::string> expected = kHostAttributes;
  expected.insert(expected.end(), kWorkedExample.begin(), kWorkedExample.end());
  EXPECT_EQ(WrittenFile(state), Join(expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, OverflowTest, testing::ValuesIn(kOverflowCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BuildTest, OverflowKeepsLinesOfAnEarlierSuccess) {
  ExchangeState state;
  WorkedExampleHost(state);
  exchange::ResetCommandWriter(state);
  ASSERT_EQ(BuildHorizontalDimension(state, kStart, {}), DimensionResult::kBuilt);
  const std::size_t count = state.CommandBuffer.size();
  const std::int32_t textType = state.CurTextType;

  state.LayerGroupScale[0] = 1e300;
  EXPECT_THROW(BuildHorizontalDimension(
                   state, WithEntries([](DimensionEntries& e) { e.extensionGap = "1e10"; }), {}),
               numeric::FloatingPointError);
  EXPECT_EQ(state.CommandBuffer.size(), count);
  EXPECT_EQ(state.CurTextType, textType);
  EXPECT_FALSE(state.ForceLayerGroup);
}

}  // namespace
}  // namespace morven::tool
