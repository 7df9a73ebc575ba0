#include "host/tests/test_files.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "host/host_commands.h"

namespace morven::host::test {

TempDir::TempDir() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "morven-host-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path file = path_ / name;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
  return file.string();
}

std::string TempDir::WriteScript(const std::string& name, const std::string& body) const {
  const std::string file = Write(name, "#!/bin/sh\n" + body);
  std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  return file;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
