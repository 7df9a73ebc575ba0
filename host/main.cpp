#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "host/host_commands.h"

int main(int argc, char** argv) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = argv[0];
  const std::vector<std::string> args(argv + 1, argv + argc);
  return morven::host::RunHostCommand(args, self, std::cout, std::cerr);
}
