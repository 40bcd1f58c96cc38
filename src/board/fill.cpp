#include "board/fill_table.h"
#include "shell/game_form.h"

namespace vexalon {

void GameForm::FillBoard(bool refill) {
  const FillRow& row = FillRowForLevel(record.level);
  platform_.SeedRandomFromClock();
  for (Cell& cell : sq) {
    if (refill && cell.tag != Kind::Removed) continue;
    int h = DrawValue(platform_.Random(), row);
    cell.marked = 0;
    if (std::optional<Kind> kind = KindForDraw(h, row)) SetSquare(cell, *kind);
  }
  platform_.EnableTimer(refill ? Timer::WaitAfterReactionsTimer : Timer::WaitAfterInitTimer);
}

}  // namespace vexalon
