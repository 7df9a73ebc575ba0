#include "numeric/float_error.h"

#include <gtest/gtest.h>

#include <string>

namespace morven::numeric {
namespace {

TEST(FloatingPointErrorTest, OverflowMessageIsTheShiftJisText) {
  // 浮動小数点数のオーバーフロー
  const std::string expected =
      "\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93\x5F\x90\x94\x82\xCC\x83\x49\x81\x5B\x83\x6F\x81\x5B"
      "\x83\x74\x83\x8D\x81\x5B";
  const FloatingPointError error(FloatingPointError::Kind::kOverflow);
  EXPECT_EQ(error.what(), expected);
  EXPECT_EQ(error.kind(), FloatingPointError::Kind::kOverflow);
}

TEST(FloatingPointErrorTest, OtherKindsHaveTheirOwnMessages) {
  // 0 による浮動小数点数除算
  EXPECT_STREQ(FloatingPointError(FloatingPointError::Kind::kDivideByZero).what(),
               "0 \x82\xC9\x82\xE6\x82\xE9\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93\x5F\x90\x94\x8F\x9C"
               "\x8E\x5A");
  // 無効な浮動小数点演算
  EXPECT_STREQ(FloatingPointError(FloatingPointError::Kind::kInvalid).what(),
               "\x96\xB3\x8C\xF8\x82\xC8\x95\x82\x93\xAE\x8F\xAC\x90\x94\x93\x5F\x89\x89\x8E\x5A");
}

}  // namespace
}  // namespace morven::numeric
