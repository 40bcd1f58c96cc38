#include "support/fake_platform.h"

namespace vexalon::testing {

void FakePlatform::EnableTimer(Timer timer) {
  TimerState& state = timers[static_cast<std::size_t>(timer)];
  if (state.enabled) return;
  state.enabled = true;
  state.due = now + IntervalMs(timer);
  state.order = ++enableCount_;
}

void FakePlatform::DisableTimer(Timer timer) { timers[static_cast<std::size_t>(timer)].enabled = false; }

void FakePlatform::Yield() {
  ++yields;
  if (onYield) onYield();
}

void FakePlatform::PlaySound(int n) {
  sounds.push_back(n);
  soundTimes.push_back(now);
}

float FakePlatform::Random() {
  if (!randoms.empty()) {
    float r = randoms.front();
    randoms.pop_front();
    return r;
  }
  float r = static_cast<float>(generator() >> 8) * 0x1p-24f;
  return plainDraws ? 0.9f + r * 0.0999f : r;
}

void FakePlatform::WriteHiScore(const std::string& text) {
  stored = text;
  writes.push_back(text);
}

Answer FakePlatform::Confirm(std::string_view text, std::string_view title) {
  prompts.push_back(std::string(title) + ": " + std::string(text));
  if (answers.empty()) return Answer::Cancel;
  Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakePlatform::Fire(Timer timer) {
  TimerState& state = timers[static_cast<std::size_t>(timer)];
  if (!state.enabled) ++firedWhileDisabled;
  state.running = true;
  state.due = now + IntervalMs(timer);  // an enabled timer ticks again an interval later
  fired.push_back(timer);
  firedTimes.push_back(now);
  game->OnTimer(timer);
  timers[static_cast<std::size_t>(timer)].running = false;
}

bool FakePlatform::FireNext(std::int64_t limit) {
  int next = -1;
  for (int i = 0; i < kTimerCount; ++i) {
    const TimerState& state = timers[static_cast<std::size_t>(i)];
    if (!state.enabled || state.running || state.due > limit) continue;
    const TimerState* best = next < 0 ? nullptr : &timers[static_cast<std::size_t>(next)];
    if (!best || state.due < best->due || (state.due == best->due && state.order < best->order)) next = i;
  }
  if (next < 0) return false;
  std::int64_t due = timers[static_cast<std::size_t>(next)].due;
  if (due > now) now = due;
  Fire(static_cast<Timer>(next));
  return true;
}

void FakePlatform::Advance(std::int64_t ms) {
  std::int64_t target = now + ms;
  while (FireNext(target)) {
  }
  now = target;
}

void FakePlatform::RunUntilIdle(std::int64_t limitMs) {
  std::int64_t limit = now + limitMs;
  while (FireNext(limit)) {
  }
}

}  // namespace vexalon::testing
