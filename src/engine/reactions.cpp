#include <limits>

#include "engine/lines.h"
#include "shell/game_form.h"

namespace vexalon {

int GameForm::CheckReactions() {
  int n = 0;
  ForEachLine([this, &n](int p, int step) {
    if (!LineReacts(sq, p, step)) return;
    if (step == 1)
      MarkAsRemovedHor(p);
    else
      MarkAsRemovedVer(p);
    ++n;
    ++record.reactions;
  });
  tally.reactions += static_cast<std::uint64_t>(n);
  platform_.Yield();
  FullLineBonus();
  if (n != 0)
    FinishAfterReactions(n);
  else
    FinishWithoutReactions();
  return n;
}

// Rows top to bottom, then columns left to right; a sweep's marks count
// for the lines examined after it.
void GameForm::FullLineBonus() {
  for (int row = 0; row < kSide; ++row) AwardFullLine(CellIndex(row, 0), 1);
  for (int column = 0; column < kSide; ++column) AwardFullLine(column, kSide);
}

void GameForm::AwardFullLine(int first, int step) {
  int markedCount = 0;
  char colour = '\0';
  for (int i = 0; i < kSide; ++i) {
    const Cell& cell = sq[static_cast<std::size_t>(first + i * step)];
    // A removed cell waiting to be cleared is no square and does not
    // complete a line a second time.
    if (cell.marked != 1 || cell.tag == Kind::Removed) continue;
    if (cell.tag != Kind::k1234) colour = FirstChar(cell.tag);
    ++markedCount;
  }
  if (markedCount != kSide) return;
  if (record.erasers < 3) ++record.erasers;
  if (colour == '\0') return;
  for (int k = 0; k < kCells; ++k) {
    Cell& cell = sq[static_cast<std::size_t>(k)];
    if (FirstChar(cell.tag) != colour) continue;
    cell.marked = 1;
    MarkAsRemoved2(k);
  }
}

void GameForm::FinishAfterReactions(int n) {
  RemoveAllMarked(false);
  platform_.Yield();
  if (!record.newGame) record.score += 10 * static_cast<std::int64_t>(n);
  record.combo += n;
}

void GameForm::FinishWithoutReactions() {
  if (BoardHasArrow()) return;
  record.gameOverShown = true;
  if (record.score > HiScoreValue(record.hiScore)) record.hiScore = Decimal(record.score);
}

// A square under an alternate press's trial is the arrow square it really is.
bool GameForm::BoardHasArrow() const {
  for (int k = 0; k < kCells; ++k)
    if (!IsArrowFree(sq[static_cast<std::size_t>(k)].tag) || InTrial(k)) return true;
  return false;
}

}  // namespace vexalon
