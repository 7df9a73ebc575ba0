#include "host/number_args.h"

#include <charconv>
#include <cmath>

#include "host/host_error.h"

namespace morven::host {
namespace {

[[noreturn]] void NotANumber(std::string_view option, std::string_view text, const char* what) {
  throw UsageError(std::string(option) + ": not " + what + ": '" + std::string(text) + "'");
}

}  // namespace

double ParseRealArg(std::string_view option, std::string_view text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end || !std::isfinite(value)) {
    NotANumber(option, text, "a number");
  }
  return value;
}

std::int32_t ParseIntArg(std::string_view option, std::string_view text) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) NotANumber(option, text, "an integer");
  return value;
}

std::vector<double> ParseRealListArg(std::string_view option, std::string_view text,
                                     std::size_t count) {
  std::vector<double> values;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    values.push_back(ParseRealArg(option, text.substr(start, comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  if (values.size() != count) {
    throw UsageError(std::string(option) + ": expected " + std::to_string(count) +
                     " comma-separated numbers: '" + std::string(text) + "'");
  }
  return values;
}

}  // namespace morven::host
