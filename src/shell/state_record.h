// The counters and flags of a game, as the labels of the window show them.
#pragma once

#include <cstdint>
#include <string>

namespace vexalon {

struct StateRecord {
  std::int64_t score = 0;       // LabelScore
  std::int64_t combo = 0;       // LabelCombo
  bool comboShown = true;       // LabelCombo and LabelComboT, shown or hidden together
  std::int64_t erasers = 0;     // LabelRemoves
  std::int64_t level = 0;       // LabelLevel
  int levelTxt = 1;             // LevelTxt: the difficulty chosen on HScrollLevel
  std::string hiScore;          // LabelHiScore: the stored text, unchecked
  bool newGame = false;         // LabelNewGame tag: "1" until the first plain release
  std::int64_t reactions = 0;   // LabelReactions tag: reactions since the last level-up
  std::string clickedY;         // LabelClickedY tag: Y of the latest plain press, in twips
  bool gameOverShown = false;   // LabelGameOver

  friend bool operator==(const StateRecord&, const StateRecord&) = default;
};

std::string Decimal(std::int64_t value);

// A high score text read as an integer: an optional "-" and digits, held
// to the 64-bit range; any other text counts as 0.
std::int64_t HiScoreValue(const std::string& text);

}  // namespace vexalon
