// Starts a program and prints, in milliseconds, how long it took until the X server mapped its
// first top-level window, then ends the program. The mapping is read from the server's own
// MapNotify events on the root window, so no polling interval blurs the figure.
//
//   morven_map_timer [--timeout SECONDS] PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}

int Usage() {
  std::fprintf(stderr, "usage: morven_map_timer [--timeout SECONDS] PROGRAM [ARGS...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  double timeoutMs = 20000.0;
  if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
    timeoutMs = std::atof(argv[2]) * 1000.0;
    first = 3;
  }
  if (first >= argc) return Usage();

  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "morven_map_timer: cannot open the X display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t child = fork();
  if (child < 0) return 2;
  if (child == 0) {
    execvp(argv[first], argv + first);
    std::perror("morven_map_timer: exec");
    _exit(127);
  }

  double mappedMs = -1.0;
  bool exited = false;
  const int fd = ConnectionNumber(display);
  while (mappedMs < 0.0) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
        mappedMs = NowMs() - start;
        break;
      }
    }
    if (mappedMs >= 0.0) break;
    const double left = timeoutMs - (NowMs() - start);
    if (left <= 0.0) break;
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      exited = true;
      break;
    }
    pollfd pfd{fd, POLLIN, 0};
    poll(&pfd, 1, left < 50.0 ? static_cast<int>(left) + 1 : 50);
  }

  if (!exited) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  XCloseDisplay(display);
  if (mappedMs < 0.0) {
    std::fprintf(stderr, "morven_map_timer: no window was mapped\n");
    return 1;
  }
  std::printf("%.3f\n", mappedMs);
  return 0;
}
