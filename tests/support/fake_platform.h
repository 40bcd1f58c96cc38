// A platform for driving the game in tests: a virtual clock for the timers,
// scripted random draws, the stored high score in memory, scripted answers.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <random>
#include <string>

#include "shell/game_form.h"
#include "support/names.h"

namespace vexalon::testing {

class FakePlatform : public Platform {
 public:
  GameForm* game = nullptr;
  std::int64_t now = 0;       // ms
  std::string log;            // "<ms> <timer>" for every tick, "<ms> sound <n>" for every sound
  std::deque<float> randoms;  // scripted draws; then the generator's
  std::mt19937 generator{12345};
  bool plainDraws = false;  // draws in [0.9, 1): no arrow squares at any level
  int yields = 0, sounds = 0;
  std::function<void()> onYield;
  std::string stored = "0";
  std::deque<Answer> answers;       // Cancel once they run out

  void EnableTimer(Timer t) override {
    if (!Enabled(t)) timers_[I(t)] = {true, timers_[I(t)].running, now + IntervalMs(t), ++enables_};
  }
  void DisableTimer(Timer t) override { timers_[I(t)].enabled = false; }
  bool Enabled(Timer t) const { return timers_[I(t)].enabled; }
  void Yield() override {
    ++yields;
    if (onYield) onYield();
  }
  void PlaySound(int n) override {
    ++sounds;
    log += std::to_string(now) + " sound " + std::to_string(n) + "\n";
  }
  void SeedRandomFromClock() override {}
  float Random() override {
    float r = randoms.empty() ? static_cast<float>(generator() >> 8) * 0x1p-24f : randoms.front();
    if (!randoms.empty()) randoms.pop_front();
    return plainDraws ? 0.9f + r * 0.0999f : r;
  }
  std::string ReadHiScore() override { return stored; }
  // What the store keeps: a change, or nothing when the window changed nothing.
  void WriteHiScore(const std::string& text, HiScoreChange change) override {
    if (change != HiScoreChange::None) stored = text;
  }
  Answer Confirm(std::string_view, std::string_view) override {
    Answer answer = answers.empty() ? Answer::Cancel : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }

  // Fires the earliest tick due by `limit`, ties in the order the timers
  // were enabled; an enabled timer ticks every interval until disabled,
  // never inside its own handler.
  bool FireNext(std::int64_t limit) {
    std::size_t next = kTimerCount;
    for (std::size_t i = 0; i < kTimerCount; ++i) {
      const TimerState& t = timers_[i];
      if (t.enabled && !t.running && t.due <= limit && (next == kTimerCount || t.Key() < timers_[next].Key())) next = i;
    }
    if (next == kTimerCount) return false;
    Timer timer = static_cast<Timer>(next);
    now = std::max(now, timers_[next].due);
    timers_[next].due = now + IntervalMs(timer);
    timers_[next].running = true;
    log += std::to_string(now) + " " + std::string(TimerName(timer)) + "\n";
    game->OnTimer(timer);
    timers_[next].running = false;
    return true;
  }
  void Advance(std::int64_t ms) {
    std::int64_t target = now + ms;
    while (FireNext(target)) {
    }
    now = target;
  }

 private:
  struct TimerState {
    bool enabled = false, running = false;
    std::int64_t due = 0;
    std::uint64_t order = 0;
    std::pair<std::int64_t, std::uint64_t> Key() const { return {due, order}; }
  };
  static std::size_t I(Timer t) { return static_cast<std::size_t>(t); }
  std::array<TimerState, kTimerCount> timers_{};
  std::uint64_t enables_ = 0;
};

}  // namespace vexalon::testing
