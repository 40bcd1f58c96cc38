#include "support/board_text.h"

#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace vexalon::testing {
namespace {

std::vector<std::string> Tokens(std::string_view rows) {
  std::istringstream in{std::string(rows)};
  std::vector<std::string> tokens;
  for (std::string token; in >> token;) tokens.push_back(token);
  return tokens;
}

std::string Join(const std::vector<std::string>& tokens) {
  std::string text;
  for (std::size_t i = 0; i < tokens.size(); ++i) text += tokens[i] + (i % kSide == kSide - 1 ? "\n" : " ");
  return text;
}

// What a cell shows when nothing has gone wrong with its picture.
Picture Implied(const Cell& cell) {
  if (cell.marked) return MarkedTemplate(cell.tag).value_or(Template(cell.tag));
  return Template(cell.tag);
}

}  // namespace

void SetBoard(GameForm& game, std::string_view rows) {
  std::vector<std::string> tokens = Tokens(rows);
  if (tokens.size() != kCells) throw std::invalid_argument("a board has 36 cells: " + std::string(rows));
  for (int k = 0; k < kCells; ++k) {
    std::string token = tokens[static_cast<std::size_t>(k)], picture;
    if (std::size_t slash = token.find('/'); slash != token.npos) {
      picture = token.substr(slash + 1);
      token.resize(slash);
    }
    Cell& cell = game.sq[static_cast<std::size_t>(k)];
    cell.marked = token.size() > 1 && token.back() == '*';
    if (cell.marked) token.pop_back();
    std::optional<Kind> kind = KindFromText(token == "R" ? "Removed" : token == "." ? "" : token);
    if (!kind) throw std::invalid_argument("no such kind: " + token);
    cell.tag = *kind;
    cell.picture = Implied(cell);
    for (int p = 0; p < kPictureCount; ++p)
      if (PictureName(static_cast<Picture>(p)) == picture) cell.picture = static_cast<Picture>(p);
  }
}

std::string BoardText(const GameForm& game) {
  std::vector<std::string> tokens;
  for (const Cell& cell : game.sq) {
    std::string token(cell.tag == Kind::Removed ? "R" : cell.tag == Kind::None ? "." : KindText(cell.tag));
    if (cell.marked) token += '*';
    if (cell.picture != Implied(cell)) token += "/" + std::string(PictureName(cell.picture));
    tokens.push_back(token);
  }
  return Join(tokens);
}

std::string Rows(std::string_view rows) { return Join(Tokens(rows)); }

std::pair<std::string, std::string> SideBySide(std::string_view rows) {
  std::vector<std::string> tokens = Tokens(rows), left, right;
  for (std::size_t i = 0; i < tokens.size(); ++i) (i % 12 < 6 ? left : right).push_back(tokens[i]);
  return {Join(left), Join(right)};
}

// The middle of each kind's share of the draws at level 1 (h = r x 115).
std::deque<float> Draws(std::string_view kinds) {
  static const std::map<std::string, int, std::less<>> kH{
      {"4down", 10}, {"3up", 25}, {"3down", 35}, {"2up", 45}, {"2down", 55}, {"1up", 65}, {"1down", 75},
      {"0up", 90},   {"4", 102},  {"3", 105},    {"2", 108},  {"1", 111},    {"0", 114}};
  std::deque<float> draws;
  for (const std::string& kind : Tokens(kinds)) draws.push_back(static_cast<float>(kH.at(kind)) / 115.0f);
  return draws;
}

Table::Table(std::string_view rows, bool inPlay) {
  platform.game = &game;
  game.Form_Load();
  if (rows.empty()) return;
  platform.DisableTimer(Timer::WaitAfterInitTimer);
  SetBoard(game, rows);
  game.record.newGame = !inPlay;
}

}  // namespace vexalon::testing
