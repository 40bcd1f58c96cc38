// Thousands of random runs of the whole game through the fake platform.
// VEXALON_STRESS_SEED picks the first seed, VEXALON_STRESS_RUNS how many.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "stress/event_script.h"

namespace vexalon::testing {
namespace {

std::uint32_t EnvNumber(const char* name, std::uint32_t fallback) {
  const char* text = std::getenv(name);
  return text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

// Mostly clicks and the passing of time, now and then a new game, a clear
// prompt or a close; a quarter of the events arrive inside a yield.
TEST(Stress, RandomRunsKeepEveryInvariant) {
  std::uint32_t first = EnvNumber("VEXALON_STRESS_SEED", 1), runs = EnvNumber("VEXALON_STRESS_RUNS", 1500);
  RunResult total;
  for (std::uint32_t seed = first; seed < first + runs; ++seed) {
    std::mt19937 random(seed);
    std::discrete_distribution<int> pick({8, 8, 34, 2, 2, 2, 22, 16, 4, 2});  // press, release, click, ...
    std::vector<std::uint8_t> script{static_cast<std::uint8_t>(random())};
    for (int i = 0; i < 300; ++i) {
      int type = pick(random);
      script.push_back(static_cast<std::uint8_t>(type + (random() % 4 == 0 ? 0x80 : 0)));
      for (int extra = 0; extra < 3; ++extra) script.push_back(static_cast<std::uint8_t>(random()));
      if (type == 2 && random() % 3 != 0) script[script.size() - 2] &= 0x1f;  // more alternate clicks
    }
    RunResult result = RunScript(script);
    ASSERT_EQ(result.failure, "") << "seed " << seed;
    total.events += result.events, total.nested += result.nested;
    total.removals += result.removals, total.gameOvers += result.gameOvers;
  }
  std::printf("%u runs, %zu events (%zu inside yields), %zu removals, %zu games over; no invariant broken\n", runs,
              total.events, total.nested, total.removals, total.gameOvers);
}

}  // namespace
}  // namespace vexalon::testing
