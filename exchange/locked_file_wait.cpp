#include "exchange/locked_file_wait.h"

#include <algorithm>
#include <thread>

namespace morven::exchange {

bool LockedFileWait::PauseBeforeRetry() {
  const auto now = pacing_.now ? pacing_.now() : std::chrono::steady_clock::now();
  if (!deadline_) deadline_ = now + kLockedFileWait;
  if (now >= *deadline_) return false;
  const auto pause =
      std::min(kLockedFilePause, std::chrono::ceil<std::chrono::milliseconds>(*deadline_ - now));
  if (pacing_.pause) {
    pacing_.pause(pause);
  } else {
    std::this_thread::sleep_for(pause);
  }
  return true;
}

}  // namespace morven::exchange
