#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Draws;
using testing::Rows;
using testing::SideBySide;
using testing::Table;
using T = Timer;

TEST(Cascade, RemovalClearsFallsRefillsAndScansAgainOnItsTimers) {
  Table table(R"(
    0up 1 2 0 1 2
    1   2 0 1 2 0
    3   3 3 2 0 1
    0   1 2 0 1 2
    1   2 0 1 2 0
    2   0 1 2 0 1 )");
  table.platform.randoms = Draws("3up 3up 3up  4down 3up 1up");  // the second refill is quiet
  table.platform.EnableTimer(T::WaitAfterReactionsTimer);
  std::vector<std::string> boards;
  for (int ms : {200, 700, 900, 1100}) {
    table.platform.Advance(ms - table.platform.now);
    boards.push_back(table.Board());
  }
  auto [removed, cleared] = SideBySide(R"(
    0up      1        2        0 1 2     0up 1 2 0 1 2
    1        2        0        1 2 0     1   2 0 1 2 0
    R*/tri3r R*/tri3r R*/tri3r 2 0 1     R   R R 2 0 1
    0        1        2        0 1 2     0   1 2 0 1 2
    1        2        0        1 2 0     1   2 0 1 2 0
    2        0        1        2 0 1     2   0 1 2 0 1 )");
  auto [fallen, refilled] = SideBySide(R"(
    R   R R 0 1 2     3up 3up 3up 0 1 2
    0up 1 2 1 2 0     0up 1   2   1 2 0
    1   2 0 2 0 1     1   2   0   2 0 1
    0   1 2 0 1 2     0   1   2   0 1 2
    1   2 0 1 2 0     1   2   0   1 2 0
    2   0 1 2 0 1     2   0   1   2 0 1 )");
  EXPECT_EQ(boards, (std::vector<std::string>{removed, cleared, fallen, refilled}));
  table.platform.Advance(4399 - 1100);
  EXPECT_TRUE(table.game.record.comboShown);  // two removals: "Combo x 2" for two seconds
  EXPECT_EQ(table.game.record.combo, 2);
  EXPECT_EQ(table.game.record.score, 20);
  table.platform.Advance(10000);
  EXPECT_FALSE(table.game.record.comboShown);
  EXPECT_EQ(table.game.record.combo, 0);
  EXPECT_EQ(table.platform.log, R"(200 WaitAfterReactionsTimer
200 sound 0
700 TimerClearSq
900 TimerMoveDown
1100 TimerFillUp
1300 WaitAfterReactionsTimer
1300 sound 0
1800 TimerClearSq
2000 TimerMoveDown
2200 TimerFillUp
2400 WaitAfterReactionsTimer
4400 TimerHideCombo
)");
}

// The squares close the gaps towards whichever edge moves fewer rows, one
// direction for the whole board; a square takes its mark along.
const char* const kFalls[] = {
    R"(gap in row 3: down
      0 2up* 0 0 0 0     0 R    0 0 0 0
      1 1    1 1 1 1     1 2up* 1 1 1 1
      2 R*   2 2 2 2     2 1    2 2 2 2
      3 3    3 3 3 3     3 3    3 3 3 3
      4 4    4 4 4 4     4 4    4 4 4 4
      0 0    0 0 0 0     0 0    0 0 0 0 )",
    R"(gap in row 4: up
      0 0 0 0 0 0     0 0 0 0 0 0
      1 1 1 1 1 1     1 1 1 1 1 1
      2 2 2 2 2 2     2 2 2 2 2 2
      3 3 3 3 R 3     3 3 3 3 4 3
      4 4 4 4 4 4     4 4 4 4 1 4
      0 0 0 0 1 0     0 0 0 0 R 0 )",
    R"(as many rows above as below: up
      0 0 0 0 0 0     0 0 0 0 0 0
      R 1 1 1 1 1     2 1 1 1 1 1
      2 2 2 2 2 2     3 2 2 2 2 2
      3 3 3 3 3 3     4 3 3 3 3 3
      4 4 4 4 4 R     0 4 4 4 4 1
      0 0 0 0 0 1     R 0 0 0 0 R )",
    R"(a column packs in its order
      1up   R 0 0 0 0     R     R 0 0 0 0
      R     1 1 1 1 1     R     1 1 1 1 1
      3down 2 2 2 2 2     R     2 2 2 2 2
      R     3 3 3 3 3     1up   3 3 3 3 3
      R     4 4 4 4 4     3down 4 4 4 4 4
      2     0 0 0 0 0     2     0 0 0 0 0 )",
    R"(no gap
      0 0 0 0 0 0     0 0 0 0 0 0
      1 1 1 1 1 1     1 1 1 1 1 1
      2 2 2 2 2 2     2 2 2 2 2 2
      3 3 3 3 3 3     3 3 3 3 3 3
      4 4 4 4 4 4     4 4 4 4 4 4
      0 0 0 0 0 0     0 0 0 0 0 0 )",
};

