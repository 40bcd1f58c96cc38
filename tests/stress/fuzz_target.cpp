// libFuzzer entry: any byte string is a script of events for the game.
#include <cstdio>
#include <cstdlib>

#include "stress/event_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vexalon::testing::RunResult result = vexalon::testing::RunScript({data, size});
  if (result.failure.empty()) return 0;
  std::fprintf(stderr, "%s\n", result.failure.c_str());
  std::abort();
}
