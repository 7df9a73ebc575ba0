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

// A pause is slept through, or handed to the caller's function, which keeps its windows drawn;
// on the caller's clock the wait ends after 3 seconds of pauses of 50 ms.
TEST(LockedFileWaitTest, APauseIsSleptOrHandedToTheCaller) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(LockedFileWait().PauseBeforeRetry());
  EXPECT_GE(std::chrono::steady_clock::now() - start, kLockedFilePause);

  LockedFileWait handed({.pause = &TakePause, .now = nullptr});
  EXPECT_TRUE(handed.PauseBeforeRetry());
  EXPECT_TRUE(handed.PauseBeforeRetry());
  EXPECT_EQ(pausesTaken, (std::vector{kLockedFilePause, kLockedFilePause}));

  std::chrono::steady_clock::time_point now{};
  LockedFileWait driven({.pause = [&now](std::chrono::milliseconds time) { now += time; },
                         .now = [&now] { return now; }});
  int pauses = 0;
  while (pauses < 100 && driven.PauseBeforeRetry()) ++pauses;  // a wait that never ends stops
  EXPECT_EQ(pauses, 60);
}

}  // namespace
}  // namespace morven::exchange
