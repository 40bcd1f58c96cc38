// Long runs of player and timer events fed to the game through the fake
// platform, with the game's invariants checked after every event. A script
// is a byte string, so random runs and the fuzzer share one decoder.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vexalon::testing {

struct Event {
  enum Type : std::uint8_t { Press, Release, Click, NewGame, Scroll, Clear, Tick, Wait, Settle, Close };
  Type type = Tick;
  bool inYield = false;  // runs inside the next yield of a running handler
  int cell = 0, button = 1, shift = 0, value = 0;
  double y = 0;
};

std::vector<Event> DecodeEvents(std::span<const std::uint8_t> script);
std::string Describe(const Event& event);

struct RunResult {
  std::string failure;        // empty when every invariant held
  std::size_t events = 0;     // events run, nested ones included
  std::size_t nested = 0;     // of which inside a yield
  std::size_t removals = 0;   // removals started (one sound each)
  std::size_t gameOvers = 0;  // games that ended
};

RunResult RunScript(std::span<const std::uint8_t> script);

// Drops whole events from a failing script for as long as it still fails.
std::vector<std::uint8_t> Shrink(std::vector<std::uint8_t> script,
                                 const std::function<bool(const std::vector<std::uint8_t>&)>& fails);

}  // namespace vexalon::testing
