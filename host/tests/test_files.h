#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace morven::host::test {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes the bytes to the file `name` in the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;

  // Writes an executable shell script.
  std::string WriteScript(const std::string& name, const std::string& body) const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);

// The lines joined with CR LF, each line ended.
std::string CrLf(std::initializer_list<const char*> lines);

struct CommandResult {
  int Code = 0;
  std::string Out;
  std::string Err;
};

// morven-host with these arguments, as if its executable were at `self`.
CommandResult RunHost(const std::vector<std::string>& args,
                      const std::filesystem::path& self = "/nonexistent/host/morven-host");

}  // namespace morven::host::test
