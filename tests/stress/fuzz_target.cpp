// libFuzzer entry: any byte string is a script of events for the game.
#include <cstdio>
#include <cstdlib>

#include "stress/event_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vexalon::testing;
  std::span<const std::uint8_t> script(data, size);
  RunResult result = RunScript(script);
  if (result.failure.empty()) return 0;
  std::fprintf(stderr, "%s\n", result.failure.c_str());
  for (const Event& event : DecodeEvents(script)) std::fprintf(stderr, "  %s\n", Describe(event).c_str());
  std::abort();
}
