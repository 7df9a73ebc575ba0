#include "exchange/locked_file_wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace morven::exchange {
namespace {

std::vector<std::chrono::milliseconds> pausesTaken;

void TakePause(std::chrono::milliseconds time) {
  pausesTaken.push_back(time);
}

// A pause is slept through, or handed to the caller's function, which keeps its windows drawn.
TEST(LockedFileWaitTest, APauseIsSleptOrHandedToTheCaller) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(LockedFileWait().PauseBeforeRetry());
  EXPECT_GE(std::chrono::steady_clock::now() - start, kLockedFilePause);

  LockedFileWait handed(&TakePause);
  EXPECT_TRUE(handed.PauseBeforeRetry());
  EXPECT_TRUE(handed.PauseBeforeRetry());
  EXPECT_EQ(pausesTaken, (std::vector{kLockedFilePause, kLockedFilePause}));
}

}  // namespace
}  // namespace morven::exchange
