#include "host/run_options.h"

#include <cmath>
#include <limits>

#include "host/host_error.h"
#include "host/number_args.h"

namespace morven::host {
namespace {

constexpr int kMaxLayerGroup = 15;
constexpr int kMaxLayer = 15;
constexpr int kMaxTextType = 10;
constexpr double kMaxTimeoutSeconds = 365.0 * 24 * 60 * 60;

class ArgCursor {
 public:
  explicit ArgCursor(const std::vector<std::string>& args) : args_(args) {}

  bool Done() const { return next_ >= args_.size(); }
  const std::string& Take() { return args_[next_++]; }

  bool NextIsValue() const { return !Done() && args_[next_].rfind("--", 0) != 0; }

  const std::string& Value(const std::string& option) {
    if (!NextIsValue()) throw UsageError(option + " needs a value");
    return Take();
  }

 private:
  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
};

std::int32_t IntInRange(const std::string& option, const std::string& text, std::int32_t low,
                        std::int32_t high) {
  const std::int32_t value = ParseIntArg(option, text);
  if (value < low || value > high) {
    throw UsageError(option + ": " + text + " is outside " + std::to_string(low) + " to " +
                     std::to_string(high));
  }
  return value;
}

exchange::TextTypeInfo ParseTextSize(const std::string& option, const std::string& text) {
  const std::vector<double> v = ParseRealListArg(option, text, 4);
  if (v[0] <= 0.0 || v[1] <= 0.0 || v[2] < 0.0) {
    throw UsageError(option + ": width and height must be above 0 and the gap not below 0: '" +
                     text + "'");
  }
  if (v[3] != std::floor(v[3]) || v[3] < 0.0 || v[3] > std::numeric_limits<std::int32_t>::max()) {
    throw UsageError(option + ": the color must be a whole number from 0: '" + text + "'");
  }
  return {v[0], v[1], v[2], static_cast<std::int32_t>(v[3])};
}

std::array<numeric::Point, 3> ParsePoints(ArgCursor& cursor) {
  std::array<numeric::Point, 3> points{};
  for (numeric::Point& p : points) {
    if (!cursor.NextIsValue()) throw UsageError("--points needs three points X1,Y1 X2,Y2 X3,Y3");
    const std::vector<double> xy = ParseRealListArg("--points", cursor.Take(), 2);
    p = {xy[0], xy[1]};
  }
  return points;
}

}  // namespace

RunOptions ParseRunOptions(const std::vector<std::string>& args) {
  RunOptions options;
  HostInput& input = options.Input;
  std::string inputOption;  // the last option that describes the host's input
  ArgCursor cursor(args);
  while (!cursor.Done()) {
    const std::string option = cursor.Take();
    if (option == "--points") {
      input.Points = ParsePoints(cursor);
    } else if (option == "--angle") {
      input.Angle = ParseRealArg(option, cursor.Value(option));
    } else if (option == "--scale") {
      const std::string& text = cursor.Value(option);
      input.Scale = ParseRealArg(option, text);
      if (input.Scale <= 0.0) throw UsageError(option + ": must be above 0: '" + text + "'");
    } else if (option == "--text-type") {
      input.TextType = IntInRange(option, cursor.Value(option), 0, kMaxTextType);
    } else if (option == "--text-size") {
      input.TextSize = ParseTextSize(option, cursor.Value(option));
    } else if (option == "--layer-group") {
      input.LayerGroup = IntInRange(option, cursor.Value(option), 0, kMaxLayerGroup);
    } else if (option == "--layer") {
      input.Layer = IntInRange(option, cursor.Value(option), 0, kMaxLayer);
    } else if (option == "--color") {
      input.Color =
          IntInRange(option, cursor.Value(option), 0, std::numeric_limits<std::int32_t>::max());
    } else if (option == "--exchange") {
      options.ExchangeFile = cursor.Value(option);
      continue;
    } else if (option == "--program") {
      options.Program = cursor.Value(option);
      continue;
    } else if (option == "--svg") {
      options.SvgPath = cursor.Value(option);
      continue;
    } else if (option == "--timeout") {
      const std::string& text = cursor.Value(option);
      const double seconds = ParseRealArg(option, text);
      if (seconds <= 0.0 || seconds > kMaxTimeoutSeconds) {
        throw UsageError(option + ": must be above 0 and at most a year (31536000 s): '" + text +
                         "'");
      }
      options.TimeoutSeconds = seconds;
      continue;
    } else if (option == "--json") {
      options.Json = true;
      continue;
    } else if (option.rfind("--", 0) == 0) {
      throw UsageError("unknown option " + option);
    } else {
      throw UsageError("unexpected argument '" + option + "'");
    }
    inputOption = option;
  }
  if (options.ExchangeFile && !inputOption.empty()) {
    throw UsageError("--exchange hands over a prepared file and cannot be combined with " +
                     inputOption);
  }
  if (!options.ExchangeFile && !input.Points) {
    throw UsageError("run needs --points X1,Y1 X2,Y2 X3,Y3 (or --exchange FILE)");
  }
  return options;
}

}  // namespace morven::host
