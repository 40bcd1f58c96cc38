// What the game needs from the world outside it: timers, the yield to the
// window's event loop, sound, random numbers, the stored high score and
// the confirmation box. The desktop window provides it; tests fake it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vexalon {

enum class Timer : std::uint8_t {
  WaitAfterInitTimer,
  WaitAfterClickTimer,
  TimerClearSq,
  TimerMoveDown,
  TimerFillUp,
  WaitAfterReactionsTimer,
  TimerHideCombo,
};
constexpr int kTimerCount = 7;

int IntervalMs(Timer timer);

enum class Answer { Yes, No, Cancel };

// What a window did to the high score it loaded: nothing, a new record, or
// a clear (perhaps followed by records).
enum class HiScoreChange { None, Record, Cleared };

class Platform {
 public:
  virtual ~Platform() = default;

  // Enabling a timer that is already enabled leaves its count running;
  // only disabling and enabling again starts the count anew. An enabled
  // timer keeps ticking every interval until it is disabled.
  virtual void EnableTimer(Timer timer) = 0;
  virtual void DisableTimer(Timer timer) = 0;

  // Lets pending painting, input and timer ticks run, then returns.
  virtual void Yield() = 0;

  // 0: a reaction's removal, 1: an eraser's. Returns at once.
  virtual void PlaySound(int n) = 0;

  virtual void SeedRandomFromClock() = 0;
  virtual float Random() = 0;  // uniform in [0, 1)

  // The stored high score text, or "0" when nothing is stored.
  virtual std::string ReadHiScore() = 0;
  // At the close: the high score shown and how this window changed it.
  // Another window's record or clear since is not undone.
  virtual void WriteHiScore(const std::string& text, HiScoreChange change) = 0;

  // A modal box with Yes, No and Cancel (Yes the default), no icon.
  virtual Answer Confirm(std::string_view text, std::string_view title) = 0;
};

}  // namespace vexalon
