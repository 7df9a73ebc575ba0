#include <cmath>
#include <string>

#include "exchange/command_writer.h"
#include "exchange/exchange_state.h"
#include "numeric/geometry.h"
#include "numeric/number_text.h"

namespace morven::exchange {

namespace {

// A value typed as 1e-8 counts as zero, so the bound is the double nearest 1e-8.
constexpr long double kZeroTolerance = 1e-8;
constexpr long double kLengthStep = 1e-8L;
constexpr std::int32_t kFallbackMarkKind = -3;
constexpr std::int32_t kMinMarkKind = -7;
constexpr std::int32_t kMaxMarkKind = 11;

bool HasNoLength(double x1, double y1, double x2, double y2) {
  return std::fabs(static_cast<long double>(x2) - x1) < kZeroTolerance &&
         std::fabs(static_cast<long double>(y2) - y1) < kZeroTolerance;
}

// Numbers in the file always carry ".", whatever the regional settings: the host reads no other.
std::string Number(double x) {
  return numeric::GeneralNumberText(x);
}

std::string FourNumbers(double a, double b, double c, double d) {
  return Number(a) + ' ' + Number(b) + ' ' + Number(c) + ' ' + Number(d);
}

// The length of the line to 8 decimals, the text of a dimension whose own text is blank.
std::string LengthText(double x1, double y1, double x2, double y2) {
  const long double length = numeric::PointDistance(x1, y1, x2, y2);
  const double rounded = static_cast<double>(std::trunc(length / kLengthStep + 0.5L) * kLengthStep);
  return Number(std::isfinite(rounded) ? rounded : static_cast<double>(length));
}

}  // namespace

void PutEntityFlags(ExchangeState& state, std::uint8_t flags) {
  if (flags & 1) AddCommandLine(state, "z1");
  if (flags & 2) AddCommandLine(state, "z2");
  if (flags & 4) AddCommandLine(state, "z3");
  if ((flags & 8) && !(flags & 16)) AddCommandLine(state, "z4");
  if (flags & 16) AddCommandLine(state, "z5");
}

void PutLine(ExchangeState& state, double x1, double y1, double x2, double y2) {
  if (HasNoLength(x1, y1, x2, y2)) return;
  AddCommandLine(state, FourNumbers(x1, y1, x2, y2));
}

void PutMarkPoint(ExchangeState& state, std::int32_t kind, double x, double y, double scale,
                  double angle) {
  if (kind < kMinMarkKind || kind > kMaxMarkKind) kind = kFallbackMarkKind;
  if (std::fabs(static_cast<long double>(scale)) <= kZeroTolerance) scale = 1.0;
  AddCommandLine(state,
                 "pt " + FourNumbers(x, y, scale, angle) + ' ' + numeric::DecimalIntegerText(kind));
}

void PutDimensionText(ExchangeState& state, std::string_view text, double x1, double y1, double x2,
                      double y2, double x, double y, double dx, double dy) {
  if (HasNoLength(x1, y1, x2, y2)) return;
  if (std::fabs(static_cast<long double>(dx)) <= kZeroTolerance &&
      std::fabs(static_cast<long double>(dy)) <= kZeroTolerance) {
    return;
  }
  const std::string shown =
      numeric::StripBlanks(text).empty() ? LengthText(x1, y1, x2, y2) : std::string(text);
  AddCommandLine(state, "msg");
  AddCommandLine(state, FourNumbers(x1, y1, x2, y2));
  AddTextCommand(state, "cs " + FourNumbers(x, y, dx, dy) + " \"", shown);
}

}  // namespace morven::exchange
