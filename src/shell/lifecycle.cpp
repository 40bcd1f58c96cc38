#include <algorithm>

#include "shell/game_form.h"

namespace vexalon {

GameForm::GameForm(Platform& platform) : platform_(platform) {}

void GameForm::Form_Load() {
  record.level = 1;
  record.score = 0;
  record.combo = 0;
  record.comboShown = false;
  record.newGame = true;
  record.reactions = 0;
  record.hiScore = loadedHiScore_ = platform_.ReadHiScore();
  FillBoard(false);
}

void GameForm::Form_Unload() {
  HiScoreChange change = hiScoreCleared_                  ? HiScoreChange::Cleared
                         : record.hiScore != loadedHiScore_ ? HiScoreChange::Record
                                                            : HiScoreChange::None;
  platform_.WriteHiScore(record.hiScore, change);
}

void GameForm::Command1_Click() {
  platform_.DisableTimer(Timer::TimerClearSq);
  platform_.DisableTimer(Timer::TimerMoveDown);
  platform_.DisableTimer(Timer::TimerFillUp);
  record.gameOverShown = false;
  record.level = record.levelTxt;
  record.score = 0;
  record.combo = 0;
  record.newGame = true;
  record.reactions = 0;
  record.erasers = 0;
  FillBoard(false);
}

void GameForm::HScrollLevel_Change(int value) { record.levelTxt = std::clamp(value, 1, 10); }

void GameForm::Label5_Click() {
  if (platform_.Confirm("Do you really want to clear the hiscore?", "Clear Hiscore") != Answer::Yes) return;
  record.hiScore = "0";
  hiScoreCleared_ = true;
}

void GameForm::LabelClr_Click() { Label5_Click(); }

void GameForm::OnTimer(Timer timer) {
  switch (timer) {
    case Timer::WaitAfterInitTimer: return WaitAfterInitTimer_Timer();
    case Timer::WaitAfterClickTimer: return WaitAfterClickTimer_Timer();
    case Timer::TimerClearSq: return TimerClearSq_Timer();
    case Timer::TimerMoveDown: return TimerMoveDown_Timer();
    case Timer::TimerFillUp: return TimerFillUp_Timer();
    case Timer::WaitAfterReactionsTimer: return WaitAfterReactionsTimer_Timer();
    case Timer::TimerHideCombo: return TimerHideCombo_Timer();
  }
}

}  // namespace vexalon
