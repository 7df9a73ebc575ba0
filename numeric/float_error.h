#pragma once

#include <stdexcept>
#include <string>

namespace morven::numeric {

// The one error the numeric module raises instead of producing an infinity or a NaN.
// what() holds the message as Shift_JIS bytes, like every text of the program; the dialog
// converts it when it shows the message box.
class FloatingPointError : public std::runtime_error {
 public:
  enum class Kind { kOverflow, kDivideByZero, kInvalid };

  explicit FloatingPointError(Kind kind);

  Kind kind() const noexcept { return kind_; }

 private:
  Kind kind_;
};

// "浮動小数点数のオーバーフロー" in Shift_JIS.
inline constexpr const char* kOverflowMessage =
    "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93_\x90\x94\x82\xCC\x83I\x81[\x83o\x81[\x83t\x83\x8D\x81[";

}  // namespace morven::numeric
