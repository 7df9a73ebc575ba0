#pragma once

#include <filesystem>
#include <string>

// Finding the program and running it the way the host does: no arguments, wait for its end.
namespace morven::host {

// The program beside morven-host's build location: <build>/tool/morven when morven-host is in
// <build>/host/, else morven in morven-host's own folder. Throws HostError when neither exists.
std::filesystem::path FindDefaultProgram(const std::filesystem::path& selfPath);

// The canonical path of an existing, executable regular file; throws HostError otherwise.
std::filesystem::path CheckProgram(const std::filesystem::path& path);

struct ProgramEnd {
  bool Exited = false;  // false: ended by a signal
  int Code = 0;         // exit code, or the signal number
};

// Starts the program and waits for it to end. Throws HostError when it cannot be started.
ProgramEnd RunProgramAndWait(const std::filesystem::path& program);

}  // namespace morven::host
