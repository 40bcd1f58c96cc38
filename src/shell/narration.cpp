#include "shell/narration.h"

#include <cctype>
#include <vector>

namespace vexalon {
namespace {

const char* const kColours[] = {"violet", "green", "yellow", "red", "blue"};

std::string Capital(std::string words) {
  if (!words.empty()) words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
  return words;
}

std::string Lower(std::string words) {
  if (!words.empty()) words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
  return words;
}

std::string Count(std::int64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Sentence(const std::vector<std::string>& parts) {
  std::string said;
  for (const std::string& part : parts) said += (said.empty() ? "" : ", ") + part;
  return said.empty() ? said : Capital(said) + ".";
}

std::string Then(std::string said, const std::string& more) {
  return said.empty() || more.empty() ? said + more : said + " " + more;
}

}  // namespace

Scene SceneOf(const GameForm& game) { return {game.sq, game.record, game.tally}; }

std::string SquareWords(Picture picture) {
  if (picture == Picture::sq1234) return "All colours";
  std::optional<PictureLook> look = LookOf(picture);
  if (!look) return "Empty";
  std::string words = Capital(kColours[look->digit]);
  if (look->marked) words += ", marked";
  if (look->up && look->down) return words + ", arrows up and down";
  if (look->up) return words + ", arrow up";
  if (look->down) return words + ", arrow down";
  return words;
}

std::string SquareKeys(Picture picture) {
  std::optional<Kind> kind;
  for (int k = static_cast<int>(Kind::k0); k <= static_cast<int>(Kind::k1234); ++k)
    if (Template(static_cast<Kind>(k)) == picture) kind = static_cast<Kind>(k);
  if (!kind) return "";
  if (IsPlain(*kind)) return "Space spends an eraser on it";
  std::optional<Kind> up = SteppedKind(*kind, true), down = SteppedKind(*kind, false);
  if (!up || !down) return "Space does nothing here";
  auto to = [&kind](Kind next) {
    return std::string(FirstChar(next) > FirstChar(*kind) ? "up" : "down") + " to " + Lower(SquareWords(Template(next)));
  };
  if (*up == *down) return "Space or Page Down steps " + to(*up);
  return "Space steps " + to(*up) + "; Page Down steps " + to(*down);
}

std::string PanelSentence(const StateRecord& r) {
  return std::string(r.gameOverShown ? "Game over. " : "") + "Score " + Decimal(r.score) + ", level " +
         Decimal(r.level) + ", erasers " + Decimal(r.erasers) + ", hiscore " + r.hiScore + ", difficulty " +
         Decimal(r.levelTxt) + " for the next game.";
}

Narrator::Narrator(const GameForm& game) : game_(game), since_(SceneOf(game)) {}

std::string Narrator::Pressed(int index, int button, int shift, const Scene& before) {
  return IsAlternate(button, shift) ? Moved(index, before, true) : "";
}

std::string Narrator::Released(int index, int button, int shift, const Scene& before) {
  return IsAlternate(button, shift) ? "" : Moved(index, before, false);
}

std::string Narrator::Moved(int index, const Scene& before, bool tried) {
  const Kind was = before.board[static_cast<std::size_t>(index)].tag;
  const Cell& now = game_.sq[static_cast<std::size_t>(index)];
  const StateRecord& r = game_.record;
  std::string said;
  bool changed = true;
  if (IsPlain(was) && before.record.erasers > 0) {
    ++erasersSpent_;
    said = "Removed, " + (r.erasers > 0 ? Count(r.erasers, "eraser", "erasers") : "no eraser") + " left";
  } else if (IsPlain(was)) {
    said = "No eraser left", changed = false;
  } else if (was == Kind::k1234) {
    said = "All colours has no arrow to step", changed = false;
  } else if (!SteppedKind(was, true)) {
    said = "Empty", changed = false;
  } else if (!tried) {
    stepPoints_ += r.score - before.record.score;
    said = SquareWords(now.picture);
  } else if (game_.tally.reactions == before.tally.reactions) {
    said = "No colour reacts", changed = false;
  } else {
    said = SquareWords(now.picture);
  }
  moved_ = moved_ || changed;
  said += ".";
  if (!changed && r.gameOverShown && gameOverTold_) said += " Game over: Ctrl+N or F2 starts a new game.";
  return Then(said, GameOverNews());
}

std::string Narrator::NewGame() {
  since_ = SceneOf(game_);
  stepPoints_ = erasersSpent_ = 0;
  moved_ = dealTold_ = gameOverTold_ = false;
  return "New game, level " + Decimal(game_.record.level) + ".";
}

std::string Narrator::Settled() {
  if (game_.tally.stillScans == since_.tally.stillScans) return "";
  const StateRecord& r = game_.record;
  const auto reactions = static_cast<std::int64_t>(game_.tally.reactions - since_.tally.reactions);
  std::vector<std::string> parts;
  if (r.newGame && !dealTold_) parts.push_back("board ready"), dealTold_ = true;
  if (reactions > 0 && (moved_ || !r.newGame)) {
    bool combo = r.comboShown && r.combo > 1;
    if (combo) parts.push_back("Combo x " + Decimal(r.combo));
    if (!combo || r.combo != reactions) parts.push_back(Count(reactions, "reaction", "reactions"));
    if (!r.newGame) {
      std::int64_t points = r.score - since_.record.score - stepPoints_;
      parts.push_back(Count(points, "point", "points") + ", score " + Decimal(r.score));
    }
    std::int64_t earned = r.erasers - since_.record.erasers + erasersSpent_;
    if (earned > 0) parts.push_back(earned == 1 ? "an eraser earned" : Count(earned, "eraser", "erasers") + " earned");
    if (r.level > since_.record.level) parts.push_back("level " + Decimal(r.level));
  } else if (moved_) {
    parts.push_back("no reaction");
  }
  std::string said = Then(Sentence(parts), GameOverNews());
  since_ = SceneOf(game_);
  stepPoints_ = erasersSpent_ = 0;
  moved_ = false;
  return said;
}

// Once a game: the final score, whether it is a new high score, and the
// way to play again.
std::string Narrator::GameOverNews() {
  const StateRecord& r = game_.record;
  if (!r.gameOverShown || gameOverTold_) return "";
  gameOverTold_ = true;
  bool record = r.score > 0 && r.hiScore == Decimal(r.score) && r.hiScore != since_.record.hiScore;
  return "Game over. Score " + Decimal(r.score) + (record ? ", a new high score" : ", high score " + r.hiScore) +
         ". Ctrl+N or F2 starts a new game.";
}

}  // namespace vexalon
