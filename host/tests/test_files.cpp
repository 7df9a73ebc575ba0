#include "host/tests/test_files.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "host/host_commands.h"

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

CommandResult RunHost(const std::vector<std::string>& args, const std::filesystem::path& self) {
  std::ostringstream out, err;
  const int code = host::RunHostCommand(args, self, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace morven::host::test
