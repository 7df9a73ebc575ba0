#include "exchange/command_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "exchange/exchange_state.h"

namespace morven::exchange {
namespace {

std::vector<std::string> Entries(const ExchangeState& state) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < state.CommandBuffer.size(); ++i) {
    out.push_back(state.CommandBuffer[i].Text);
  }
  return out;
}

using Lines = std::vector<std::string>;

struct WriterCase {
  const char* name;
  std::function<void(ExchangeState&)> requests;
  Lines expected;
};

// Every case starts right after ResetCommandWriter, with the host's settings of a file that said
// "lc5", "lt2", "lw3", "cn0 2 2.5 0.5 4" and "cn$<Font A>".
ExchangeState WriterState() {
  ExchangeState state;
  state.InitialLineColor = 5;
  state.InitialLineType = 2;
  state.InitialLineWidth = 3;
  state.InitialTextType = 0;
  state.InitialTextWidth = 2.0;
  state.InitialTextHeight = 2.5;
  state.InitialTextGap = 0.5;
  state.InitialTextColor = 4;
  state.InitialFontName = "<Font A>";
  ResetCommandWriter(state);
  return state;
}

void RunCases(const std::vector<WriterCase>& cases) {
  for (const WriterCase& c : cases) {
    ExchangeState state = WriterState();
    c.requests(state);
    EXPECT_EQ(Entries(state), c.expected) << c.name;
  }
}

TEST(CommandWriter, LayerGroupsAndLayers) {
  RunCases({
      {"forced start value",
       [](ExchangeState& s) { SetLayerGroup(s, 0), SetLayerGroup(s, 0); },
       {"lg0"}},
      {"unchanged pair",
       [](ExchangeState& s) {
         SetLayerGroup(s, 3), SetLayer(s, 2), SetLayerGroup(s, 3), SetLayer(s, 2);
       },
       {"lg3", "ly2"}},
      {"a new group forces the layer",
       [](ExchangeState& s) {
         SetLayerGroup(s, 3), SetLayer(s, 2), SetLayerGroup(s, 4), SetLayer(s, 2);
       },
       {"lg3", "ly2", "lg4", "ly2"}},
      {"hexadecimal",
       [](ExchangeState& s) { SetLayer(s, 10), SetLayerGroup(s, 15); },
       {"lyA", "lgF"}},
      {"negative as two's complement", [](ExchangeState& s) { SetLayer(s, -1); }, {"lyFFFFFFFF"}},
  });
}

TEST(CommandWriter, ColoursLineTypesAndWidths) {
  RunCases({
      {"list colour", [](ExchangeState& s) { SetLineColor(s, 12, 1); }, {"lc103"}},
      {"plain colour",
       [](ExchangeState& s) { SetLineColor(s, 12, 0), SetLineColor(s, 12, 0); },
       {"lc12"}},
      {"list type 0", [](ExchangeState& s) { SetLineType(s, -4, 1); }, {"lt2"}},
      {"list colour wraps round",
       [](ExchangeState& s) { SetLineColor(s, 2147483647, 1); },
       {"lc-2147483558"}},
      {"list type wraps round",
       [](ExchangeState& s) { SetLineType(s, 2147483647, 1); },
       {"lt-2147483637"}},
      {"host width", [](ExchangeState& s) { SetLineWidth(s, -1); }, {"lw3"}},
      {"width too big", [](ExchangeState& s) { SetLineWidth(s, 30001); }, {"lw0"}},
      {"width negative", [](ExchangeState& s) { SetLineWidth(s, -2); }, {"lw0"}},
      {"width kept",
       [](ExchangeState& s) { SetLineWidth(s, 30000), SetLineWidth(s, 30000); },
       {"lw30000"}},
      {"pn colour",
       [](ExchangeState& s) { SetPnColor(s, 1, 0), SetPnColor(s, 1, 0), SetPnColor(s, 11, 1); },
       {"pn1", "pn102"}},
      {"each attribute is forced once",
       [](ExchangeState& s) {
         SetLineColor(s, 1, 0), SetLineType(s, 1, 0), SetLineWidth(s, 0), SetPnColor(s, 1, 0);
         SetLineColor(s, 1, 0), SetLineType(s, 1, 0), SetLineWidth(s, 0), SetPnColor(s, 1, 0);
       },
       {"lc1", "lt1", "lw0", "pn1"}},
  });
}

