#include "tool/text_type_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/exchange_state.h"

namespace morven::tool {
namespace {

// "現在の文字種("
const std::string kCurrent = "\x8C\xBB\x8D\xDD\x82\xCC\x95\xB6\x8E\x9A\x8E\xED(";

TEST(TextTypeListTest, HostsValuesAndRegionalDecimalSeparator) {
  exchange::ExchangeState state;
  exchange::ResetExchangeState(state);
  state.TextTypes[9] = {2.5, 2.5, 0.5, 3};
  state.TextTypes[1] = {1.0 / 3, 1e-5, 100000, 1};
  const struct {
    std::int32_t hostType;
    numeric::Separators separators;
    std::string current, second, tenth;
  } cases[] = {
      {0, {}, kCurrent + "Free)", "No2: W0.333333333333333 H1E-5 D100000", "No10: W2.5 H2.5 D0.5"},
      {3, {}, kCurrent + "No3)", "No2: W0.333333333333333 H1E-5 D100000", "No10: W2.5 H2.5 D0.5"},
      {-1,
       {',', '.'},
       kCurrent + "No-1)",
       "No2: W0,333333333333333 H1E-5 D100000",
       "No10: W2,5 H2,5 D0,5"},
  };
  for (const auto& c : cases) {
    state.InitialTextType = c.hostType;
    const std::vector<std::string> items = TextTypeListItems(state, c.separators);
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items[0], c.current);
    EXPECT_EQ(items[2], c.second);
    EXPECT_EQ(items[10], c.tenth);
  }
}

}  // namespace
}  // namespace morven::tool
