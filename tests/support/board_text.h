// Boards written as six readable rows of kind texts, for tests.
//   "1up"  a square of that kind, showing its own picture
//   "2*"   the same, marked for removal and showing its diamond
//   "R"    a removed cell (shown empty); "R*" still marked
//   "."    an empty cell before the first fill
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "shell/game_form.h"
#include "support/fake_platform.h"

namespace vexalon::testing {

void SetBoard(GameForm& game, std::string_view rows);
std::string BoardText(const GameForm& game);

// No line of three anywhere, and an arrow square so the game goes on.
inline constexpr const char* kQuiet = R"(
  0up 1 2 0 1 2
  1   2 0 1 2 0
  2   0 1 2 0 1
  0   1 2 0 1 2
  1   2 0 1 2 0
  2   0 1 2 0 1 )";

// A game and its fake platform, loaded with a scripted board.
struct Table {
  FakePlatform platform;
  GameForm game{platform};

  Table() { platform.game = &game; }
  // Load with a quiet, unscripted deal, then lay out the given board and
  // start play: the deal's wait is cancelled and the new-game flag is "0".
  explicit Table(std::string_view rows, bool inPlay = true);
  Cell& at(int index) { return game.sq[static_cast<std::size_t>(index)]; }
};

}  // namespace vexalon::testing

namespace vexalon::testing {
// A diagram in the same layout BoardText writes, for comparisons.
std::string Rows(std::string_view rows);
}  // namespace vexalon::testing

namespace vexalon {
// Readable test failures.
inline void PrintTo(Kind kind, std::ostream* out) { *out << '"' << KindText(kind) << '"'; }
inline void PrintTo(Picture picture, std::ostream* out) { *out << PictureName(picture); }
inline void PrintTo(Timer timer, std::ostream* out) { *out << TimerName(timer); }
}  // namespace vexalon
