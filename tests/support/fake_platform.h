// A platform for driving the game in tests: a virtual clock for the timers,
// scripted random draws, the stored high score in memory, scripted answers.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "shell/game_form.h"

namespace vexalon::testing {

class FakePlatform : public Platform {
 public:
  GameForm* game = nullptr;
  std::int64_t now = 0;  // ms
  std::string log;       // "<ms> <timer>" for every tick, "<ms> sound <n>" for every sound
  std::vector<int> sounds;
  std::deque<float> randoms;  // scripted draws; then the generator's
  std::mt19937 generator{12345};
  bool plainDraws = false;  // draws in [0.9, 1): no arrow squares at any level
  int seeds = 0, yields = 0;
  std::function<void()> onYield;
  std::string stored = "0";
  std::vector<std::string> writes;  // "<text> <how it changed: 0 none, 1 record, 2 cleared>"
  std::deque<Answer> answers;  // Cancel once they run out
  std::string prompt;

  void EnableTimer(Timer timer) override;
  void DisableTimer(Timer timer) override { timers_[Index(timer)].enabled = false; }
  void Yield() override;
  void PlaySound(int n) override;
  void SeedRandomFromClock() override { ++seeds; }
  float Random() override;
  std::string ReadHiScore() override { return stored; }
  void WriteHiScore(const std::string& text, HiScoreChange change) override {
    writes.push_back(text + " " + std::to_string(static_cast<int>(change)));
    if (change != HiScoreChange::None) stored = text;
  }
  Answer Confirm(std::string_view text, std::string_view title) override;

  bool Enabled(Timer timer) const { return timers_[Index(timer)].enabled; }
  // Fires the earliest tick due by `limit`, moving the clock to it.
  bool FireNext(std::int64_t limit);
  void Advance(std::int64_t ms);
  void RunUntilIdle(std::int64_t limitMs = 600000);

 private:
  // An enabled timer ticks every interval until disabled, never inside its own handler.
  struct TimerState {
    bool enabled = false, running = false;
    std::int64_t due = 0;
    std::uint64_t order = 0;  // ties fire in the order the timers were enabled
  };
  static std::size_t Index(Timer timer) { return static_cast<std::size_t>(timer); }
  std::array<TimerState, kTimerCount> timers_{};
  std::uint64_t enables_ = 0;
};

}  // namespace vexalon::testing
