#include "exchange/locked_file_wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace morven::exchange {
namespace {

using std::chrono::milliseconds;

// A pause is slept through, or handed to the caller's function, which keeps its windows drawn.
// On the caller's clock, where each attempt between two pauses takes 7 ms, the wait ends after 3
// seconds: 52 pauses of 50 ms, then the 36 ms that are left.
TEST(LockedFileWaitTest, APauseIsSleptOrHandedToTheCaller) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(LockedFileWait().PauseBeforeRetry());
  EXPECT_GE(std::chrono::steady_clock::now() - start, kLockedFilePause);

  std::vector<milliseconds> pauses;
  std::chrono::steady_clock::time_point now{};
  LockedFileWait driven({.pause =
                             [&](milliseconds time) {
                               pauses.push_back(time);
                               now += time + milliseconds(7);
                             },
                         .now = [&now] { return now; }});
  while (pauses.size() < 100 && driven.PauseBeforeRetry()) {
  }
  std::vector<milliseconds> expected(52, milliseconds(50));
  expected.push_back(milliseconds(36));
  EXPECT_EQ(pauses, expected);
}

}  // namespace
}  // namespace morven::exchange
