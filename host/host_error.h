#pragma once

#include <stdexcept>

namespace morven::host {

// A failure the user can act on; what() is the one-line message, in UTF-8.
class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A command line that cannot be carried out as written.
class UsageError : public HostError {
 public:
  using HostError::HostError;
};

}  // namespace morven::host
