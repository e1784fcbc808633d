#include "tools/sim_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace quorvil::sim {
namespace {

constexpr int64_t kUint32Max = 4294967295;

TEST(ParseWholeNumber, ReadsSignedDecimalsWithinTheRange) {
  const struct {
    const char* word;
    int64_t min, max;
    NumberStatus status;
    int64_t value;
  } cases[] = {
      {"0", 0, kUint32Max, NumberStatus::Ok, 0},
      {"4294967295", 0, kUint32Max, NumberStatus::Ok, kUint32Max},
      {"+17", 0, kUint32Max, NumberStatus::Ok, 17},
      {"-0", 0, kUint32Max, NumberStatus::Ok, 0},
      {"000000000000000000000000000042", 0, 100, NumberStatus::Ok, 42},
      {"-2147483648", INT32_MIN, INT32_MAX, NumberStatus::Ok, INT32_MIN},
      {"2147483647", INT32_MIN, INT32_MAX, NumberStatus::Ok, INT32_MAX},
      {"4294967296", 0, kUint32Max, NumberStatus::OutOfRange, 0},
      {"-1", 0, kUint32Max, NumberStatus::OutOfRange, 0},
      {"2147483648", INT32_MIN, INT32_MAX, NumberStatus::OutOfRange, 0},
      {"-2147483649", INT32_MIN, INT32_MAX, NumberStatus::OutOfRange, 0},
      // Far past every range: must not wrap round into it.
      {"18446744073709551617", 0, kUint32Max, NumberStatus::OutOfRange, 0},
      {"99999999999999999999999999999999999999", 0, kUint32Max, NumberStatus::OutOfRange, 0},
      {"", 0, kUint32Max, NumberStatus::NotANumber, 0},
      {"+", 0, kUint32Max, NumberStatus::NotANumber, 0},
      {"-", 0, kUint32Max, NumberStatus::NotANumber, 0},
      {"1.5", 0, kUint32Max, NumberStatus::NotANumber, 0},
      {"1e3", 0, kUint32Max, NumberStatus::NotANumber, 0},
      {"0x10", 0, kUint32Max, NumberStatus::NotANumber, 0},
      {"+-1", 0, kUint32Max, NumberStatus::NotANumber, 0},
      {"12a", 0, kUint32Max, NumberStatus::NotANumber, 0},
      {"\xd9\xa3", 0, kUint32Max, NumberStatus::NotANumber, 0},  // an Arabic-Indic digit
  };
  for (const auto& c : cases) {
    const WholeNumber number = ParseWholeNumber(c.word, c.min, c.max);
    EXPECT_EQ(number.status, c.status) << c.word;
    if (c.status == NumberStatus::Ok) {
      EXPECT_EQ(number.value, c.value) << c.word;
    }
  }
}

TEST(ParseWholeNumber, StopsNowhereShortOfTheWordsEnd) {
  // A NUL inside the word is not an end of it.
  EXPECT_EQ(ParseWholeNumber(std::string_view("12\0" "3", 4), 0, kUint32Max).status, NumberStatus::NotANumber);
}

uint32_t Bits(float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

TEST(ParseTableFloat, RoundsPlainDecimalsOnceToTheNearestFloat) {
  const struct {
    const char* word;
    float value;
  } cases[] = {
      {"-12.5", -12.5f},
      {"3e-2", 3e-2f},
      {"3E+2", 300.0f},
      {".5", 0.5f},
      {"5.", 5.0f},
      {"+0.1", 0.1f},
      {"007", 7.0f},
      {"-0", -0.0f},
      {"16777217", 16777216.0f},  // a tie, to the even neighbour
      // Just above the midpoint of 1 and the next float. Rounding through a
      // double lands exactly on the midpoint and then goes down to 1.
      {"1.00000005960464477540", 1.00000011920928955078125f},
      {"3.4028235e38", 3.4028235e38f},          // the largest float
      {"3.4028235677973366e38", 3.4028235e38f},  // just below the midpoint to overflow
      {"1e-40", 9.99994610e-41f},                // a subnormal
      {"1e-50", 0.0f},                           // underflow to zero is kept
      {"-1e-99999", -0.0f},
  };
  for (const auto& c : cases) {
    const TableFloat number = ParseTableFloat(c.word);
    EXPECT_EQ(number.status, NumberStatus::Ok) << c.word;
    EXPECT_EQ(Bits(number.value), Bits(c.value)) << c.word << " gave " << number.value;
  }
}

TEST(ParseTableFloat, RefusesWhatIsNoPlainDecimalAndWhatOverflows) {
  const struct {
    const char* word;
    NumberStatus status;
  } cases[] = {
      {"1e39", NumberStatus::OutOfRange},
      {"-1e39", NumberStatus::OutOfRange},
      {"3.4028236e38", NumberStatus::OutOfRange},  // rounds up past the largest float
      {"1e99999999999999999999", NumberStatus::OutOfRange},
      {"0x1p3", NumberStatus::NotANumber},
      {"0x10", NumberStatus::NotANumber},
      {"inf", NumberStatus::NotANumber},
      {"-infinity", NumberStatus::NotANumber},
      {"nan", NumberStatus::NotANumber},
      {"nan(1)", NumberStatus::NotANumber},
      {"", NumberStatus::NotANumber},
      {".", NumberStatus::NotANumber},
      {"-", NumberStatus::NotANumber},
      {"e5", NumberStatus::NotANumber},
      {"1e", NumberStatus::NotANumber},
      {"1e+", NumberStatus::NotANumber},
      {"1.5.2", NumberStatus::NotANumber},
      {"--1", NumberStatus::NotANumber},
      {"1,5", NumberStatus::NotANumber},
      {" 1", NumberStatus::NotANumber},
      {"1f", NumberStatus::NotANumber},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTableFloat(c.word).status, c.status) << c.word;
  EXPECT_EQ(ParseTableFloat(std::string_view("1\0" "5", 3)).status, NumberStatus::NotANumber);
}

}  // namespace
}  // namespace quorvil::sim
