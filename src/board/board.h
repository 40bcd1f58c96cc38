// The 6 x 6 board: 36 cells, row-major, row 0 at the top.
#pragma once

#include <array>
#include <cstdint>

#include "board/kinds.h"

namespace vexalon {

constexpr int kSide = 6;
constexpr int kCells = kSide * kSide;

struct Cell {
  Kind tag = Kind::None;                 // the kind text
  Picture picture = Picture::sqEmpty;    // what the player sees
  std::uint8_t marked = 0;               // 1 while marked for removal
  std::uint32_t trial = 0;               // the alternate press trying kinds on this square, if any

  friend bool operator==(const Cell&, const Cell&) = default;
};

using Board = std::array<Cell, kCells>;

constexpr int CellIndex(int row, int column) { return kSide * row + column; }

// Fill a cell with a square: unmarked, showing the kind's template.
inline void SetSquare(Cell& cell, Kind kind) {
  cell.trial = 0;
  cell.marked = 0;
  cell.picture = Template(kind);
  cell.tag = kind;
}

}  // namespace vexalon
