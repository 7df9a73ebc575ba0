#include "exchange/block_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "exchange/exchange_state.h"

namespace morven::exchange {
namespace {

TEST(BlockTable, GrowsInBlocksOfAThousand) {
  struct Case {
    std::size_t count;
    std::size_t capacity;
  };
  const Case cases[] = {{0, 0}, {1, 1000}, {999, 1000}, {1000, 1000}, {1001, 2000}, {2001, 3000}};
  for (const Case& c : cases) {
    BlockTable<int> table;
    for (std::size_t i = 0; i < c.count; ++i) table.Append(static_cast<int>(i));
    EXPECT_EQ(table.size(), c.count);
    EXPECT_EQ(table.capacity(), c.capacity) << c.count;
  }
}

TEST(BlockTable, StoredRecordsNeverMoveAndNewOnesAreZero) {
  BlockTable<LineRecord> table;
  LineRecord& first = table.Append();
  first.X1 = 7.0;
  const LineRecord* const address = &first;
  for (int i = 0; i < 5000; ++i) {
    const LineRecord& added = table.Append();
    EXPECT_EQ(added.X2, 0.0);
    EXPECT_EQ(added.Header.Color, 0);
  }
  EXPECT_EQ(&table[0], address);
  EXPECT_EQ(table[0].X1, 7.0);
}

TEST(BlockTable, TruncateUndoesAppends) {
  struct Case {
    std::size_t appended, kept, capacity;
  };
  const Case cases[] = {{5, 2, 1000}, {1500, 1000, 1000}, {1500, 1001, 2000},
                        {2500, 0, 0}, {10, 10, 1000},     {10, 20, 1000}};
  for (const Case& c : cases) {
    BlockTable<std::string> table;
    for (std::size_t i = 0; i < c.appended; ++i) table.Append(std::to_string(i));
    table.Truncate(c.kept);
    const std::size_t size = std::min(c.appended, c.kept);
    EXPECT_EQ(table.size(), size) << c.kept;
    EXPECT_EQ(table.capacity(), c.capacity) << c.kept;
    // The next record lands right after the kept ones and starts empty.
    EXPECT_EQ(table.Append(), "") << c.kept;
    EXPECT_EQ(&table[size], &table.back()) << c.kept;
    if (size > 0) {
      EXPECT_EQ(table[size - 1], std::to_string(size - 1));
    }
  }
}

TEST(BlockTable, ReleaseEmptiesTheTable) {
  BlockTable<std::string> table;
  table.Append("a");
  table.Release();
  EXPECT_TRUE(table.empty());
  EXPECT_EQ(table.capacity(), 0u);
  EXPECT_EQ(table.Append(), "");
}

// A state is reset by assigning a new one: what was there goes, the source is left empty.
TEST(BlockTable, AMoveTakesTheRecordsAndLeavesTheSourceEmpty) {
  BlockTable<std::string> table, source;
  table.Append("old");
  source.Append("new");
  table = std::move(source);
  EXPECT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0], "new");
  EXPECT_TRUE(source.empty());  // NOLINT(bugprone-use-after-move): its state is the contract
  EXPECT_EQ(table.Append(), "");
}

}  // namespace
}  // namespace morven::exchange
