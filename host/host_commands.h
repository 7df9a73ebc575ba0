#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace morven::host {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
// 128 + the signal: SIGINT or SIGTERM came while the program ran, and the program was ended.
inline constexpr int kExitSignalBase = 128;

// Carries out one command line of morven-host (the arguments after the executable's name) and
// returns the exit code. The report goes to `out`, a one-line error to `err`; it never throws.
// After SIGINT or SIGTERM the exit code is kExitSignalBase plus the signal, for the caller to end
// itself by that signal.
// `selfPath` is morven-host's own executable, from which the program is found by default;
// `environment` (NAME=VALUE entries) is the one the program is started with.
int RunHostCommand(const std::vector<std::string>& args, const std::filesystem::path& selfPath,
                   const std::vector<std::string>& environment, std::ostream& out,
                   std::ostream& err);

}  // namespace morven::host
