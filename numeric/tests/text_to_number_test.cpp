#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "numeric/float_error.h"
#include "numeric/number_text.h"
#include "numeric/tests/same_double.h"

namespace morven::numeric {
namespace {

// TextToRealPadded of the text followed by digits and points that must not be read as part of it.
double ReadPadded(std::string_view text) {
  std::string padded(text);
  padded.append(kRealTextPadding, '7');
  padded[text.size()] = '.';
  return TextToRealPadded(std::string_view(padded.data(), text.size()));
}

struct IntCase {
  std::string_view text;
  std::int32_t expected;
};

TEST(TextToIntTest, ReadsExactFormsAndRejectsTheRest) {
  const IntCase cases[] = {
      {"", 0},
      {"  42", 42},
      {"42 ", 0},
      {"\t42", 0},
      {"\x81\x40"
       "42",
       0},
      {"+7", 7},
      {"-7", -7},
      {"+-7", 0},
      {"-", 0},
      {"   ", 0},
      {"1.0", 0},
      {"1e3", 0},
      {"12a", 0},
      {"007", 7},
      {"0", 0},
      {"$A", 10},
      {"$f", 15},
      {"$", 0},
      {"$G", 0},
      {"$ A", 0},
      {"0x1F", 31},
      {"0X1f", 31},
      {"x1F", 31},
      {"X1F", 31},
      {"0x", 0},
      {"00x1", 0},
      {"-$A", -10},
      {"$FFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"$7FFFFFFF", INT32_MAX},
      {"$000000001", 1},
      {"$100000000", 0},
      {"2147483647", 2147483647},
      {"2147483648", 0},
      {"-2147483648", INT32_MIN},
      {"-2147483649", 0},
      {"99999999999999999999", 0},
      {"0000000000002147483647", 2147483647},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToInt(c.text), c.expected) << "input '" << c.text << "'";
  }
}

struct RealCase {
  std::string_view text;
  double expected;
};

TEST(TextToRealTest, ReadsExactFormsAndRejectsTheRest) {
  const std::string zerosThenTiny = std::string(400, '0') + "1e-330";
  const RealCase cases[] = {
      {"", 0.0},
      {" 2.5", 2.5},
      {"2.5 ", 0.0},
      {"\t2.5", 0.0},
      {"1,5", 0.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"-.5", -0.5},
      {"+2.5", 2.5},
      {"-2.5", -2.5},
      {"+-2.5", 0.0},
      {"1e3", 1000.0},
      {"1E-3", 0.001},
      {"1e+3", 1000.0},
      {"5.e2", 500.0},
      {"1e", 0.0},
      {"1e+", 0.0},
      {"1e3.5", 0.0},
      {"1.2.3", 0.0},
      {"-", 0.0},
      {"+", 0.0},
      {"   ", 0.0},
      {".", 0.0},
      {"-.", 0.0},
      {"--5", 0.0},
      {"1./5", 0.0},
      {"12:4", 0.0},
      {"-5.", -5.0},
      {"e5", 0.0},
      {"\x82\x51", 0.0},
      {"inf", 0.0},
      {"-INF", 0.0},
      {"nan", 0.0},
      {"0x1p3", 0.0},
      {"0x10", 0.0},
      {"-0", -0.0},
      {"0.1", 0.1},
      {"1234.5678", 1234.5678},
      {"-62.5", -62.5},
      {"0e99999", 0.0},
      {"1.7976931348623157e308", DBL_MAX},
      {"1.7976931348623158e308", DBL_MAX},
      {"4.9406564584124654e-324", 4.9406564584124654e-324},
      {"1e-310", 1e-310},
      {"1e-400", 0.0},
      {"-1e-400", -0.0},
      {"2e-324", 0.0},
      {"0.000000000000000000000000000001e-300", 0.0},
      {"1e-99999999999999999999", 0.0},
      // Leading zeros do not raise the order: the value underflows rather than overflows.
      {zerosThenTiny, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(SameDouble(c.text, c.expected, TextToReal(c.text)));
    EXPECT_TRUE(SameDouble(c.text, c.expected, ReadPadded(c.text)));
  }
}

// Short texts take an exact shortcut, the rest go to std::from_chars: both must give the double
// nearest the text, so std::from_chars is the reference on both sides of every shortcut limit.
TEST(TextToRealTest, AgreesWithCorrectRoundingAcrossShortcutLimits) {
  const std::string_view cases[] = {
      "9007199254740992",
      "9007199254740993",
      "9007199254740995",
      "1e22",
      "1e23",
      "1e-22",
      "1e-23",
      "8.98846567431158e307",
      "1234567890123456789",
      "12345678901234567890",
      "18446744073709551617",  // 20 digits above 2^64: no 64-bit mantissa holds them
      "0.1234567890123456789",
      "0.12345678901234567891",
      "000000000000000000001.5",
      "1.00000000000000011102230246251565404236316680908203125",
      "2.2250738585072014e-308",
      "2.2250738585072011e-308",
      "9007199254740993e-22",
      "123.456e-5",
      "0.000001",
      "4503599627370497.5",
      "1234567890123456",
      "123456789012345.6",
      "12345678.12345678",
      "0.000000000000001",
      "1.000000000000001",
      ".123456789012345",
      "9999999999999999",
      "12.",
      "007.50",
  };
  for (const auto text : cases) {
    double expected = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), expected);
    EXPECT_TRUE(SameDouble(text, expected, TextToReal(text)));
    EXPECT_TRUE(SameDouble(text, expected, ReadPadded(text)));
    std::string negative = "-";
    negative += text;
    EXPECT_TRUE(SameDouble(negative, -expected, TextToReal(negative)));
    EXPECT_TRUE(SameDouble(negative, -expected, ReadPadded(negative)));
  }
}

// Every place of the decimal point in texts of 1 to 16 bytes, with digits that vary from case to
// case, against std::from_chars: the eight-digits-at-a-time path must not lose or move a digit.
TEST(TextToRealTest, AgreesWithCorrectRoundingForEveryShortDecimal) {
  std::uint64_t seed = 12345;
  for (std::size_t size = 1; size <= 17; ++size) {
    for (std::size_t point = 0; point <= size; ++point) {
      for (int round = 0; round < 20; ++round) {
        std::string text;
        for (std::size_t i = 0; i < size; ++i) {
          seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
          text += i == point ? '.' : static_cast<char>('0' + (seed >> 33) % 10);
        }
        if (text == ".") continue;
        double expected = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_TRUE(SameDouble(text, expected, TextToReal(text)));
        ASSERT_TRUE(SameDouble(text, expected, ReadPadded(text)));
        std::string negative = "-";
        negative += text;
        ASSERT_TRUE(SameDouble(negative, -expected, ReadPadded(negative)));
      }
    }
  }
}

TEST(TextToRealTest, MagnitudeBeyondTheDoubleRangeThrowsOverflow) {
  const std::string_view cases[] = {
      "1e400",
      "-1e400",
      "1.7976931348623159e308",
      "1e99999999999999999999",
      "0.00001e314",
      "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      "00000000000000000000000000000000000000000000000000000000",
  };
  for (const auto text : cases) {
    try {
      TextToReal(text);
      ADD_FAILURE() << "no error for '" << text << "'";
    } catch (const FloatingPointError& error) {
      EXPECT_EQ(error.kind(), FloatingPointError::Kind::kOverflow) << "input '" << text << "'";
      EXPECT_STREQ(error.what(), kOverflowMessage);
    }
  }
}

}  // namespace
}  // namespace morven::numeric
