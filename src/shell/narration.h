// What the game says to a player who hears it rather than sees it: the
// answer to each move at once, one sentence when the chain that a move set
// off has ended, Game Over, and the panel on demand. Only the words are
// decided here, from the game as it was and as it is; the window speaks
// them.
#pragma once

#include <functional>
#include <string>

#include "shell/game_form.h"

namespace vexalon {

// The player's language for every word below: the English template, with
// %n to be the count n (n < 0: none), in that language, or empty where it
// has no words for it, which then stay English. Unset, all is English.
using Translation = std::function<std::string(const char* english, int n)>;
void SpeakIn(Translation translation);

// What a listener knows of the game at one moment.
struct Scene {
  Board board;
  StateRecord record;
  Tally tally;
};

Scene SceneOf(const GameForm& game);

// A square's picture in words: "Red, arrow up", "Green, marked",
// "All colours", "Empty".
std::string SquareWords(Picture picture);

// What Space and Page Down do on a square that shows the picture:
// "Space or Page Down steps up to green, arrow up".
std::string SquareKeys(Picture picture);

// Score, level, erasers, high score and the next game's difficulty.
std::string PanelSentence(const StateRecord& record);

class Narrator {
 public:
  explicit Narrator(const GameForm& game);

  // After the handler of a press or release on a square: what became of
  // the square, or why nothing did. A plain press, or the release of an
  // alternate press, is half a move and says nothing.
  std::string Pressed(int index, int button, int shift, const Scene& before);
  std::string Released(int index, int button, int shift, const Scene& before);
  // After New game.
  std::string NewGame();
  // After every handler: once a scan has found the board still, what the
  // chain did since the last such sentence; nothing mid-chain.
  std::string Settled();

 private:
  std::string Moved(int index, const Scene& before, bool tried);
  std::string GameOverNews();

  const GameForm& game_;
  Scene since_;                  // the game when the last chain's sentence was said
  std::int64_t stepPoints_ = 0;  // what the steps themselves scored since
  std::int64_t erasersSpent_ = 0;
  bool moved_ = false;           // a move since that changed the board
  bool dealTold_ = false;        // "Board ready" said for this game
  bool gameOverTold_ = false;
};

}  // namespace vexalon
