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

TEST(Lifecycle, LoadAndNewGameStartTheSameFreshGame) {
  Table loaded;
  loaded.platform.stored = "1230";
  loaded.platform.randoms = testing::Draws(testing::kQuiet);
  loaded.game.Form_Load();
  EXPECT_EQ(Text(loaded.game.record),
            "score 0 combo 0 hidden erasers 0 level 1 difficulty 1 hiscore 1230 new 1 reactions 0 y  over 0");
  EXPECT_EQ(loaded.Board(), testing::Rows(testing::kQuiet));
  // The first scan comes a second after the deal; nothing else is waiting.
  loaded.platform.Advance(999);
  EXPECT_EQ(loaded.platform.log, "");
  loaded.platform.Advance(1);
  EXPECT_EQ(loaded.platform.log, "1000 WaitAfterInitTimer\n");

  Table played(testing::kQuiet);
  played.game.record = {.score = 450, .combo = 3, .comboShown = true, .erasers = 2, .level = 11, .levelTxt = 1,
                        .hiScore = "1230", .newGame = false, .reactions = 17, .clickedY = "", .gameOverShown = true};
  played.game.HScrollLevel_Change(1);
  played.game.Command1_Click();
  EXPECT_TRUE(played.game.record.comboShown);  // New game leaves the display alone
  played.game.record.comboShown = false;
  EXPECT_EQ(Text(played.game.record), Text(loaded.game.record));
  EXPECT_TRUE(played.platform.Enabled(Timer::WaitAfterInitTimer));
}

TEST(Lifecycle, FreshDealCascadesWithoutScoring) {
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    Table table;
    table.platform.generator.seed(seed);
    table.game.HScrollLevel_Change(seed % 10 + 1);
    table.game.Command1_Click();
    table.platform.RunUntilIdle();
    EXPECT_EQ(table.game.record.score, 0);
    EXPECT_EQ(table.game.record.level, seed % 10 + 1);
    EXPECT_FALSE(table.game.record.comboShown);
    EXPECT_EQ(table.game.record.reactions, table.game.record.combo);
  }
}

TEST(Lifecycle, DifficultyStaysWithinItsBarUntilNewGame) {
  Table table;
  for (auto [value, shown] : {std::pair{7, 7}, {0, 1}, {11, 10}, {-3, 1}, {10, 10}}) {
    table.game.HScrollLevel_Change(value);
    EXPECT_EQ(table.game.record.levelTxt, shown);
  }
  EXPECT_EQ(table.game.record.level, 1);
}

// The close says what this window did to the high score it loaded:
// "0" nothing, "1" a record, "2" a clear (and maybe records after it).
TEST(Lifecycle, HighScoreIsClearedAfterAskingAndSavedAtTheClose) {
  struct Case {
    Answer answer;
    const char *shown, *saved, *savedAfterRecord;
  };
  const Case cases[] = {{Answer::Yes, "0", "0 2", "900 2"}, {Answer::No, "777", "777 0", "900 1"},
                        {Answer::Cancel, "777", "777 0", "900 1"}};
  for (const Case& c : cases) {
    for (bool record : {false, true}) {
      Table table;
      table.platform.stored = "777";
      table.game.Form_Load();
      table.platform.answers = {c.answer};
      record ? table.game.LabelClr_Click() : table.game.Label5_Click();
      EXPECT_EQ(table.game.record.hiScore, c.shown);
      EXPECT_EQ(table.platform.prompt, "Clear Hiscore: Do you really want to clear the hiscore?");
      if (record) table.game.record.hiScore = "900";  // as a game over sets it
      table.game.Form_Unload();
      EXPECT_EQ(table.platform.writes.back(), record ? c.savedAfterRecord : c.saved);
    }
  }
}

TEST(ClockRandom, DrawsSpreadOverZeroToOneAndDifferEachDeal) {
  ClockRandom random;
  random.SeedFromClock();
  float low = 1, high = 0, first = random.Next();
  for (int i = 0; i < 100000; ++i) {
    float r = random.Next();
    ASSERT_TRUE(r >= 0 && r < 1) << r;
    low = std::min(low, r);
    high = std::max(high, r);
  }
  EXPECT_LT(low, 0.0001f);
  EXPECT_GT(high, 0.9999f);
  random.SeedFromClock();
  EXPECT_NE(random.Next(), first);
}

}  // namespace
}  // namespace vexalon
