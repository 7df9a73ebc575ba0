#include "host/tests/test_files.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "host/host_commands.h"
#include "host/program_runner.h"

namespace morven::host::test {

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  return TempFolder::Write(name, bytes).string();
}

std::string TempDir::WriteScript(const std::string& name, const std::string& body) const {
  const std::string file = Write(name, "#!/bin/sh\n" + body);
  std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  return file;
}

std::string CrLf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

std::vector<std::string> EnvironmentWithDisplay() {
  std::vector<std::string> environment = host::CurrentEnvironment();
  const auto named = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  if (!named("DISPLAY") && !named("WAYLAND_DISPLAY")) {
    std::erase_if(environment, [](const std::string& e) { return e.starts_with("DISPLAY="); });
    environment.push_back("DISPLAY=:0");
  }
  return environment;
}

CommandResult RunHost(const std::vector<std::string>& args, const std::filesystem::path& self,
                      const std::vector<std::string>& environment) {
  std::ostringstream out, err;
  const int code = host::RunHostCommand(args, self, environment, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace morven::host::test
