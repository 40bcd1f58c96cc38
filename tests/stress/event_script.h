// Runs of player and timer events fed to the whole game through the fake
// platform, the game's invariants checked after every event. A script is
// a byte string, so random runs and the fuzzer share one reader.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vexalon::testing {

struct RunResult {
  std::string failure;  // empty when every invariant held
  std::size_t events = 0, nested = 0, removals = 0, gameOvers = 0;  // nested: run inside a yield
};

// The first byte picks the stored high score and the draws; then four bytes
// an event: what it is (the top bit: inside the next yield), then how.
RunResult RunScript(std::span<const std::uint8_t> script);

}  // namespace vexalon::testing
