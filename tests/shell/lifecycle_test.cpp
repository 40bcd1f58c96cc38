#include <gtest/gtest.h>

#include <sstream>

#include "shell/clock_random.h"
#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Table;

std::string Text(const StateRecord& r) {
  std::ostringstream out;
  out << "score " << r.score << " combo " << r.combo << (r.comboShown ? " shown" : " hidden") << " erasers "
      << r.erasers << " level " << r.level << " difficulty " << r.levelTxt << " hiscore " << r.hiScore
      << " new " << r.newGame << " reactions " << r.reactions << " y " << r.clickedY << " over " << r.gameOverShown;
  return out.str();
}

// A loaded game and a new game at difficulty 1 start alike; the first scan
// comes a second after the deal.
TEST(Lifecycle, LoadAndNewGameStartTheSameFreshGame) {
  Table loaded;
  loaded.platform.stored = "1230";
  loaded.platform.randoms = testing::Draws(testing::kQuiet);
  loaded.game.Form_Load();
  EXPECT_EQ(Text(loaded.game.record),
            "score 0 combo 0 hidden erasers 0 level 1 difficulty 1 hiscore 1230 new 1 reactions 0 y  over 0");
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
  EXPECT_TRUE(played.game.record.comboShown);  // New game leaves the display alone
  played.game.record.comboShown = false;
  EXPECT_EQ(Text(played.game.record), Text(loaded.game.record));
}

// The close says what this window did to the high score it loaded:
// "0" nothing, "1" a record, "2" a clear (and maybe records after it).
TEST(Lifecycle, HighScoreIsClearedAfterAskingAndSavedAtTheClose) {
  for (auto [answer, shown, saved, savedAfterRecord] : {std::tuple{Answer::Yes, "0", "0 2", "900 2"},
                                                        {Answer::No, "777", "777 0", "900 1"},
                                                        {Answer::Cancel, "777", "777 0", "900 1"}}) {
    for (bool record : {false, true}) {
      Table table;
      table.platform.stored = "777";
      table.game.Form_Load();
      table.platform.answers = {answer};
      record ? table.game.LabelClr_Click() : table.game.Label5_Click();
      EXPECT_EQ(table.game.record.hiScore, shown);
      EXPECT_EQ(table.platform.prompt, "Clear Hiscore: Do you really want to clear the hiscore?");
      if (record) table.game.record.hiScore = "900";  // as a game over sets it
      table.game.Form_Unload();
      EXPECT_EQ(table.platform.writes.back(), record ? savedAfterRecord : saved);
    }
  }
}

TEST(Lifecycle, DrawsSpreadOverZeroToOneAndDifferEachDeal) {
  ClockRandom random, other;
  random.SeedFromClock();
  other.SeedFromClock();
  float low = 1, high = 0;
  for (int i = 0; i < 100000; ++i) {
    float r = random.Next();
    low = std::min(low, r), high = std::max(high, r);
  }
  EXPECT_TRUE(low >= 0 && low < 0.0001f && high > 0.9999f && high < 1) << low << " " << high;
  EXPECT_NE(random.Next(), other.Next());
}

}  // namespace
}  // namespace vexalon
