#include "shell/game_form.h"

namespace vexalon {

void GameForm::RemoveAllMarked(bool byEraser) {
  PlayResourceSound(byEraser ? 1 : 0);
  platform_.Yield();
  for (Cell& cell : sq)
    if (cell.marked == 1) cell.tag = Kind::Removed;
  platform_.EnableTimer(Timer::TimerClearSq);
}

void GameForm::TimerClearSq_Timer() {
  platform_.EnableTimer(Timer::TimerMoveDown);
  platform_.Yield();
  platform_.DisableTimer(Timer::TimerClearSq);
  for (Cell& cell : sq) {
    if (cell.tag != Kind::Removed) continue;
    cell.marked = 0;
    cell.picture = Picture::sqEmpty;
    if (record.reactions > 20 && !record.newGame) {
      record.reactions = 0;
      ++record.level;
    }
  }
}

void GameForm::TimerFillUp_Timer() {
  platform_.DisableTimer(Timer::TimerFillUp);
  FillBoard(true);
}

void GameForm::WaitAfterInitTimer_Timer() { WaitAfterScan(Timer::WaitAfterInitTimer); }

void GameForm::WaitAfterReactionsTimer_Timer() { WaitAfterScan(Timer::WaitAfterReactionsTimer); }

// A scan that finds nothing ends the cascade; a chain in play shows its combo.
void GameForm::WaitAfterScan(Timer own) {
  platform_.DisableTimer(own);
  if (CheckReactions() != 0) return;
  ++tally.stillScans;
  if (!record.newGame && record.combo > 1) {
    record.comboShown = true;
    platform_.EnableTimer(Timer::TimerHideCombo);
  } else {
    record.comboShown = false;
  }
}

}  // namespace vexalon
