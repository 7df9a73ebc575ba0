#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <utility>

namespace morven::exchange {

// How long one step on the exchange file (reading it, or writing the answer together with
// deleting a failed one) waits in all for other programs that hold the file open without sharing
// it, such as a virus scanner, a backup tool or a sync client. Past it the step fails as if the
// file could not be opened; the program never waits longer on a locked file.
inline constexpr std::chrono::milliseconds kLockedFileWait{3000};

// The pause between two attempts.
inline constexpr std::chrono::milliseconds kLockedFilePause{50};

// How a step spends and times its wait: `pause` spends one pause between two attempts (nullptr:
// the thread sleeps; a program with windows keeps them drawn meanwhile), `now` tells the time
// (nullptr: the steady clock). A test drives both, so that its waits take no time.
struct WaitPacing {
  std::function<void(std::chrono::milliseconds)> pause;
  std::function<std::chrono::steady_clock::time_point()> now;
};

// The time left to one step for waiting on a locked file. Its kLockedFileWait starts at the first
// pause, so that the time the step takes to read or write does not count.
class LockedFileWait {
 public:
  explicit LockedFileWait(WaitPacing pacing = {}) : pacing_(std::move(pacing)) {}

  // Pauses for kLockedFilePause (less when less is left) and is true, or is false at once when
  // the step has already waited kLockedFileWait.
  bool PauseBeforeRetry();

 private:
  WaitPacing pacing_;
  std::optional<std::chrono::steady_clock::time_point> deadline_;
};

}  // namespace morven::exchange
