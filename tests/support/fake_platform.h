// A platform for driving the game in tests: a virtual clock for the timers,
// scripted random values, a stored high score in memory, scripted answers.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "shell/game_form.h"
#include "shell/platform.h"

namespace vexalon::testing {

class FakePlatform : public Platform {
 public:
  struct TimerState {
    bool enabled = false;
    std::int64_t due = 0;
    std::uint64_t order = 0;  // ties fire in the order they were enabled
    bool running = false;     // a timer does not fire inside its own handler
  };

  GameForm* game = nullptr;
  std::int64_t now = 0;  // ms
  std::array<TimerState, kTimerCount> timers{};
  std::vector<int> sounds;
  std::vector<std::int64_t> soundTimes;
  std::deque<float> randoms;  // scripted; then the seeded generator below
  std::mt19937 generator{12345};
  bool plainDraws = false;  // draws from [0.9, 1): plain or multi-colour squares at every level
  int seeds = 0;
  int yields = 0;
  std::function<void()> onYield;  // runs inside every yield
  std::string stored = "0";
  std::vector<std::string> writes;
  std::deque<Answer> answers;
  std::vector<std::string> prompts;
  std::vector<Timer> fired;
  std::vector<std::int64_t> firedTimes;
  int firedWhileDisabled = 0;

  void EnableTimer(Timer timer) override;
  void DisableTimer(Timer timer) override;
  void Yield() override;
  void PlaySound(int n) override;
  void SeedRandomFromClock() override { ++seeds; }
  float Random() override;
  std::string ReadHiScore() override { return stored; }
  void WriteHiScore(const std::string& text) override;
  Answer Confirm(std::string_view text, std::string_view title) override;

  bool Enabled(Timer timer) const { return timers[static_cast<std::size_t>(timer)].enabled; }
  // Runs every tick due up to now + ms, in time order, then sets the clock.
  void Advance(std::int64_t ms);
  // The next due tick, if any is due by `limit`; fires it and returns true.
  bool FireNext(std::int64_t limit);
  // Fires timer ticks until no timer is enabled (or the limit passes).
  void RunUntilIdle(std::int64_t limitMs = 600000);
  void Fire(Timer timer);  // one tick now, as if it were due

 private:
  std::uint64_t enableCount_ = 0;
};

}  // namespace vexalon::testing
