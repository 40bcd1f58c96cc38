#include <gtest/gtest.h>

#include <sstream>

#include "shell/clock_random.h"
#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Table;

std::string Text(const StateRecord& r) {
  std::ostringstream out;
  out << r.score << " combo " << r.combo << (r.comboShown ? " shown" : "") << " erasers " << r.erasers << " level "
      << r.level << "/" << r.levelTxt << " hi " << r.hiScore << " new " << r.newGame << " reactions " << r.reactions
      << (r.gameOverShown ? " over" : "");
  return out.str();
}

// A loaded game and a new game at difficulty 1 start alike, with the first
// scan a second after the deal; New game leaves the combo display alone.
TEST(Lifecycle, LoadAndNewGameStartTheSameFreshGame) {
  Table loaded;
  loaded.platform.stored = "1230";
  loaded.platform.randoms = testing::Draws(testing::kQuiet);
  loaded.game.Form_Load();
  EXPECT_EQ(Text(loaded.game.record), "0 combo 0 erasers 0 level 1/1 hi 1230 new 1 reactions 0");
  EXPECT_EQ(testing::Tokens(loaded.Board()), testing::Tokens(testing::kQuiet));
  loaded.platform.Advance(999);
  EXPECT_EQ(loaded.platform.log, "");
  loaded.platform.Advance(1);
  EXPECT_EQ(loaded.platform.log, "1000 WaitAfterInitTimer\n");
  Table played(testing::kQuiet);
  played.game.record = {.score = 450, .combo = 3, .comboShown = true, .erasers = 2, .level = 11, .levelTxt = 9,
                        .hiScore = "1230", .newGame = false, .reactions = 17, .clickedY = "", .gameOverShown = true};
  played.game.HScrollLevel_Change(0);  // below the bar: 1
  played.game.Command1_Click();
  EXPECT_EQ(Text(played.game.record), "0 combo 0 shown erasers 0 level 1/1 hi 1230 new 1 reactions 0");
}

// Draws spread over [0, 1), and each deal's seed differs.
TEST(Lifecycle, DrawsSpreadOverZeroToOne) {
  ClockRandom random, other;
  random.SeedFromClock(), other.SeedFromClock();
  float low = 1, high = 0;
  for (int i = 0; i < 100000; ++i) low = std::min(low, random.Next()), high = std::max(high, random.Next());
  EXPECT_TRUE(low >= 0 && low < 0.0001f && high > 0.9999f && high < 1 && random.Next() != other.Next()) << low << " " << high;
}

}  // namespace
}  // namespace vexalon
