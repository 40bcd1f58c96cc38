#include "shell/game_form.h"

namespace vexalon {

void GameForm::HideCombo() {
  record.comboShown = false;
  record.combo = 0;
  platform_.DisableTimer(Timer::TimerHideCombo);
}

void GameForm::TimerHideCombo_Timer() { HideCombo(); }

void GameForm::PlayResourceSound(int n) { platform_.PlaySound(n); }

}  // namespace vexalon
