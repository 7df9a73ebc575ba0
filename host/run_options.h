#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/host_input.h"

namespace morven::host {

struct RunOptions {
  HostInput Input;
  std::optional<std::string> ExchangeFile;  // a prepared file handed over as it is
  std::optional<std::string> Program;
  std::optional<std::string> SvgPath;
  std::optional<double> TimeoutSeconds;  // none: wait as long as the program runs
  bool Json = false;
};

// The options of `run` (the arguments after the word "run"). Throws UsageError for an unknown
// option, a missing or unreadable value, a value out of range, or --exchange together with
// options that describe the host's input.
RunOptions ParseRunOptions(const std::vector<std::string>& args);

}  // namespace morven::host