TEST(CommandWriter, MappingTables) {
  ExchangeState state = WriterState();
  const std::pair<int, int> colours[] = {{-3, 5}, {0, 5}, {1, 1}, {9, 9}, {10, 101}, {11, 102}};
  for (const auto& [n, mapped] : colours) EXPECT_EQ(MapColorNumber(state, n), mapped) << n;
  const std::pair<int, int> types[] = {{0, 2}, {1, 1}, {9, 9}, {10, 11}, {18, 19}, {19, 31}};
  for (const auto& [n, mapped] : types) EXPECT_EQ(MapLineTypeNumber(state, n), mapped) << n;
}

TEST(CommandWriter, TextTypes) {
  RunCases({
      {"type 3 twice",
       [](ExchangeState& s) { SetTextType(s, 3, 1, 0, 1, 1, 0), SetTextType(s, 3, 9, 0, 5, 5, 5); },
       {"cn3"}},
      {"free size, repeat, new colour",
       [](ExchangeState& s) {
         SetTextType(s, 0, 7, 0, 2.5, 2.5, 0);
         SetTextType(s, 0, 7, 0, 2.5, 2.5, 0);
         SetTextType(s, 0, 2, 0, 2.5, 2.5, 0);
       },
       {"cn0 2.5 2.5 0 7", "cn0 2.5 2.5 0 2"}},
      {"free size after a type",
       [](ExchangeState& s) { SetTextType(s, 2, 1, 0, 0, 0, 0), SetTextType(s, 0, 1, 0, 2, 2, 0); },
       {"cn2", "cn0 2 2 0 1"}},
      {"out of range gives the host's free size",
       [](ExchangeState& s) { SetTextType(s, 11, 7, 0, 9, 9, 9); },
       {"cn0 2 2.5 0.5 4"}},
      {"list colour",
       [](ExchangeState& s) { SetTextType(s, 0, 10, 1, 1.25, 1.5, 0.125); },
       {"cn0 1.25 1.5 0.125 101"}},
  });
  ExchangeState state = WriterState();
  state.InitialTextType = 4;
  SetTextType(state, -1, 1, 0, 0, 0, 0);
  EXPECT_EQ(Entries(state), Lines{"cn4"});
  EXPECT_EQ(state.CurTextWidth, 2.0);  // a typed text type leaves the free size alone
}

TEST(CommandWriter, FontNames) {
  RunCases({
      {"empty then <>",
       [](ExchangeState& s) { SetFontName(s, ""), SetFontName(s, "<>"); },
       {"cn\"$<Font A>"}},
      {"default font is still forced",
       [](ExchangeState& s) { SetFontName(s, kDefaultFontName), SetFontName(s, kDefaultFontName); },
       {std::string("cn\"$") + kDefaultFontName}},
      {"case matters",
       [](ExchangeState& s) { SetFontName(s, "ab"), SetFontName(s, "AB"); },
       {"cn\"$ab", "cn\"$AB"}},
  });
  ExchangeState state = WriterState();
  state.InitialFontName.clear();
  SetFontName(state, "");
  EXPECT_EQ(Entries(state), Lines{"cn\"$"});
}

TEST(CommandWriter, EntityFlags) {
  struct Case {
    std::uint8_t flags;
    Lines expected;
  };
  const Case cases[] = {
      {0, {}},           {4, {"z3"}}, {24, {"z5"}}, {8, {"z4"}}, {31, {"z1", "z2", "z3", "z5"}},
      {3, {"z1", "z2"}}, {224, {}}};
  for (const Case& c : cases) {
    ExchangeState state = WriterState();
    PutEntityFlags(state, c.flags);
    EXPECT_EQ(Entries(state), c.expected) << int(c.flags);
  }
}

