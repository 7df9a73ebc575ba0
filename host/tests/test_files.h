#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "exchange/tests/temp_folder.h"

namespace morven::host::test {

// A fresh temporary folder that can also hold shell scripts.
class TempDir : public exchange::test::TempFolder {
 public:
  // Writes the bytes to the file `name` in the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;

  // Writes an executable shell script.
  std::string WriteScript(const std::string& name, const std::string& body) const;
};

using exchange::test::ReadBytes;

// The lines joined with CR LF, each line ended.
std::string CrLf(std::initializer_list<const char*> lines);

struct CommandResult {
  int Code = 0;
  std::string Out;
  std::string Err;
};

// This process's environment, with DISPLAY set when it names no display: the fake programs open
// no window, but run refuses to start a program without one.
std::vector<std::string> EnvironmentWithDisplay();

// morven-host with these arguments, as if its executable were at `self`.
CommandResult RunHost(const std::vector<std::string>& args,
                      const std::filesystem::path& self = "/nonexistent/host/morven-host",
                      const std::vector<std::string>& environment = EnvironmentWithDisplay());

}  // namespace morven::host::test