TEST(Cascade, SquaresFallTowardsTheNearerEdge) {
  for (std::string_view fall : kFalls) {
    std::string_view name = fall.substr(0, fall.find('\n'));
    auto [before, after] = SideBySide(fall.substr(name.size()));
    Table table(before);
    table.platform.EnableTimer(T::TimerMoveDown);
    table.platform.Advance(200);
    EXPECT_EQ(table.Board(), after) << name;
    EXPECT_EQ(table.platform.log, "200 TimerMoveDown\n") << name;
    EXPECT_TRUE(table.platform.Enabled(T::TimerFillUp)) << name;
    EXPECT_EQ(table.platform.yields, 0) << name;
  }
}

TEST(Cascade, RemovalWithNothingMarkedStillRunsTheChain) {
  Table table(testing::kQuiet);
  std::string before = table.Board();
  table.game.RemoveAllMarked(true);
  table.platform.RunUntilIdle();
  EXPECT_EQ(table.platform.log, "0 sound 1\n500 TimerClearSq\n700 TimerMoveDown\n900 TimerFillUp\n1100 WaitAfterReactionsTimer\n");
  EXPECT_EQ(table.Board(), before);
}

TEST(Cascade, ClearingStartsTheFallBeforeItYields) {
  Table table("R*/tri2r 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1");
  table.platform.EnableTimer(T::TimerClearSq);
  std::string seen;
  table.platform.onYield = [&] {
    seen = table.Board().substr(0, 8) + (table.platform.Enabled(T::TimerMoveDown) ? " fall" : "") +
           (table.platform.Enabled(T::TimerClearSq) ? " clear" : "");
  };
  table.platform.Advance(500);
  EXPECT_EQ(seen, "R*/tri2r fall clear");
  EXPECT_EQ(table.Board().substr(0, 2), "R ");
  EXPECT_FALSE(table.platform.Enabled(T::TimerClearSq));
}

TEST(Cascade, LevelRisesAfterMoreThanTwentyReactionsInPlay) {
  struct Case {
    std::int64_t reactions;
    bool newGame;
    const char* row0;
    std::int64_t level, reactionsAfter;
  };
  const Case cases[] = {
      {20, false, "R R 2 0 1 2", 4, 20}, {21, false, "R R 2 0 1 2", 5, 0}, {50, false, "R R R R R R", 5, 0},
      {21, true, "R R 2 0 1 2", 4, 21},  {21, false, "0 1 2 0 1 2", 4, 21},  // nothing cleared
  };
  for (const Case& c : cases) {
    Table table(std::string(c.row0) + "  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1", !c.newGame);
    table.game.record.level = 4;
    table.game.record.reactions = c.reactions;
    table.game.TimerClearSq_Timer();
    EXPECT_EQ(table.game.record.level, c.level) << c.reactions << " " << c.row0;
    EXPECT_EQ(table.game.record.reactions, c.reactionsAfter) << c.reactions << " " << c.row0;
  }
}

TEST(Cascade, ComboShowsOnlyAtTheEndOfAChainInPlay) {
  struct Case {
    std::int64_t combo;
    bool newGame, shown;
  };
  for (const Case& c : {Case{1, false, false}, Case{2, false, true}, Case{5, true, false}}) {
    Table table(testing::kQuiet, !c.newGame);
    table.game.record.combo = c.combo;
    table.game.record.comboShown = true;
    table.game.WaitAfterInitTimer_Timer();
    EXPECT_EQ(table.game.record.comboShown, c.shown) << c.combo;
    EXPECT_EQ(table.game.record.combo, c.combo);  // the count stays until hidden
    EXPECT_EQ(table.platform.Enabled(T::TimerHideCombo), c.shown);
  }
  // A scan that finds reactions leaves the display as it is.
  Table table("3 3 3 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1");
  table.game.WaitAfterInitTimer_Timer();
  EXPECT_FALSE(table.game.record.comboShown);
  table.game.record.comboShown = true;
  table.game.CheckReactions();
  EXPECT_TRUE(table.game.record.comboShown);
}

TEST(Cascade, NewGameStopsClearingFallingAndRefillingOnly) {
  Table table(testing::kQuiet);
  table.game.HScrollLevel_Change(7);
  for (int t = 0; t < kTimerCount; ++t) table.platform.EnableTimer(static_cast<T>(t));
  table.game.Command1_Click();
  for (T t : {T::TimerClearSq, T::TimerMoveDown, T::TimerFillUp}) EXPECT_FALSE(table.platform.Enabled(t));
  for (T t : {T::WaitAfterInitTimer, T::WaitAfterClickTimer, T::WaitAfterReactionsTimer, T::TimerHideCombo})
    EXPECT_TRUE(table.platform.Enabled(t));
  EXPECT_EQ(table.game.record.level, 7);
}

}  // namespace
}  // namespace vexalon
