#include "tools/sim_numbers.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace quorvil::sim {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips a run of digits from i; returns how many there were.
size_t SkipDigits(std::string_view word, size_t& i) {
  const size_t start = i;
  while (i < word.size() && IsDigit(word[i])) ++i;
  return i - start;
}

bool IsPlainDecimal(std::string_view word) {
  size_t i = 0;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
  size_t mantissaDigits = SkipDigits(word, i);
  if (i < word.size() && word[i] == '.') {
    ++i;
    mantissaDigits += SkipDigits(word, i);
  }
  if (mantissaDigits == 0) return false;
  if (i < word.size() && (word[i] == 'e' || word[i] == 'E')) {
    ++i;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
    if (SkipDigits(word, i) == 0) return false;
  }
  return i == word.size();
}

// The "C" locale, so a decimal point is "." whatever the process's locale.
locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
  return classic;
}

}  // namespace

WholeNumber ParseWholeNumber(std::string_view word, int64_t min, int64_t max) {
  size_t i = 0;
  bool negative = false;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) {
    negative = word[i] == '-';
    ++i;
  }
  if (i == word.size()) return {};
  // Beyond 2^40 every range this tool uses is left behind; saturating there
  // keeps long runs of digits from overflowing.
  constexpr uint64_t kSaturated = uint64_t{1} << 40;
  uint64_t magnitude = 0;
  for (; i < word.size(); ++i) {
    if (!IsDigit(word[i])) return {};
    magnitude = magnitude * 10 + uint64_t(word[i] - '0');
    if (magnitude > kSaturated) magnitude = kSaturated;
  }
  const int64_t value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  if (value < min || value > max) return {NumberStatus::OutOfRange, 0};
  return {NumberStatus::Ok, value};
}

TableFloat ParseTableFloat(std::string_view word) {
  if (!IsPlainDecimal(word)) return {};
  const std::string text(word);
  const float value = strtof_l(text.c_str(), nullptr, ClassicLocale());
  if (std::isinf(value)) return {NumberStatus::OutOfRange, 0.0f};
  return {NumberStatus::Ok, value};
}

}  // namespace quorvil::sim