TEST(CommandWriter, LinesAndMarks) {
  RunCases({
      {"too short", [](ExchangeState& s) { PutLine(s, 0, 0, 0.000000005, 0); }, {}},
      {"just long enough",
       [](ExchangeState& s) { PutLine(s, 0, 0, 0.00000002, 0); },
       {"0 0 2E-8 0"}},
      {"general number texts",
       [](ExchangeState& s) { PutLine(s, 1.0 / 3, -62.5, 123456789012345.6, 0.1 + 0.2); },
       {"0.333333333333333 -62.5 123456789012346 0.3"}},
      {"mark kind out of range and no scale",
       [](ExchangeState& s) { PutMarkPoint(s, 12, 0, 500, 0, 180); },
       {"pt 0 500 1 180 -3"}},
      {"mark kept",
       [](ExchangeState& s) {
         PutMarkPoint(s, -7, 1.5, 2, 0.5, 45), PutMarkPoint(s, -7, 1.5, 2, 0.5, 45);
       },
       {"pt 1.5 2 0.5 45 -7", "pt 1.5 2 0.5 45 -7"}},
      {"mark kind -8",
       [](ExchangeState& s) { PutMarkPoint(s, -8, 0, 0, 1e-9, 0); },
       {"pt 0 0 1 0 -3"}},
  });
}

TEST(CommandWriter, DimensionTexts) {
  RunCases({
      {"blank text gives the length",
       [](ExchangeState& s) { PutDimensionText(s, " ", 0, 0, 3, 4, 1, 1, 10, 0); },
       {"msg", "0 0 3 4", "cs 1 1 10 0 \"", "5"}},
      {"full-width blank and tab",
       [](ExchangeState& s) { PutDimensionText(s, "\x81\x40\t", 0, 0, 0.1, 0.2, 0, 0, 0, 10); },
       {"msg", "0 0 0.1 0.2", "cs 0 0 0 10 \"", "0.2236068"}},
      {"text kept with its blanks",
       [](ExchangeState& s) {
         PutDimensionText(s, " 1,000.000 mm", 0, 500, 1000, 500, -62.5, 550, 10, 0);
       },
       {"msg", "0 500 1000 500", "cs -62.5 550 10 0 \"", " 1,000.000 mm"}},
      {"no length",
       [](ExchangeState& s) { PutDimensionText(s, "x", 5, 5, 5, 5.000000001, 0, 0, 10, 0); },
       {}},
      {"no direction",
       [](ExchangeState& s) { PutDimensionText(s, "x", 0, 0, 5, 0, 0, 0, 0, 1e-8); },
       {}},
  });
}

TEST(CommandWriter, EntriesAreBoundedAndFreeOfLineBreaks) {
  struct Case {
    std::string line;
    std::string expected;
  };
  const Case cases[] = {
      {std::string(300, 'a'), std::string(255, 'a')},
      {std::string(254, 'a') + "\x82\xa0", std::string(254, 'a')},
      {std::string(253, 'a') + "\x82\xa0"
                               "b",
       std::string(253, 'a') + "\x82\xa0"},
      {"a\r\nz1\rb\n", "az1b"},
      {"\r\n" + std::string(255, 'c'), std::string(255, 'c')},
      {"x\x82\n", "x"},
      {"", ""},
  };
  for (const Case& c : cases) {
    ExchangeState state = WriterState();
    AddCommandLine(state, c.line);
    ASSERT_EQ(state.CommandBuffer.size(), 1u);
    EXPECT_EQ(state.CommandBuffer[0].Text, c.expected) << c.line;
  }

  ExchangeState state = WriterState();
  PutDimensionText(state, "1\r\nz1\r\n2", 0, 0, 1, 0, 0, 0, 1, 0);
  EXPECT_EQ(state.CommandBuffer.back().Text, "1z12");
}

}  // namespace
}  // namespace morven::exchange
