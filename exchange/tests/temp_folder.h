#pragma once

#include <filesystem>
#include <string>

// One fresh folder per test under the system's temporary folder, removed with everything in it
// at the end. Shared by the tests of every module that touch files.
namespace morven::exchange::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

  // Writes the bytes to `name` in the folder (making the folders on the way) and returns its path.
  std::filesystem::path Write(const std::filesystem::path& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// The whole file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

}  // namespace morven::exchange::test
