// The game: the board, its counters, and every handler and procedure that
// plays it. It knows nothing of Qt; a window shows its state and forwards
// the player's events, and a Platform gives it timers, sound and the rest.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "board/board.h"
#include "input/moves.h"
#include "shell/platform.h"
#include "shell/state_record.h"

namespace vexalon {

// Mouse buttons and modifier keys as the square handlers receive them.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftMask { kShift = 1, kCtrl = 2, kAlt = 4 };

// Right button, or left with Shift, Ctrl or Alt: the press that tries
// kinds or spends an eraser at once. The middle button is plain.
bool IsAlternate(int button, int shift);

// Running totals for whoever tells the game's story: every reaction found,
// and every scan after a wait that found the board still, which ends a
// chain (or says that a step set nothing off).
struct Tally {
  std::uint64_t reactions = 0;
  std::uint64_t stillScans = 0;
};

class GameForm {
 public:
  explicit GameForm(Platform& platform);

  Board sq;
  StateRecord record;
  Tally tally;

  // Window events.
  void Form_Load();
  void Form_Unload();
  void Command1_Click();
  void HScrollLevel_Change(int value);
  void Label5_Click();
  void LabelClr_Click();
  // y is the pointer's distance from the square's top edge, in twips.
  void sq_MouseDown(int index, int button, int shift, double y);
  void sq_MouseUp(int index, int button, int shift, double y);
  void OnTimer(Timer timer);

  // Timer handlers.
  void WaitAfterInitTimer_Timer();
  void WaitAfterClickTimer_Timer();
  void TimerClearSq_Timer();
  void TimerMoveDown_Timer();
  void TimerFillUp_Timer();
  void WaitAfterReactionsTimer_Timer();
  void TimerHideCombo_Timer();

  // Procedures.
  void FillBoard(bool refill);
  int CheckReactions();
  void MarkAsRemovedHor(int index);
  void MarkAsRemovedVer(int index);
  void MarkAsRemoved2(int index);
  void RemoveAllMarked(bool byEraser);
  void HideCombo();
  void PlayResourceSound(int n);

  // True while an alternate press is trying kinds on the cell's square.
  bool InTrial(int index) const { return sq[static_cast<std::size_t>(index)].trial != 0; }

 private:
  void MarkRun(int a, int b, int c);
  void FullLineBonus();
  void AwardFullLine(int first, int step);
  void FinishAfterReactions(int n);
  void FinishWithoutReactions();
  bool BoardHasArrow() const;
  void SpendEraser(int index);
  void TryReachableKinds(int index);
  Cell* SquareUnderTrial(std::uint32_t trial);
  void MoveSquare(int index, bool upperHalf);
  void WaitAfterScan(Timer own);

  Platform& platform_;
  std::uint32_t trials_ = 0;
  std::string loadedHiScore_;  // as the settings held it at the start
  bool hiScoreCleared_ = false;
};

}  // namespace vexalon
