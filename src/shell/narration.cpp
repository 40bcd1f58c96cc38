#include "shell/narration.h"

#include <cctype>
#include <climits>
#include <initializer_list>
#include <vector>

// The texts below are the English sources of the game's catalogs: Qt's
// lupdate finds them by these marks, which mean nothing here.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif

namespace vexalon {
namespace {

const char* const kColours[] = {QT_TRANSLATE_NOOP("vexalon::Narration", "violet"), QT_TRANSLATE_NOOP("vexalon::Narration", "green"), QT_TRANSLATE_NOOP("vexalon::Narration", "yellow"), QT_TRANSLATE_NOOP("vexalon::Narration", "red"), QT_TRANSLATE_NOOP("vexalon::Narration", "blue")};

Translation& Language() {
  static Translation translation;
  return translation;
}

// %1, %2, ... become the words given, %n the count.
std::string Fill(const std::string& text, std::initializer_list<std::string> words, std::int64_t n = -1) {
  std::string filled;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '%' && next >= '1' && next < '1' + static_cast<int>(words.size()))
      filled += words.begin()[next - '1'], ++i;
    else if (text[i] == '%' && next == 'n' && n >= 0)
      filled += std::to_string(n), ++i;
    else
      filled += text[i];
  }
  return filled;
}

// The English text in the player's language.
std::string Tr(const char* english, std::int64_t n = -1) {
  std::string said;
  if (Language()) said = Language()(english, n < 0 ? -1 : static_cast<int>(std::min<std::int64_t>(n, INT_MAX)));
  return said.empty() ? english : said;
}

// A count: the language's plural forms, or English, which says "1" with
// the singular text given.
std::string Plural(std::int64_t n, const char* many, const char* one, std::initializer_list<std::string> words = {}) {
  std::string said = n == 1 && (!Language() || Language()(many, 1).empty()) ? one : Tr(many, n);
  return Fill(said, words, n);
}

std::string Capital(std::string words) {
  if (!words.empty()) words[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(words[0])));
  return words;
}

std::string Lower(std::string words) {
  if (!words.empty()) words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
  return words;
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

void SpeakIn(Translation translation) { Language() = std::move(translation); }

Scene SceneOf(const GameForm& game) { return {game.sq, game.record, game.tally}; }

std::string SquareWords(Picture picture) {
  if (picture == Picture::sq1234) return Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "All colours"));
  std::optional<PictureLook> look = LookOf(picture);
  if (!look) return Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Empty"));
  std::string words = Capital(Tr(kColours[look->digit]));
  if (look->marked) words = Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "%1, marked")), {words});
  if (look->up && look->down) return Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "%1, arrows up and down")), {words});
  if (look->up) return Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "%1, arrow up")), {words});
  if (look->down) return Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "%1, arrow down")), {words});
  return words;
}

std::string SquareKeys(Picture picture) {
  std::optional<Kind> kind;
  for (int k = static_cast<int>(Kind::k0); k <= static_cast<int>(Kind::k1234); ++k)
    if (Template(static_cast<Kind>(k)) == picture) kind = static_cast<Kind>(k);
  if (!kind) return "";
  if (IsPlain(*kind)) return Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Space spends an eraser on it"));
  std::optional<Kind> up = SteppedKind(*kind, true), down = SteppedKind(*kind, false);
  if (!up || !down) return Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Space does nothing here"));
  auto to = [&kind](Kind next) {
    const char* way = FirstChar(next) > FirstChar(*kind) ? QT_TRANSLATE_NOOP("vexalon::Narration", "up to %1") : QT_TRANSLATE_NOOP("vexalon::Narration", "down to %1");
    return Fill(Tr(way), {Lower(SquareWords(Template(next)))});
  };
  if (*up == *down) return Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Space or Page Down steps %1")), {to(*up)});
  return Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Space steps %1; Page Down steps %2")), {to(*up), to(*down)});
}

std::string PanelSentence(const StateRecord& r) {
  std::string panel = Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Score %1, level %2, erasers %3, hiscore %4, difficulty %5 for the next game.")),
                           {Decimal(r.score), Decimal(r.level), Decimal(r.erasers), r.hiScore, Decimal(r.levelTxt)});
  return r.gameOverShown ? Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Game over. %1")), {panel}) : panel;
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
    said = r.erasers > 0 ? Plural(r.erasers, QT_TRANSLATE_N_NOOP("vexalon::Narration", "Removed, %n erasers left"), "Removed, 1 eraser left")
                         : Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Removed, no eraser left"));
  } else if (IsPlain(was)) {
    said = Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "No eraser left")), changed = false;
  } else if (was == Kind::k1234) {
    said = Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "All colours has no arrow to step")), changed = false;
  } else if (!SteppedKind(was, true)) {
    said = Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Empty")), changed = false;
  } else if (!tried) {
    stepPoints_ += r.score - before.record.score;
    said = SquareWords(now.picture);
  } else if (game_.tally.reactions == before.tally.reactions) {
    said = Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "No colour reacts")), changed = false;
  } else {
    said = SquareWords(now.picture);
  }
  moved_ = moved_ || changed;
  said += ".";
  if (!changed && r.gameOverShown && gameOverTold_) said += " " + Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Game over: Ctrl+N or F2 starts a new game."));
  return Then(said, GameOverNews());
}

std::string Narrator::NewGame() {
  since_ = SceneOf(game_);
  stepPoints_ = erasersSpent_ = 0;
  moved_ = dealTold_ = gameOverTold_ = false;
  return Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "New game, level %1.")), {Decimal(game_.record.level)});
}

std::string Narrator::Settled() {
  if (game_.tally.stillScans == since_.tally.stillScans) return "";
  const StateRecord& r = game_.record;
  const auto reactions = static_cast<std::int64_t>(game_.tally.reactions - since_.tally.reactions);
  std::vector<std::string> parts;
  if (r.newGame && !dealTold_) parts.push_back(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "board ready"))), dealTold_ = true;
  if (reactions > 0 && (moved_ || !r.newGame)) {
    bool combo = r.comboShown && r.combo > 1;
    if (combo) parts.push_back(Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Combo x %1")), {Decimal(r.combo)}));
    if (!combo || r.combo != reactions) parts.push_back(Plural(reactions, QT_TRANSLATE_N_NOOP("vexalon::Narration", "%n reactions"), "1 reaction"));
    if (!r.newGame) {
      std::int64_t points = r.score - since_.record.score - stepPoints_;
      parts.push_back(Plural(points, QT_TRANSLATE_N_NOOP("vexalon::Narration", "%n points, score %1"), "1 point, score %1", {Decimal(r.score)}));
    }
    std::int64_t earned = r.erasers - since_.record.erasers + erasersSpent_;
    if (earned > 0) parts.push_back(Plural(earned, QT_TRANSLATE_N_NOOP("vexalon::Narration", "%n erasers earned"), "an eraser earned"));
    if (r.level > since_.record.level) parts.push_back(Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "level %1")), {Decimal(r.level)}));
  } else if (moved_) {
    parts.push_back(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "no reaction")));
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
  if (record) return Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Game over. Score %1, a new high score. Ctrl+N or F2 starts a new game.")), {Decimal(r.score)});
  return Fill(Tr(QT_TRANSLATE_NOOP("vexalon::Narration", "Game over. Score %1, high score %2. Ctrl+N or F2 starts a new game.")), {Decimal(r.score), r.hiScore});
}

}  // namespace vexalon
