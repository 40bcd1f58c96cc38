#include "support/fake_platform.h"

namespace vexalon::testing {

void FakePlatform::EnableTimer(Timer timer) {
  TimerState& state = timers_[Index(timer)];
  if (state.enabled) return;
  state = {true, state.running, now + IntervalMs(timer), ++enables_};
}

void FakePlatform::Yield() {
  ++yields;
  if (onYield) onYield();
}

void FakePlatform::PlaySound(int n) {
  sounds.push_back(n);
  log += std::to_string(now) + " sound " + std::to_string(n) + "\n";
}

float FakePlatform::Random() {
  if (randoms.empty()) {
    float r = static_cast<float>(generator() >> 8) * 0x1p-24f;
    return plainDraws ? 0.9f + r * 0.0999f : r;
  }
  float r = randoms.front();
  randoms.pop_front();
  return r;
}

Answer FakePlatform::Confirm(std::string_view text, std::string_view title) {
  prompt = std::string(title) + ": " + std::string(text);
  Answer answer = answers.empty() ? Answer::Cancel : answers.front();
  if (!answers.empty()) answers.pop_front();
  return answer;
}

bool FakePlatform::FireNext(std::int64_t limit) {
  TimerState* next = nullptr;
  Timer which{};
  for (int i = 0; i < kTimerCount; ++i) {
    TimerState& state = timers_[static_cast<std::size_t>(i)];
    if (!state.enabled || state.running || state.due > limit) continue;
    if (!next || state.due < next->due || (state.due == next->due && state.order < next->order)) {
      next = &state;
      which = static_cast<Timer>(i);
    }
  }
  if (!next) return false;
  now = std::max(now, next->due);
  next->due = now + IntervalMs(which);
  next->running = true;
  log += std::to_string(now) + " " + std::string(TimerName(which)) + "\n";
  game->OnTimer(which);
  timers_[Index(which)].running = false;
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
