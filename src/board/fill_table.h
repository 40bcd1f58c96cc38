// The mix of squares a fill draws from, one row per level.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "board/kinds.h"

namespace vexalon {

constexpr int kFillKinds = 17;

// The kinds in the order a draw walks them.
extern const std::array<Kind, kFillKinds> kFillOrder;

struct FillRow {
  std::array<std::int16_t, kFillKinds> threshold;  // -1 switches a kind off
  std::int16_t max;
};

// Levels 1 to 9 have rows of their own; every other level uses the last row.
const FillRow& FillRowForLevel(std::int64_t level);

// h = r * max, rounded to nearest with ties to even, r in [0, 1).
int DrawValue(float r, const FillRow& row);

// The first kind whose threshold is at least h.
std::optional<Kind> KindForDraw(int h, const FillRow& row);

}  // namespace vexalon
