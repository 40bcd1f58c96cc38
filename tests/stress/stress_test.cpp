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
std::vector<std::uint8_t> RandomScript(std::uint32_t seed, int events) {
  std::mt19937 random(seed);
  auto byte = [&] { return static_cast<std::uint8_t>(random()); };
  std::vector<std::uint8_t> script{byte()};
  static constexpr std::pair<Event::Type, int> kWeights[] = {
      {Event::Click, 34}, {Event::Press, 8}, {Event::Release, 8}, {Event::Tick, 22}, {Event::Wait, 16},
      {Event::Settle, 4}, {Event::NewGame, 2}, {Event::Scroll, 2}, {Event::Clear, 2}, {Event::Close, 2},
  };
  std::discrete_distribution<int> pick({34, 8, 8, 22, 16, 4, 2, 2, 2, 2});
  for (int i = 0; i < events; ++i) {
    Event::Type type = kWeights[pick(random)].first;
    bool inYield = random() % 4 == 0;
    script.push_back(static_cast<std::uint8_t>(type + (inYield ? 0x80 : 0)));
    for (int extra = 0; extra < 3; ++extra) script.push_back(byte());
    if (type == Event::Click && random() % 3 != 0) script[script.size() - 2] &= 0x1f;  // more alternate clicks
  }
  return script;
}

TEST(Stress, RandomRunsKeepEveryInvariant) {
  std::uint32_t first = EnvNumber("VEXALON_STRESS_SEED", 1);
  std::uint32_t runs = EnvNumber("VEXALON_STRESS_RUNS", 1500);
  RunResult total;
  for (std::uint32_t seed = first; seed < first + runs; ++seed) {
    std::vector<std::uint8_t> script = RandomScript(seed, 300);
    RunResult result = RunScript(script);
    total.events += result.events;
    total.nested += result.nested;
    total.removals += result.removals;
    total.gameOvers += result.gameOvers;
    if (result.failure.empty()) continue;
    std::vector<std::uint8_t> shortest =
        Shrink(script, [](const std::vector<std::uint8_t>& s) { return !RunScript(s).failure.empty(); });
    std::string replay;
    for (const Event& event : DecodeEvents(shortest)) replay += "  " + Describe(event) + "\n";
    FAIL() << "seed " << seed << ": " << result.failure << "\nshortest script that still fails ("
           << RunScript(shortest).failure << "):\n" << replay;
  }
  std::printf("%u runs, %zu events (%zu inside yields), %zu removals, %zu games over; no invariant broken\n",
              runs, total.events, total.nested, total.removals, total.gameOvers);
}

TEST(Stress, ShrinkingFindsTheEventsThatMatter) {
  // Pretend a run fails whenever a new game is followed, later, by a close.
  auto fails = [](const std::vector<std::uint8_t>& s) {
    bool newGame = false;
    for (const Event& event : DecodeEvents(s)) {
      newGame = newGame || event.type == Event::NewGame;
      if (newGame && event.type == Event::Close) return true;
    }
    return false;
  };
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    std::vector<std::uint8_t> script = RandomScript(seed, 300);
    if (!fails(script)) continue;
    std::vector<Event> left = DecodeEvents(Shrink(script, fails));
    ASSERT_EQ(left.size(), 2u) << seed;
    EXPECT_EQ(left[0].type, Event::NewGame);
    EXPECT_EQ(left[1].type, Event::Close);
  }
}

}  // namespace
}  // namespace vexalon::testing
