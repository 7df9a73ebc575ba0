#include "host/program_runner.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "host/host_error.h"

extern char** environ;

namespace morven::host {

namespace {

using Clock = std::chrono::steady_clock;

// The grace the program gets between SIGTERM and SIGKILL.
constexpr std::chrono::milliseconds kGrace{1000};
// The longest the host sleeps between two looks at the program, should a SIGCHLD get lost.
constexpr std::chrono::milliseconds kLookAgain{250};

// Whether the environment entry "NAME=value" sets `name`.
bool Sets(const std::string& entry, std::string_view name) {
  return entry.size() > name.size() && entry[name.size()] == '=' && entry.starts_with(name);
}

std::optional<std::string> Variable(const std::vector<std::string>& environment,
                                    std::string_view name) {
  for (const std::string& entry : environment) {
    if (Sets(entry, name)) return entry.substr(name.size() + 1);
  }
  return std::nullopt;
}

void SetVariable(std::vector<std::string>& environment, std::string_view name,
                 const std::string& value) {
  const std::string entry = std::string(name) + "=" + value;
  for (std::string& existing : environment) {
    if (Sets(existing, name)) {
      existing = entry;
      return;
    }
  }
  environment.push_back(entry);
}

std::optional<std::filesystem::path> AbsoluteVariable(const std::vector<std::string>& environment,
                                                      std::string_view name) {
  const std::optional<std::string> value = Variable(environment, name);
  if (!value || value->empty() || !std::filesystem::path(*value).is_absolute()) return std::nullopt;
  return std::filesystem::path(*value);
}

bool Ignored(int signal) {
  struct sigaction action {};
  return ::sigaction(signal, nullptr, &action) == 0 && action.sa_handler == SIG_IGN;
}

// While it lives, SIGCHLD and the host's stop signals (SIGINT, SIGTERM, unless ignored) are held
// back, to be taken one at a time with Wait. SIGCHLD is not ignored meanwhile, so that the
// program's end is not reaped behind the host's back.
class HeldSignals {
 public:
  HeldSignals() {
    sigemptyset(&held_);
    sigaddset(&held_, SIGCHLD);
    for (const int stop : {SIGINT, SIGTERM}) {
      if (!Ignored(stop)) sigaddset(&held_, stop);
    }
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(SIGCHLD, &byDefault, &oldChildAction_);
    ::sigprocmask(SIG_BLOCK, &held_, &oldMask_);
  }
  ~HeldSignals() {
    ::sigprocmask(SIG_SETMASK, &oldMask_, nullptr);
    ::sigaction(SIGCHLD, &oldChildAction_, nullptr);
  }
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

  // The mask the host had: the program starts with it.
  const sigset_t& OldMask() const { return oldMask_; }

