#include "numeric/float_error.h"

namespace morven::numeric {
namespace {

// "0 による浮動小数点数除算" in Shift_JIS.
constexpr const char* kDivideByZeroMessage =
    "0 \x82\xC9\x82\xE6\x82\xE9\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\x90\x94\x8F\x9C\x8EZ";
// "無効な浮動小数点演算" in Shift_JIS.
constexpr const char* kInvalidMessage =
    "\x96\xB3\x8C\xF8\x82\xC8\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\x89\x89\x8EZ";

const char* MessageOf(FloatingPointError::Kind kind) {
  switch (kind) {
    case FloatingPointError::Kind::kOverflow:
      return kOverflowMessage;
    case FloatingPointError::Kind::kDivideByZero:
      return kDivideByZeroMessage;
    case FloatingPointError::Kind::kInvalid:
      return kInvalidMessage;
  }
  return kInvalidMessage;
}

}  // namespace

FloatingPointError::FloatingPointError(Kind kind)
    : std::runtime_error(MessageOf(kind)), kind_(kind) {}

}  // namespace morven::numeric
