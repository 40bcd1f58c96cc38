#include "shell/clock_random.h"

#include <chrono>

namespace vexalon {

void ClockRandom::SeedFromClock() {
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  // The count of seeds keeps two seeds apart even on a coarse clock.
  std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                     static_cast<std::uint32_t>(wall), static_cast<std::uint32_t>(wall >> 32),
                     static_cast<std::uint32_t>(++seeds_)};
  engine_.seed(seed);
}

// 24 random bits make every float in [0, 1) on a 2^-24 grid equally likely.
float ClockRandom::Next() { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

}  // namespace vexalon
