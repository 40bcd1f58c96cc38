// The lines of three on the board, and the rule that makes one react.
// The scan and the hint both read lines through these.
#pragma once

#include "board/board.h"

namespace vexalon {

// Three cells from p, step apart, that show one colour.
inline bool LineReacts(const Board& board, int p, int step) {
  auto colours = [&board](int i) { return ColourMask(board[static_cast<std::size_t>(i)].tag); };
  return (colours(p) & colours(p + step) & colours(p + 2 * step)) != 0;
}

// Every line of three as line(p, step), in the scan's order: the lines in
// rows column by column, so a multi-colour square is claimed by the line
// seen first, then the lines in columns.
template <typename Visit>
void ForEachLine(Visit&& line) {
  for (int column = 0; column <= 3; ++column)
    for (int row = 0; row <= 5; ++row) line(CellIndex(row, column), 1);
  for (int column = 0; column <= 5; ++column)
    for (int row = 0; row <= 3; ++row) line(CellIndex(row, column), kSide);
}

inline bool AnyLineReacts(const Board& board) {
  bool any = false;
  ForEachLine([&](int p, int step) { any = any || LineReacts(board, p, step); });
  return any;
}

}  // namespace vexalon
