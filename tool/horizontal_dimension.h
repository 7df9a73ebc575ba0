#pragma once

#include <string>

#include "numeric/separators.h"

namespace morven::exchange {
struct ExchangeState;
}

// The horizontal dimension that OK builds from the three indicated points and the dialog's
// entries, without a window.
namespace morven::tool {

// The dialog's entries as they stand: list positions and the fields' Shift_JIS texts. Number
// fields are read tolerantly, so an empty or unreadable text counts as 0. Their start values are
// the form's.
struct DimensionEntries {
  int startMark;             // start-mark list: position 0..10, mark code = position + 1
  int endMark;               // end-mark list
  std::string endMarkScale;  // end-mark scale, a plain factor
  int textTypeChoice;        // text-type list: 0 the host's current type, 1..10 No1..No10
  std::string prefix;
  std::string suffix;
  std::string textDistance;  // between value and dimension line, paper mm, may be < 0
  std::string extensionGap;  // between measured point and extension line, paper mm
  std::string overshoot;     // of the extension lines past the dimension line, paper mm
};

// What became of one press of OK. Each refusal names the field that takes the focus; nothing is
// written then.
enum class DimensionResult {
  kBuilt,
  kEndMarkScaleNotPositive,
  kExtensionGapNegative,
  kOvershootNegative,
};

// Validates the entries and appends the dimension to the command buffer: the host's attribute
// lines, two extension lines, the dimension line with its value (prefix, three decimals with
// `separators`, suffix), two end marks and the restored text type. Points 1 and 2 are measured
// along HkAngle; point 3 lies on the dimension line.
// All or nothing: when a value overflows the double range the command buffer and the writer's
// remembered attributes and force flags are put back as they were, and numeric::FloatingPointError
// propagates. CR and LF in the prefix and suffix are dropped.
DimensionResult BuildHorizontalDimension(exchange::ExchangeState& state,
                                         const DimensionEntries& entries,
                                         numeric::Separators separators);

}  // namespace morven::tool
