// The two kinds of number a quorvil-sim script holds: whole numbers
// ([+-]?digits, decimal) checked against a range, and the plain decimals of
// `place`, rounded to a 32-bit float exactly as strtof rounds them.
#pragma once

#include <cstdint>
#include <string_view>

namespace quorvil::sim {

enum class NumberStatus { Ok, NotANumber, OutOfRange };

struct WholeNumber {
  NumberStatus status = NumberStatus::NotANumber;
  int64_t value = 0;
};

// Accepts [+-]?digits with any number of leading zeros; anything else
// (blanks, hex, a decimal point, an empty word) is NotANumber.
WholeNumber ParseWholeNumber(std::string_view word, int64_t min, int64_t max);

struct TableFloat {
  NumberStatus status = NumberStatus::NotANumber;
  float value = 0.0f;
};

// Accepts [+-]? (digits [. digits] | . digits) ([eE] [+-]? digits)?, so no
// hex, inf or nan. Rounds to the nearest float in one step, never through a
// double; a value whose rounding overflows is OutOfRange, one that
// underflows to a subnormal or to zero is kept.
TableFloat ParseTableFloat(std::string_view word);

}  // namespace quorvil::sim
