#include "support/board_text.h"

#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>

namespace vexalon::testing {
namespace {

std::string Join(const std::vector<std::string>& tokens) {
  std::string text;
  for (std::size_t i = 0; i < tokens.size(); ++i) text += tokens[i] + (i % kSide == kSide - 1 ? "\n" : " ");
  return text;
}

// What a cell shows when nothing has gone wrong with its picture.
Picture Implied(const Cell& c) { return c.marked ? MarkedTemplate(c.tag).value_or(Template(c.tag)) : Template(c.tag); }

}  // namespace

std::vector<std::string> Tokens(std::string_view text) {
  std::istringstream in{std::string(text)};
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::vector<std::string> Boards(std::string_view rows) {
  std::size_t first = rows.find_first_not_of(" \n"), across = Tokens(rows.substr(first, rows.find('\n', first) - first)).size();
  std::vector<std::vector<std::string>> boards(across / kSide);
  std::vector<std::string> tokens = Tokens(rows), texts;
  for (std::size_t i = 0; i < tokens.size(); ++i) boards[i % across / kSide].push_back(tokens[i]);
  for (const auto& board : boards) texts.push_back(Join(board));
  return texts;
}

// The middle of each kind's share of the draws at level 1 (h = r x 115).
std::deque<float> Draws(std::string_view kinds) {
  static const std::map<std::string, int> kH{{"4down", 10}, {"3up", 25}, {"3down", 35}, {"2up", 45}, {"2down", 55},
                                             {"1up", 65},   {"1down", 75}, {"0up", 90},  {"4", 102},  {"3", 105},
                                             {"2", 108},    {"1", 111},    {"0", 114}};
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

void SetBoard(GameForm& game, std::string_view rows) {
  std::vector<std::string> tokens = Tokens(rows);
  if (tokens.size() != kCells) throw std::invalid_argument("a board has 36 cells: " + std::string(rows));
  for (std::size_t k = 0; k < kCells; ++k) {
    std::string token = tokens[k].substr(0, tokens[k].find('/')), picture = tokens[k].substr(token.size());
    Cell& cell = game.sq[k];
    cell.marked = token.size() > 1 && token.back() == '*';
    std::string name = token.substr(0, token.size() - cell.marked);
    std::optional<Kind> kind = KindFromText(name == "R" ? "Removed" : name == "." ? "" : name);
    if (!kind) throw std::invalid_argument("no such kind: " + token);
    cell.tag = *kind;
    cell.picture = Implied(cell);
    for (int p = 0; p < kPictureCount; ++p)
      if ("/" + std::string(PictureName(static_cast<Picture>(p))) == picture) cell.picture = static_cast<Picture>(p);
  }
}

std::string BoardText(const GameForm& game) {
  std::vector<std::string> tokens;
  for (const Cell& c : game.sq)
    tokens.push_back(std::string(c.tag == Kind::Removed ? "R" : c.tag == Kind::None ? "." : KindText(c.tag)) + (c.marked ? "*" : "") +
                     (c.picture != Implied(c) ? "/" + std::string(PictureName(c.picture)) : ""));
  return Join(tokens);
}

}  // namespace vexalon::testing
