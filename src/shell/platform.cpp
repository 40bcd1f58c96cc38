#include "shell/platform.h"

#include <array>

namespace vexalon {
namespace {

// Indexed by Timer.
constexpr std::array<int, kTimerCount> kIntervalsMs{1000, 1000, 500, 200, 200, 200, 2000};

}  // namespace

int IntervalMs(Timer timer) { return kIntervalsMs[static_cast<std::size_t>(timer)]; }

}  // namespace vexalon
