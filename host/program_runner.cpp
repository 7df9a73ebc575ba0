#include "host/program_runner.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "host/host_error.h"

extern char** environ;

namespace morven::host {

std::filesystem::path FindDefaultProgram(const std::filesystem::path& selfPath) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::weakly_canonical(selfPath, ec);
  if (ec) self = selfPath;
  const std::filesystem::path folder = self.parent_path();
  std::vector<std::filesystem::path> candidates;
  if (folder.filename() == "host") candidates.push_back(folder.parent_path() / "tool" / "morven");
  candidates.push_back(folder / "morven");
  std::string looked;
  for (const auto& candidate : candidates) {
    if (std::filesystem::exists(candidate, ec)) return candidate;
    looked += (looked.empty() ? "" : " and ") + candidate.string();
  }
  throw HostError("cannot find the program (looked for " + looked + "); give --program PATH");
}

std::filesystem::path CheckProgram(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) throw HostError("no such program: " + path.string());
  if (!std::filesystem::is_regular_file(status)) {
    throw HostError("the program is not a file: " + path.string());
  }
  if (access(path.c_str(), X_OK) != 0) {
    throw HostError("the program is not executable: " + path.string());
  }
  std::filesystem::path canonical = std::filesystem::canonical(path, ec);
  if (ec) throw HostError("cannot resolve the program's path: " + path.string());
  return canonical;
}

ProgramEnd RunProgramAndWait(const std::filesystem::path& program) {
  std::string file = program.string();
  std::vector<char*> argv = {file.data(), nullptr};
  pid_t pid = 0;
  const int error = posix_spawn(&pid, file.c_str(), nullptr, nullptr, argv.data(), environ);
  if (error != 0) {
    throw HostError("cannot start " + file + ": " + std::strerror(error));
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) throw HostError("lost track of " + file + ": " + std::strerror(errno));
  }
  if (WIFEXITED(status)) return {true, WEXITSTATUS(status)};
  return {false, WIFSIGNALED(status) ? WTERMSIG(status) : 0};
}

}  // namespace morven::host
