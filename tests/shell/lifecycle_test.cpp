#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::FakePlatform;
using T = Timer;

struct Loaded {
  FakePlatform platform;
  GameForm game{platform};
  explicit Loaded(std::string stored = "0") {
    platform.game = &game;
    platform.stored = std::move(stored);
    game.Form_Load();
  }
};

TEST(Lifecycle, LoadResetsTheRecordAndDeals) {
  Loaded run("1230");
  const StateRecord& r = run.game.record;
  EXPECT_EQ(r.level, 1);
  EXPECT_EQ(r.score, 0);
  EXPECT_EQ(r.combo, 0);
  EXPECT_FALSE(r.comboShown);
  EXPECT_TRUE(r.newGame);
  EXPECT_EQ(r.reactions, 0);
  EXPECT_EQ(r.hiScore, "1230");
  EXPECT_EQ(r.erasers, 0);
  EXPECT_EQ(r.levelTxt, 1);
  EXPECT_FALSE(r.gameOverShown);
  EXPECT_TRUE(r.clickedY.empty());
  for (const Cell& cell : run.game.sq) {
    EXPECT_NE(cell.tag, Kind::None);
    EXPECT_NE(cell.tag, Kind::Removed);
    EXPECT_EQ(cell.picture, Template(cell.tag));
    EXPECT_EQ(cell.marked, 0);
  }
  EXPECT_TRUE(run.platform.Enabled(T::WaitAfterInitTimer));
  for (int t = 1; t < kTimerCount; ++t) EXPECT_FALSE(run.platform.Enabled(static_cast<T>(t)));
}

TEST(Lifecycle, StoredTextIsShownUnchecked) {
  for (const char* stored : {"abc", "-5", "99999999999999999999", ""}) EXPECT_EQ(Loaded(stored).game.record.hiScore, stored);
}

TEST(Lifecycle, NewGameDealsAtTheChosenDifficulty) {
  Loaded run("900");
  GameForm& game = run.game;
  game.record = {.score = 450, .combo = 3, .comboShown = true, .erasers = 2, .level = 11, .levelTxt = 1,
                 .hiScore = "900", .newGame = false, .reactions = 17, .clickedY = "300", .gameOverShown = true};
  game.HScrollLevel_Change(10);
  EXPECT_EQ(game.record.levelTxt, 10);
  EXPECT_EQ(game.record.level, 11);  // the scroll bar only proposes
  for (T t : {T::TimerClearSq, T::TimerMoveDown, T::TimerFillUp, T::WaitAfterClickTimer, T::TimerHideCombo,
              T::WaitAfterReactionsTimer})
    run.platform.EnableTimer(t);
  run.platform.randoms.assign(36, 0.99f);  // the last kind of the row: "1234" at level 10
  game.Command1_Click();
  const StateRecord& r = game.record;
  EXPECT_EQ(r.level, 10);
  EXPECT_EQ(r.score, 0);
  EXPECT_EQ(r.combo, 0);
  EXPECT_TRUE(r.comboShown);  // visibility left alone
  EXPECT_EQ(r.erasers, 0);
  EXPECT_TRUE(r.newGame);
  EXPECT_EQ(r.reactions, 0);
  EXPECT_FALSE(r.gameOverShown);
  EXPECT_EQ(r.hiScore, "900");
  EXPECT_EQ(r.clickedY, "300");
  EXPECT_EQ(game.sq[0].tag, Kind::k1234);
  EXPECT_FALSE(run.platform.Enabled(T::TimerClearSq));
  EXPECT_FALSE(run.platform.Enabled(T::TimerMoveDown));
  EXPECT_FALSE(run.platform.Enabled(T::TimerFillUp));
  for (T t : {T::WaitAfterClickTimer, T::TimerHideCombo, T::WaitAfterReactionsTimer, T::WaitAfterInitTimer})
    EXPECT_TRUE(run.platform.Enabled(t));
}

TEST(Lifecycle, DifficultyStaysWithinItsBar) {
  Loaded run;
  for (auto [value, shown] : {std::pair{7, 7}, {0, 1}, {11, 10}, {-3, 1}}) {
    run.game.HScrollLevel_Change(value);
    EXPECT_EQ(run.game.record.levelTxt, shown);
  }
}

TEST(Lifecycle, ClearingTheHighScoreAsksFirst) {
  for (auto [answer, after] : {std::pair{Answer::Yes, "0"}, {Answer::No, "777"}, {Answer::Cancel, "777"}}) {
    for (bool viaClear : {false, true}) {
      Loaded run("777");
      run.platform.answers = {answer};
      viaClear ? run.game.LabelClr_Click() : run.game.Label5_Click();
      EXPECT_EQ(run.game.record.hiScore, after);
      EXPECT_EQ(run.platform.prompts,
                std::vector<std::string>{"Clear Hiscore: Do you really want to clear the hiscore?"});
      EXPECT_EQ(run.platform.stored, "777");  // saved only at the close
    }
  }
}

TEST(Lifecycle, CloseWritesTheHighScoreEvenUnchanged) {
  Loaded run("abc");
  run.game.Form_Unload();
  EXPECT_EQ(run.platform.writes, std::vector<std::string>{"abc"});
}

TEST(Lifecycle, FreshDealCascadesWithoutScoring) {
  // A whole run of deals settles by itself; nothing scores and the level stays.
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    Loaded run;
    run.platform.generator.seed(seed);
    run.game.Command1_Click();
    run.platform.RunUntilIdle();
    EXPECT_EQ(run.game.record.score, 0);
    EXPECT_EQ(run.game.record.level, 1);
    EXPECT_FALSE(run.game.record.comboShown);
    EXPECT_EQ(run.game.record.reactions, run.game.record.combo);
    EXPECT_TRUE(run.game.record.newGame);
  }
}

}  // namespace
}  // namespace vexalon
