#include "tool/qt/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <utility>

namespace morven::tool::qt {
namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The self-pipe: the handler writes one byte a signal, the event loop reads it.
int endPipe[2] = {-1, -1};

extern "C" void TakeEndSignal(int signal) {
  const int savedErrno = errno;
  const char number = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(endPipe[1], &number, 1);
  errno = savedErrno;
}

}  // namespace

void CatchEndSignals() {
  if (::pipe2(endPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;  // the defaults stay
  struct sigaction action {};
  action.sa_handler = TakeEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kEndSignals) ::sigaction(signal, &action, nullptr);
}

void OnEndSignal(std::function<void(int)> onEnd) {
  if (endPipe[0] < 0) return;
  auto* notifier =
      new QSocketNotifier(endPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [onEnd = std::move(onEnd)] {
    if (const int signal = PendingEndSignal()) onEnd(signal);
  });
}

int PendingEndSignal() {
  char number = 0;
  if (endPipe[0] < 0 || ::read(endPipe[0], &number, 1) != 1) return 0;
  return number;
}

void EndBySignal(int signal) {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
  ::raise(signal);
  std::_Exit(128 + signal);  // where the signal is blocked in this thread
}

}  // namespace morven::tool::qt
