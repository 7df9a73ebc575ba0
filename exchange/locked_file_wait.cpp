#include "exchange/locked_file_wait.h"

#include <algorithm>
#include <thread>

namespace morven::exchange {

bool LockedFileWait::PauseBeforeRetry() {
  const auto now = std::chrono::steady_clock::now();
  if (!deadline_) deadline_ = now + kLockedFileWait;
  if (now >= *deadline_) return false;
  std::this_thread::sleep_for(
      std::min<std::chrono::steady_clock::duration>(kLockedFilePause, *deadline_ - now));
  return true;
}

}  // namespace morven::exchange