  // The next held signal within `most`; 0 when none came.
  int Wait(Clock::duration most) const {
    const auto nanoseconds = std::max<std::int64_t>(
        0, std::chrono::duration_cast<std::chrono::nanoseconds>(most).count());
    const timespec limit{static_cast<time_t>(nanoseconds / 1'000'000'000),
                         static_cast<long>(nanoseconds % 1'000'000'000)};
    const int signal = ::sigtimedwait(&held_, nullptr, &limit);
    return signal < 0 ? 0 : signal;
  }

 private:
  sigset_t held_{};
  sigset_t oldMask_{};
  struct sigaction oldChildAction_ {};
};

// The program's wait status once it has ended; nothing while it runs.
std::optional<int> Reap(pid_t pid) {
  int status = 0;
  for (;;) {
    const pid_t got = ::waitpid(pid, &status, WNOHANG);
    if (got == pid) return status;
    if (got == 0) return std::nullopt;
    if (errno != EINTR)
      throw HostError(std::string("lost track of the program: ") + std::strerror(errno));
  }
}

// Ends the program's process group, the program's children with it: SIGTERM, then SIGKILL for
// whatever is left after the grace. The program is reaped only after SIGKILL, so that its
// process-group number cannot pass to another process meanwhile. Returns its wait status.
int EndProgramGroup(pid_t pid) {
  ::kill(-pid, SIGTERM);
  const Clock::time_point graceEnd = Clock::now() + kGrace;
  for (;;) {
    siginfo_t info{};
    if (::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
        info.si_pid == pid) {
      break;
    }
    if (Clock::now() >= graceEnd) break;
    // A plain sleep: another stop signal stays pending, for the host to heed once it is done.
    const timespec pause{0, 10'000'000};
    ::nanosleep(&pause, nullptr);
  }
  ::kill(-pid, SIGKILL);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

ProgramEnd EndOf(int status) {
  if (WIFEXITED(status)) return {true, WEXITSTATUS(status)};
  return {false, WIFSIGNALED(status) ? WTERMSIG(status) : 0};
}

}  // namespace

std::filesystem::path FindDefaultProgram(const std::filesystem::path& selfPath) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::weakly_canonical(selfPath, ec);
  if (ec) self = selfPath;
  const std::filesystem::path folder = self.parent_path();
  std::vector<std::filesystem::path> candidates;
  if (folder.filename() == "host") candidates.push_back(folder.parent_path() / "tool" / "morven");
  candidates.push_back(folder / "morven");
  std::string looked;
  for (const auto& candidate : candidates) {
    if (std::filesystem::exists(candidate, ec)) return candidate;
    looked += (looked.empty() ? "" : " and ") + candidate.string();
  }
  throw HostError("cannot find the program (looked for " + looked + "); give --program PATH");
}

std::filesystem::path CheckProgram(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) throw HostError("no such program: " + path.string());
  if (!std::filesystem::is_regular_file(status)) {
    throw HostError("the program is not a file: " + path.string());
  }
  if (!IsWindowsProgram(path) && access(path.c_str(), X_OK) != 0) {
    throw HostError("the program is not executable: " + path.string());
  }
  std::filesystem::path canonical = std::filesystem::canonical(path, ec);
  if (ec) throw HostError("cannot resolve the program's path: " + path.string());
  return canonical;
}

bool IsWindowsProgram(const std::filesystem::path& program) {
  const std::string extension = program.extension().string();
  constexpr std::string_view kExe = ".exe";
  return extension.size() == kExe.size() &&
         std::equal(extension.begin(), extension.end(), kExe.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}

WinePrefix WinePrefixFor(const std::vector<std::string>& environment) {
  if (const std::string own = Variable(environment, "WINEPREFIX").value_or(""); !own.empty()) {
    return {own, false};
  }
  if (const auto cache = AbsoluteVariable(environment, "XDG_CACHE_HOME")) {
    return {*cache / "morven" / "wine-prefix", true};
  }
  if (const auto home = AbsoluteVariable(environment, "HOME")) {
    return {*home / ".cache" / "morven" / "wine-prefix", true};
  }
  throw HostError("cannot choose a Wine prefix: set WINEPREFIX, XDG_CACHE_HOME or HOME");
}

ProgramCommand BuildProgramCommand(const std::filesystem::path& program,
                                   const std::vector<std::string>& environment) {
  ProgramCommand command;
  command.Environment = environment;
  if (!IsWindowsProgram(program)) {
    command.Argv = {program.string()};
    return command;
  }
  command.Argv = {"wine", program.string()};
  SetVariable(command.Environment, "WINEDEBUG", "-all");
  const WinePrefix prefix = WinePrefixFor(environment);
  if (prefix.Own) {
    SetVariable(command.Environment, "WINEPREFIX", prefix.Path.string());
    command.WinePrefix = prefix.Path;
  }
  return command;
}

void RequireDisplay(const std::filesystem::path& program,
                    const std::vector<std::string>& environment) {
  const auto named = [&environment](std::string_view name) {
    return !Variable(environment, name).value_or("").empty();
  };
  const bool windows = IsWindowsProgram(program);
  if (named("DISPLAY") || (!windows && named("WAYLAND_DISPLAY"))) return;
  throw HostError(std::string("the program's dialog needs a display, and ") +
                  (windows ? "DISPLAY is not set (Wine draws through X11)"
                           : "neither DISPLAY nor WAYLAND_DISPLAY is set") +
                  "; without a screen, run host/press_enter_headless.sh morven-host run ..., "
                  "which gives it a virtual display and presses Enter");
}

std::vector<std::string> CurrentEnvironment() {
  std::vector<std::string> environment;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    environment.emplace_back(*entry);
  }
  return environment;
}

ProgramEnd RunProgramAndWait(const ProgramCommand& command, std::optional<double> timeoutSeconds) {
  if (command.Argv.empty()) throw HostError("no program to start");
  if (command.WinePrefix) {
    std::error_code ec;
    std::filesystem::create_directories(*command.WinePrefix, ec);
    if (ec) {
      throw HostError("cannot create the Wine prefix " + command.WinePrefix->string() + ": " +
                      ec.message());
    }
  }
  std::vector<std::string> argvText = command.Argv;
  std::vector<std::string> environmentText = command.Environment;
  std::vector<char*> argv, environment;
  for (std::string& arg : argvText) argv.push_back(arg.data());
  argv.push_back(nullptr);
  for (std::string& entry : environmentText) environment.push_back(entry.data());
  environment.push_back(nullptr);

  const HeldSignals signals;
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // Its own process group, so that it and its children can be ended together, and the signal
  // mask the host had before holding signals back.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setsigmask(&attributes, &signals.OldMask());
  pid_t pid = 0;
  const int error =
      posix_spawnp(&pid, argv[0], nullptr, &attributes, argv.data(), environment.data());
  posix_spawnattr_destroy(&attributes);
  if (error != 0) {
    std::string message = "cannot start " + command.Argv[0] + ": " + std::strerror(error);
    if (command.Argv.size() > 1) message += " (needed to run " + command.Argv[1] + ")";
    throw HostError(message);
  }

  std::optional<Clock::time_point> deadline;
  if (timeoutSeconds) {
    deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                  std::chrono::duration<double>(*timeoutSeconds));
  }
  for (;;) {
    if (const std::optional<int> status = Reap(pid)) return EndOf(*status);
    Clock::duration wait = kLookAgain;
    if (deadline) {
      const Clock::time_point now = Clock::now();
      if (now >= *deadline) {
        ProgramEnd end = EndOf(EndProgramGroup(pid));
        end.TimedOut = true;
        return end;
      }
      wait = std::min<Clock::duration>(wait, *deadline - now);
    }
    const int signal = signals.Wait(wait);
    if (signal == SIGINT || signal == SIGTERM) {
      ProgramEnd end = EndOf(EndProgramGroup(pid));
      end.HostSignal = signal;
      return end;
    }
  }
}

}  // namespace morven::host
