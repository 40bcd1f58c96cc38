#include "board/fill_table.h"

#include <cmath>

namespace vexalon {

const std::array<Kind, kFillKinds> kFillOrder{
    Kind::k4down,   Kind::k3up,   Kind::k3down, Kind::k3updown, Kind::k2up,  Kind::k2down,
    Kind::k2updown, Kind::k1up,   Kind::k1down, Kind::k1updown, Kind::k0up,  Kind::k4,
    Kind::k3,       Kind::k2,     Kind::k1,     Kind::k0,       Kind::k1234,
};

namespace {

// Higher levels bring fewer arrows and more plain squares. At level 7,
// "1down" and "1updown" take 51-56 and 57-60, so that level draws
// up-and-down squares like its neighbours.
constexpr std::array<FillRow, 10> kRows{{
    {{20, 30, 40, -1, 50, 60, -1, 70, 80, -1, 100, 103, 106, 109, 112, 115, -1}, 115},
    {{20, 30, 40, -1, 50, 60, -1, 70, 80, -1, 100, 106, 112, 118, 124, 130, -1}, 130},
    {{20, 30, 40, 42, 52, 62, 74, 84, 94, 96, 116, 124, 132, 140, 148, 156, -1}, 156},
    {{23, 33, 43, 46, 56, 66, 69, 79, 89, 92, 115, 125, 135, 145, 155, 165, 168}, 168},
    {{19, 27, 35, 38, 46, 54, 57, 65, 73, 76, 95, 105, 115, 125, 135, 145, 148}, 148},
    {{17, 23, 30, 34, 41, 48, 52, 59, 66, 70, 87, 97, 107, 117, 127, 137, 140}, 140},
    {{15, 20, 25, 30, 35, 40, 45, 50, 56, 60, 75, 85, 95, 105, 115, 125, 128}, 128},
    {{13, 17, 21, 26, 30, 34, 39, 43, 47, 52, 64, 74, 84, 94, 104, 114, 117}, 117},
    {{11, 14, 17, 22, 25, 28, 33, 36, 39, 44, 55, 65, 75, 85, 95, 105, 108}, 108},
    {{9, 11, 13, 18, 20, 22, 27, 29, 31, 33, 42, 52, 62, 72, 82, 92, 95}, 95},
}};

}  // namespace

const FillRow& FillRowForLevel(std::int64_t level) {
  if (level >= 1 && level <= 9) return kRows[static_cast<std::size_t>(level - 1)];
  return kRows.back();
}

int DrawValue(float r, const FillRow& row) {
  float product = r * static_cast<float>(row.max);
  return static_cast<int>(std::nearbyint(product));
}

std::optional<Kind> KindForDraw(int h, const FillRow& row) {
  for (int i = 0; i < kFillKinds; ++i)
    if (h <= row.threshold[static_cast<std::size_t>(i)]) return kFillOrder[static_cast<std::size_t>(i)];
  return std::nullopt;
}

}  // namespace vexalon
