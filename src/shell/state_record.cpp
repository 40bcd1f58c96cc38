#include "shell/state_record.h"

#include <limits>

namespace vexalon {

std::string Decimal(std::int64_t value) { return std::to_string(value); }

std::int64_t HiScoreValue(const std::string& text) {
  std::size_t i = 0;
  bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  if (i == text.size()) return 0;
  // Accumulate towards the sign so the lowest value fits too.
  std::int64_t value = 0;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  bool saturated = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return 0;
    if (saturated) continue;
    int digit = c - '0';
    if (negative ? value < (kMin + digit) / 10 : value > (kMax - digit) / 10) {
      value = negative ? kMin : kMax;
      saturated = true;
      continue;
    }
    value = value * 10 + (negative ? -digit : digit);
  }
  return value;
}

}  // namespace vexalon
