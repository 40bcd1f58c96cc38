#include "input/hint.h"

#include "engine/lines.h"
#include "input/moves.h"

namespace vexalon {
namespace {

// Nothing left for a chain or a trial to change, and no line waiting for
// the scan that will take it anyway.
bool Settled(const Board& board) {
  for (const Cell& cell : board)
    if (cell.tag == Kind::None || cell.tag == Kind::Removed || cell.marked != 0 || cell.trial != 0) return false;
  return !AnyLineReacts(board);
}

// On a settled board any line that reacts runs through the changed square.
bool ReactsAs(Board& board, int index, Kind kind) {
  Kind& tag = board[static_cast<std::size_t>(index)].tag;
  Kind own = tag;
  tag = kind;
  bool reacts = AnyLineReacts(board);
  tag = own;
  return reacts;
}

}  // namespace

Hint FindHint(const Board& board) {
  if (!Settled(board)) return {HintKind::Wait};
  Board tried = board;
  for (int i = 0; i < kCells; ++i) {
    Kind kind = board[static_cast<std::size_t>(i)].tag;
    std::optional<Kind> upper = SteppedKind(kind, true), lower = SteppedKind(kind, false);
    if (upper && ReactsAs(tried, i, *upper)) return {HintKind::Step, i, true, *upper};
    if (lower != upper && lower && ReactsAs(tried, i, *lower)) return {HintKind::Step, i, false, *lower};
  }
  for (int i = 0; i < kCells; ++i)
    for (Kind kind : ReachableKinds(board[static_cast<std::size_t>(i)].tag))
      if (ReactsAs(tried, i, kind)) return {HintKind::Trial, i, true, kind};
  return {};
}

}  // namespace vexalon
