#include "exchange/write_back.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "exchange/command_writer.h"
#include "exchange/exchange_state.h"
#include "exchange/tests/temp_folder.h"

namespace morven::exchange {
namespace {

class WriteBack : public ::testing::Test {
 protected:
  std::string Path(const char* name = "JWC_TEMP.TXT") const { return (folder_ / name).string(); }

  static ExchangeState WithEntries(const std::vector<CommandEntry>& entries) {
    ExchangeState state;
    for (const CommandEntry& e : entries) state.CommandBuffer.Append(e);
    return state;
  }

  test::TempFolder folder_;
};

TEST_F(WriteBack, FileBytes) {
  struct Case {
    const char* name;
    std::vector<CommandEntry> entries;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty buffer", {}, "hq\r\n"},
      {"plain lines", {{"lg0"}, {"ly0"}}, "lg0\r\nly0\r\n"},
      {"dimension",
       {{"msg"}, {"0 500 1000 500"}, {"cs -62.5 550 10 0 \"", true}, {"1,000.000"}, {"z3"}},
       "msg\r\n0 500 1000 500\r\ncs -62.5 550 10 0 \"1,000.000\r\nz3\r\n"},
      {"a head without its text", {{"a"}, {"cs 0 0 1 0 \"", true}}, "a\r\ncs 0 0 1 0 \"\r\n"},
      {"joined text ending in a quote is not joined again",
       {{"cs 0 0 1 0 \"", true}, {"say \""}, {"z3"}},
       "cs 0 0 1 0 \"say \"\r\nz3\r\n"},
      {"empty entries", {{""}, {"x"}, {""}}, "\r\nx\r\n\r\n"},
      {"head followed by an empty text",
       {{"cs 1 1 1 0 \"", true}, {""}, {"z1"}},
       "cs 1 1 1 0 \"\r\nz1\r\n"},
      {"Shift_JIS bytes pass unchanged", {{"\x82\xa0\x81\x40"}}, "\x82\xa0\x81\x40\r\n"},
  };
  for (const Case& c : cases) {
    std::ofstream(Path(), std::ios::binary) << "host input that must go\r\nhk 0\r\n";
    const ExchangeState state = WithEntries(c.entries);
    EXPECT_TRUE(WriteBackExchangeFile(state, Path())) << c.name;
    EXPECT_EQ(test::ReadBytes(Path()), c.bytes) << c.name;
  }
}

// Only a text head the writer made joins the line after it: a font name or a text that ends in a
// quote keeps its own line, so the next command keeps its own too.
TEST_F(WriteBack, LinesEndingInAQuoteJoinNothing) {
  ExchangeState state;
  ResetCommandWriter(state);
  SetFontName(state, "ab\"");
  PutEntityFlags(state, 4);
  PutDimensionText(state, "1\"", 0, 0, 10, 0, 0, 1, 10, 0);
  PutEntityFlags(state, 4);
  ASSERT_TRUE(WriteBackExchangeFile(state, Path()));
  EXPECT_EQ(test::ReadBytes(Path()),
            "cn\"$ab\"\r\nz3\r\nmsg\r\n0 0 10 0\r\ncs 0 1 10 0 \"1\"\r\nz3\r\n");
}

}  // namespace
}  // namespace morven::exchange
