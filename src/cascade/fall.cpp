#include "shell/game_form.h"

namespace vexalon {
namespace {

bool IsGap(const Cell& cell) { return cell.tag == Kind::Removed; }

// The square in `from` moves to `to` with its mark and any trial on it;
// `from` becomes a gap.
void MoveInto(Cell& to, Cell& from) {
  to = from;
  from = Cell{Kind::Removed, Picture::sqEmpty, 0, 0};
}

}  // namespace

// The squares close the gaps towards whichever edge moves fewer rows; one
// direction for the whole board, ties moving up.
void GameForm::TimerMoveDown_Timer() {
  platform_.DisableTimer(Timer::TimerMoveDown);
  int topGapRow = 6;
  int bottomGapRow = 1;
  for (int row = 1; row <= 6; ++row) {
    for (int column = 1; column <= 6; ++column) {
      if (!IsGap(sq[static_cast<std::size_t>(6 * (row - 1) + (column - 1))])) continue;
      if (row < topGapRow) topGapRow = row;
      if (row > bottomGapRow) bottomGapRow = row;
    }
  }
  bool moved = true;
  if (topGapRow <= 6 - bottomGapRow) {
    while (moved) {
      moved = false;
      for (int k = 35; k >= 6; --k) {
        Cell& cell = sq[static_cast<std::size_t>(k)];
        Cell& above = sq[static_cast<std::size_t>(k - 6)];
        if (IsGap(cell) && !IsGap(above)) {
          MoveInto(cell, above);
          moved = true;
        }
      }
    }
  } else {
    while (moved) {
      moved = false;
      for (int k = 0; k <= 29; ++k) {
        Cell& cell = sq[static_cast<std::size_t>(k)];
        Cell& below = sq[static_cast<std::size_t>(k + 6)];
        if (IsGap(cell) && !IsGap(below)) {
          MoveInto(cell, below);
          moved = true;
        }
      }
    }
  }
  platform_.EnableTimer(Timer::TimerFillUp);
}

}  // namespace vexalon
