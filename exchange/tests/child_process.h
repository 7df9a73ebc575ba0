#pragma once

#include <errno.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

namespace morven::exchange::test {

// Runs `check` in a child process that gets `seconds` to end, so that a file operation that
// waits forever, or a limit set for it, cannot touch the test itself. Success when `check`
// returned true in time; the child reports what it found on its standard error.
inline ::testing::AssertionResult InChildWithin(unsigned seconds,
                                                const std::function<bool()>& check) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return ::testing::AssertionFailure() << "cannot fork";
  if (pid == 0) {
    ::alarm(seconds);
    const bool passed = check();
    std::fflush(nullptr);
    ::_exit(passed ? 0 : 1);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return ::testing::AssertionFailure() << "lost the child";
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return ::testing::AssertionSuccess();
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM) {
    return ::testing::AssertionFailure() << "still waiting after " << seconds << " s";
  }
  return ::testing::AssertionFailure() << "the check failed (wait status " << status << ")";
}

}  // namespace morven::exchange::test
