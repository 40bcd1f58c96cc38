// Boards written as six rows of kind texts, for tests:
//   "1up"      a square of that kind, showing its own picture
//   "2*"       the same, marked for removal and showing its diamond
//   "R"        a removed cell, shown empty; "."  a cell never filled
//   "R*/tri3r" a token may name the picture it shows when that is not the
//              one its kind and mark imply
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/fake_platform.h"

namespace vexalon::testing {

std::vector<std::string> Tokens(std::string_view text);  // split at white space
void SetBoard(GameForm& game, std::string_view rows);
std::string BoardText(const GameForm& game);
// Boards side by side, six tokens a row each, spaced as BoardText spaces them.
std::vector<std::string> Boards(std::string_view rows);
// Draws that make a level-1 fill deal these kinds, e.g. "4down 3up 0".
std::deque<float> Draws(std::string_view kinds);

// A game on a fake platform, loaded, then given the board and put in play:
// the deal's wait is cancelled and the new-game flag is "0".
struct Table {
  FakePlatform platform;
  GameForm game{platform};

  explicit Table(std::string_view rows = {}, bool inPlay = true);
  std::string Board() const { return BoardText(game); }
  std::string At(int index) const { return Tokens(Board())[static_cast<std::size_t>(index)]; }
  Cell& at(int index) { return game.sq[static_cast<std::size_t>(index)]; }
};

// No line of three anywhere, and one arrow square so the game goes on.
inline constexpr const char* kQuiet = "0up 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1";

}  // namespace vexalon::testing
