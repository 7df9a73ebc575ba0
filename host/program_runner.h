#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Finding the program and running it the way the host does: no arguments, wait for its end.
namespace morven::host {

// The program beside morven-host's build location: <build>/tool/morven when morven-host is in
// <build>/host/, else morven in morven-host's own folder. Throws HostError when neither exists.
std::filesystem::path FindDefaultProgram(const std::filesystem::path& selfPath);

// The canonical path of an existing regular file that can be started: executable, or a Windows
// program (IsWindowsProgram), which wine starts and which needs no execute bit. Throws HostError
// otherwise.
std::filesystem::path CheckProgram(const std::filesystem::path& path);

// A file name ending in ".exe", in any case.
bool IsWindowsProgram(const std::filesystem::path& program);

// The Wine prefix a Windows program runs in: WINEPREFIX when it is set, else morven-host's own,
// $XDG_CACHE_HOME/morven/wine-prefix or ~/.cache/morven/wine-prefix, kept between runs because
// making one takes seconds. Throws HostError when neither XDG_CACHE_HOME nor HOME is an absolute
// path.
struct WinePrefix {
  std::filesystem::path Path;
  bool Own = false;  // morven-host's own: it makes the folder when missing
};
WinePrefix WinePrefixFor(const std::vector<std::string>& environment);

// How the program is started: its command line and environment (NAME=VALUE entries).
struct ProgramCommand {
  std::vector<std::string> Argv;
  std::vector<std::string> Environment;
  std::optional<std::filesystem::path> WinePrefix;  // a Wine prefix to create when missing
};

// The program started directly with the given environment; a Windows program through wine
// ("wine PATH.exe"), with WINEDEBUG=-all in WinePrefixFor's prefix. Throws HostError when there is
// none. Nothing is read from the process or the file system.
ProgramCommand BuildProgramCommand(const std::filesystem::path& program,
                                   const std::vector<std::string>& environment);

// Throws HostError when the environment names no display for the program's dialog: a Linux
// program needs DISPLAY or WAYLAND_DISPLAY, a Windows program DISPLAY, since Wine draws through
// X11. An empty variable names none.
void RequireDisplay(const std::filesystem::path& program,
                    const std::vector<std::string>& environment);

// This process's environment as NAME=VALUE entries.
std::vector<std::string> CurrentEnvironment();

struct ProgramEnd {
  bool Exited = false;    // false: ended by a signal
  int Code = 0;           // exit code, or the signal number
  bool TimedOut = false;  // still running after the time allowed; the host ended it
  int HostSignal = 0;     // SIGINT or SIGTERM came to the host while it waited; the host ended it
};

// Starts the program in a process group of its own (creating its Wine prefix first) and waits
// for it to end, at most `timeoutSeconds` when given. When the time is up, or when SIGINT or
// SIGTERM comes to the host meanwhile (unless the host ignores that signal), the program and its
// children are ended (SIGTERM to the group, SIGKILL after a second's grace) and the end says
// why. Throws HostError when the program cannot be started.
ProgramEnd RunProgramAndWait(const ProgramCommand& command,
                             std::optional<double> timeoutSeconds = std::nullopt);

}  // namespace morven::host
