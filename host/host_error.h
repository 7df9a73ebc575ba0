#pragma once

#include <stdexcept>
#include <string>

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

// SIGINT or SIGTERM came to the host while the program ran; the program has been ended.
class Interrupted : public HostError {
 public:
  Interrupted(int signal, const std::string& message) : HostError(message), signal_(signal) {}
  int Signal() const noexcept { return signal_; }

 private:
  int signal_;
};

}  // namespace morven::host
