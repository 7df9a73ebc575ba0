#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "host/host_commands.h"
#include "host/program_runner.h"

int main(int argc, char** argv) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = argv[0];
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int code = morven::host::RunHostCommand(args, self, morven::host::CurrentEnvironment(),
                                                std::cout, std::cerr);
  // Interrupted: the program has been ended; now the host ends by the same signal, as a shell
  // expects of a command that was asked to stop.
  const int signal = code - morven::host::kExitSignalBase;
  if (signal == SIGINT || signal == SIGTERM) {
    std::cout.flush();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
  }
  return code;
}
