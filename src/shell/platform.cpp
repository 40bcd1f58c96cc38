#include "shell/platform.h"

#include <array>

namespace vexalon {
namespace {

struct TimerFacts {
  std::string_view name;
  int intervalMs;
};

constexpr std::array<TimerFacts, kTimerCount> kTimers{{
    {"WaitAfterInitTimer", 1000},
    {"WaitAfterClickTimer", 1000},
    {"TimerClearSq", 500},
    {"TimerMoveDown", 200},
    {"TimerFillUp", 200},
    {"WaitAfterReactionsTimer", 200},
    {"TimerHideCombo", 2000},
}};

}  // namespace

int IntervalMs(Timer timer) { return kTimers[static_cast<std::size_t>(timer)].intervalMs; }

std::string_view TimerName(Timer timer) { return kTimers[static_cast<std::size_t>(timer)].name; }

}  // namespace vexalon
