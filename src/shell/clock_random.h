// Uniform random values in [0, 1), seeded from a clock fine enough that
// two deals within the same second differ.
#pragma once

#include <cstdint>
#include <random>

namespace vexalon {

class ClockRandom {
 public:
  void SeedFromClock();
  float Next();

 private:
  std::mt19937 engine_;
  std::uint64_t seeds_ = 0;
};

}  // namespace vexalon
