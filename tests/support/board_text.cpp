#include "support/board_text.h"

#include <sstream>
#include <stdexcept>

namespace vexalon::testing {

void SetBoard(GameForm& game, std::string_view rows) {
  std::istringstream in{std::string(rows)};
  std::string token;
  int k = 0;
  while (in >> token) {
    if (k >= kCells) throw std::invalid_argument("more than 36 cells");
    Cell& cell = game.sq[static_cast<std::size_t>(k++)];
    bool marked = token.size() > 1 && token.back() == '*';
    if (marked) token.pop_back();
    if (token == "R") token = "Removed";
    if (token == ".") token = "";
    std::optional<Kind> kind = KindFromText(token);
    if (!kind) throw std::invalid_argument("no such kind: " + token);
    cell.tag = *kind;
    cell.marked = marked ? 1 : 0;
    cell.picture = Template(*kind);
    if (marked) cell.picture = MarkedTemplate(*kind).value_or(cell.picture);
  }
  if (k != kCells) throw std::invalid_argument("fewer than 36 cells");
}

std::string BoardText(const GameForm& game) {
  std::string text;
  for (int k = 0; k < kCells; ++k) {
    const Cell& cell = game.sq[static_cast<std::size_t>(k)];
    std::string token(KindText(cell.tag));
    if (cell.tag == Kind::Removed) token = "R";
    if (cell.tag == Kind::None) token = ".";
    if (cell.marked) token += '*';
    text += token;
    text += (k % kSide == kSide - 1) ? "\n" : " ";
  }
  return text;
}

Table::Table(std::string_view rows, bool inPlay) {
  platform.game = &game;
  game.Form_Load();
  platform.DisableTimer(Timer::WaitAfterInitTimer);
  SetBoard(game, rows);
  if (inPlay) game.record.newGame = false;
}

}  // namespace vexalon::testing

namespace vexalon::testing {

std::string Rows(std::string_view rows) {
  std::istringstream in{std::string(rows)};
  std::string token, text;
  int k = 0;
  while (in >> token) {
    text += token;
    text += (k++ % kSide == kSide - 1) ? "\n" : " ";
  }
  return text;
}

}  // namespace vexalon::testing
