#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::BoardText;
using testing::Rows;
using testing::Table;
using T = Timer;

// Row 0 reacts; everything else is quiet.
constexpr const char* kOneReaction = R"(
  3 3 3 0up 1 2
  1 2 0 1   2 0
  2 0 1 2   0 1
  0 1 2 0   1 2
  1 2 0 1   2 0
  2 0 1 2   0 1 )";

// Draws at level 1 that refill row 0 with "3up 3up 3up" (another reaction)
// or with "4down 3up 1up" (quiet).
const std::deque<float> kReactingRefill{25.0f / 115, 25.0f / 115, 25.0f / 115};
const std::deque<float> kQuietRefill{0.0f, 25.0f / 115, 65.0f / 115};

TEST(Cascade, ChainRunsOnItsIntervals) {
  Table table(kOneReaction);
  table.platform.randoms = kQuietRefill;
  table.platform.EnableTimer(T::WaitAfterReactionsTimer);
  table.platform.RunUntilIdle();
  EXPECT_EQ(table.platform.fired, (std::vector<T>{T::WaitAfterReactionsTimer, T::TimerClearSq, T::TimerMoveDown,
                                                  T::TimerFillUp, T::WaitAfterReactionsTimer}));
  EXPECT_EQ(table.platform.firedTimes, (std::vector<std::int64_t>{200, 700, 900, 1100, 1300}));
  EXPECT_EQ(table.platform.sounds, std::vector<int>{0});
  EXPECT_EQ(BoardText(table.game), Rows(R"(
    4down 3up 1up 0up 1 2
    1     2   0   1   2 0
    2     0   1   2   0 1
    0     1   2   0   1 2
    1     2   0   1   2 0
    2     0   1   2   0 1 )"));
}

TEST(Cascade, EachRemovalOfAChainPlaysItsSoundAndTheComboShows) {
  Table table(kOneReaction);
  for (const auto* refill : {&kReactingRefill, &kReactingRefill, &kQuietRefill})
    table.platform.randoms.insert(table.platform.randoms.end(), refill->begin(), refill->end());
  table.platform.EnableTimer(T::WaitAfterReactionsTimer);
  table.platform.Advance(3500);
  EXPECT_EQ(table.platform.sounds, (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(table.platform.soundTimes, (std::vector<std::int64_t>{200, 1300, 2400}));
  EXPECT_EQ(table.game.record.combo, 3);
  EXPECT_EQ(table.game.record.score, 30);
  EXPECT_TRUE(table.game.record.comboShown);
  EXPECT_TRUE(table.platform.Enabled(T::TimerHideCombo));
  table.platform.Advance(1999);  // the chain ended at 3500
  EXPECT_TRUE(table.game.record.comboShown);
  table.platform.Advance(1);
  EXPECT_FALSE(table.game.record.comboShown);
  EXPECT_EQ(table.game.record.combo, 0);
  EXPECT_FALSE(table.platform.Enabled(T::TimerHideCombo));
}

TEST(Cascade, RemovalWithNothingMarkedStillRunsTheChain) {
  Table table(kOneReaction);
  table.at(0).tag = Kind::k0up;  // row 0 no longer reacts
  std::string before = BoardText(table.game);
  table.game.RemoveAllMarked(true);
  table.platform.RunUntilIdle();
  EXPECT_EQ(table.platform.sounds, std::vector<int>{1});
  EXPECT_EQ(table.platform.fired,
            (std::vector<T>{T::TimerClearSq, T::TimerMoveDown, T::TimerFillUp, T::WaitAfterReactionsTimer}));
  EXPECT_EQ(BoardText(table.game), before);
}

TEST(Cascade, ClearingStartsTheFallBeforeItYields) {
  Table table("R* 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1");
  table.platform.EnableTimer(T::TimerClearSq);
  bool fallEnabled = false, stillEnabled = false;
  table.platform.onYield = [&] {
    fallEnabled = table.platform.Enabled(T::TimerMoveDown);
    stillEnabled = table.platform.Enabled(T::TimerClearSq);
  };
  table.platform.Advance(500);
  EXPECT_TRUE(fallEnabled && stillEnabled);
  EXPECT_FALSE(table.platform.Enabled(T::TimerClearSq));
  EXPECT_EQ(table.at(0).marked, 0);
  EXPECT_EQ(table.at(0).picture, Picture::sqEmpty);
}

TEST(Cascade, LevelRisesAfterMoreThanTwentyReactionsInPlay) {
  struct Case {
    std::int64_t reactions;
    bool newGame;
    const char* row0;
    std::int64_t level, reactionsAfter;
  };
  const Case cases[] = {
      {20, false, "R R 2 0 1 2", 4, 20},
      {21, false, "R R 2 0 1 2", 5, 0},
      {50, false, "R R R R R R", 5, 0},  // once per clearing
      {21, true, "R R 2 0 1 2", 4, 21},
      {21, false, "0 1 2 0 1 2", 4, 21},  // nothing cleared
  };
  for (const Case& c : cases) {
    Table table(std::string(c.row0) + "  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1");
    table.game.record.level = 4;
    table.game.record.reactions = c.reactions;
    table.game.record.newGame = c.newGame;
    table.game.TimerClearSq_Timer();
    EXPECT_EQ(table.game.record.level, c.level) << c.reactions << " " << c.row0;
    EXPECT_EQ(table.game.record.reactions, c.reactionsAfter) << c.reactions << " " << c.row0;
  }
}

TEST(Cascade, ComboShowsOnlyAtTheEndOfAChainInPlay) {
  struct Case {
    std::int64_t combo;
    bool newGame;
    bool shown;
  };
  const Case cases[] = {{0, false, false}, {1, false, false}, {2, false, true}, {5, true, false}};
  for (const Case& c : cases) {
    Table table(R"(
      0up 1 2 0 1 2
      1   2 0 1 2 0
      2   0 1 2 0 1
      0   1 2 0 1 2
      1   2 0 1 2 0
      2   0 1 2 0 1 )");
    table.game.record.combo = c.combo;
    table.game.record.comboShown = true;
    table.game.record.newGame = c.newGame;
    table.game.WaitAfterInitTimer_Timer();
    EXPECT_EQ(table.game.record.comboShown, c.shown) << c.combo;
    EXPECT_EQ(table.game.record.combo, c.combo);  // the text stays until hidden
    EXPECT_EQ(table.platform.Enabled(T::TimerHideCombo), c.shown);
  }
  // A scan that finds reactions leaves the display as it is.
  Table table(kOneReaction);
  table.game.record.comboShown = true;
  table.game.WaitAfterReactionsTimer_Timer();
  EXPECT_TRUE(table.game.record.comboShown);
  EXPECT_FALSE(table.platform.Enabled(T::TimerHideCombo));
}

TEST(Cascade, HideComboResetsTheCountEvenWhenHidden) {
  Table table(kOneReaction);
  table.game.record.comboShown = false;
  table.game.record.combo = 7;
  table.game.HideCombo();
  EXPECT_FALSE(table.game.record.comboShown);
  EXPECT_EQ(table.game.record.combo, 0);
}

TEST(Cascade, NewGameStopsClearingFallingAndRefillingOnly) {
  Table table(kOneReaction);
  table.game.HScrollLevel_Change(7);
  table.game.CheckReactions();  // removal under way: TimerClearSq pending
  table.platform.EnableTimer(T::WaitAfterReactionsTimer);
  table.platform.EnableTimer(T::TimerHideCombo);
  table.platform.EnableTimer(T::WaitAfterClickTimer);
  table.platform.Advance(100);
  table.game.Command1_Click();
  EXPECT_FALSE(table.platform.Enabled(T::TimerClearSq));
  EXPECT_TRUE(table.platform.Enabled(T::WaitAfterReactionsTimer));
  EXPECT_TRUE(table.platform.Enabled(T::TimerHideCombo));
  EXPECT_TRUE(table.platform.Enabled(T::WaitAfterClickTimer));
  EXPECT_TRUE(table.platform.Enabled(T::WaitAfterInitTimer));
  EXPECT_EQ(table.game.record.level, 7);
  table.platform.fired.clear();
  table.platform.Advance(150);
  // The pending scan runs on the new board while the new-game flag is "1".
  ASSERT_FALSE(table.platform.fired.empty());
  EXPECT_EQ(table.platform.fired.front(), T::WaitAfterReactionsTimer);
  EXPECT_EQ(table.game.record.score, 0);
}

// An eraser spent between the clearing and the fall: the square that falls
// into the erased cell must not inherit its mark.
TEST(Cascade, FallingSquareDoesNotInheritAMark) {
  Table table(R"(
    1up 1 2 0 1 2
    R   2 0 1 2 0
    4   0 1 2 0 1
    0   1 2 0 1 2
    1   2 0 1 2 0
    2   0 1 2 0 1 )");
  table.game.record.erasers = 1;
  table.platform.EnableTimer(T::TimerMoveDown);  // the clearing has just run
  table.platform.randoms = {25.0f / 115, 0.0f};  // "3up" and "4down" refill column 0
  table.game.sq_MouseDown(12, kLeftButton, 0, 300);
  table.game.sq_MouseUp(12, kLeftButton, 0, 300);
  EXPECT_EQ(table.at(12).tag, Kind::Removed);
  table.platform.Advance(200);  // the fall
  EXPECT_EQ(table.at(12).tag, Kind::k1up);
  EXPECT_EQ(table.at(12).marked, 0);
  table.platform.RunUntilIdle();
  EXPECT_EQ(table.platform.sounds, std::vector<int>{1});
  EXPECT_EQ(table.at(12).tag, Kind::k1up);
}

}  // namespace
}  // namespace vexalon
