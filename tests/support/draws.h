// Random values that make a fill draw a chosen kind.
#pragma once

#include "board/fill_table.h"

namespace vexalon::testing {

// The middle of the kind's share of draws at the level.
inline float DrawFor(Kind kind, std::int64_t level = 1) {
  const FillRow& row = FillRowForLevel(level);
  int low = 0;
  for (int i = 0; i < kFillKinds; ++i) {
    int threshold = row.threshold[static_cast<std::size_t>(i)];
    if (threshold < 0) continue;
    if (kFillOrder[static_cast<std::size_t>(i)] == kind) return static_cast<float>(low + threshold) / 2.0f / row.max;
    low = threshold + 1;
  }
  return 0;
}

}  // namespace vexalon::testing
