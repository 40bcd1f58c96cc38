#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Boards;
using testing::Table;
using T = Timer;

// A reaction's removal as the player sees it: the board before the scan, at
// the removal, cleared, closed up towards the nearer edge, refilled; then a
// second link of the chain, its end and two seconds of "Combo x 2".
TEST(Cascade, RemovalClearsFallsRefillsAndScansAgainOnItsTimers) {
  std::vector<std::string> expected = Boards(R"(
    0up 1 2 0 1 2   0up      1        2        0 1 2   0up 1 2 0 1 2   R   R R 0 1 2   3up 3up 3up 0 1 2
    1   2 0 1 2 0   1        2        0        1 2 0   1   2 0 1 2 0   0up 1 2 1 2 0   0up 1   2   1 2 0
    3   3 3 2 0 1   R*/tri3r R*/tri3r R*/tri3r 2 0 1   R   R R 2 0 1   1   2 0 2 0 1   1   2   0   2 0 1
    0   1 2 0 1 2   0        1        2        0 1 2   0   1 2 0 1 2   0   1 2 0 1 2   0   1   2   0 1 2
    1   2 0 1 2 0   1        2        0        1 2 0   1   2 0 1 2 0   1   2 0 1 2 0   1   2   0   1 2 0
    2   0 1 2 0 1   2        0        1        2 0 1   2   0 1 2 0 1   2   0 1 2 0 1   2   0   1   2 0 1 )");
  Table table(expected[0]);
  table.game.record.levelTxt = 10;  // the refill draws at the level in play, not the difficulty chosen
  table.platform.randoms = testing::Draws("3up 3up 3up  4down 3up 1up");  // the second refill is quiet
  table.platform.EnableTimer(T::WaitAfterReactionsTimer);
  std::vector<std::string> boards{table.Board()};
  for (int ms : {200, 700, 900, 1100}) {
    table.platform.Advance(ms - table.platform.now);
    boards.push_back(table.Board());
  }
  EXPECT_EQ(boards, expected);
  table.platform.Advance(4399 - 1100);
  const StateRecord& r = table.game.record;
  EXPECT_EQ(std::to_string(r.score) + " " + std::to_string(r.combo) + (r.comboShown ? " shown" : ""), "20 2 shown");
  table.platform.Advance(10000);
  EXPECT_EQ(std::to_string(r.combo) + (r.comboShown ? " shown" : ""), "0");
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

// The squares close the gaps towards the nearer edge, every column the same
// way and in its own order: down when fewer rows lie above the highest gap
// than below the lowest, up otherwise, a tie too. Before and after each.
TEST(Cascade, SquaresCloseTheGapsTowardsTheNearerEdge) {
  std::vector<std::string> boards = Boards(R"(
    0 1up    2 3     4 1234   R R     R R     R R      R 1 2   3 4 0   1 1 2   3 4 0
    R 2      R 4down R 0      R 1up   R 3     R 1234   1 R 3up R 0 1   2 3 3up 0 0 1
    1 R      3 R     R R      0 2     2 4down 4 0      2 3 R   0 1 R   3 0 1   2 1 3
    R 3down  R 0     0 1      1 3down 3 0     0 1      R 0 1   2 R 3   4 1 0   4 2 2
    2 4      4 1     2 2      2 4     4 1     2 2      3 1 R   4 2 R   R R R   1 3 R
    3 0      0 2     3 3      3 0     0 2     3 3      4 R 0   1 3 2   R R R   R R R )");
  for (std::size_t i = 0; i < boards.size(); i += 2) {
    Table table(boards[i]);
    table.game.TimerMoveDown_Timer();
    EXPECT_EQ(table.Board(), boards[i + 1]);
    EXPECT_TRUE(table.platform.Enabled(T::TimerFillUp));
  }
}

TEST(Cascade, LevelAndComboFollowTheChainInPlayOnly) {
  // The level rises at the first cell cleared after more than 20 reactions.
  for (auto [reactions, inPlay, row0, after] : {std::tuple{20, true, "R R 2 0 1 2", "4 20"}, {21, true, "R R 2 0 1 2", "5 0"},
                                                {50, true, "R R R R R R", "5 0"}, {21, false, "R R 2 0 1 2", "4 21"},
                                                {21, true, "0 1 2 0 1 2", "4 21"}}) {
    Table table(std::string(row0) + "  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1", inPlay);
    table.game.record.level = 4;
    table.game.record.reactions = reactions;
    table.game.TimerClearSq_Timer();
    EXPECT_EQ(std::to_string(table.game.record.level) + " " + std::to_string(table.game.record.reactions), after);
  }
  // The combo shows when a chain in play ends with two links or more; the
  // count stays until the display hides, and a scan that reacts leaves it.
  for (auto [combo, inPlay, row0, shown] : {std::tuple{1, true, "0up 1 2 0 1 2", false}, {2, true, "0up 1 2 0 1 2", true},
                                            {5, false, "0up 1 2 0 1 2", false}, {1, true, "3 3 3 0 1 2", true}}) {
    Table table(std::string(row0) + "  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1", inPlay);
    table.game.record.combo = combo;
    table.game.record.comboShown = row0[0] == '3';
    table.game.WaitAfterInitTimer_Timer();
    EXPECT_EQ(table.game.record.comboShown, shown) << combo << row0;
    EXPECT_EQ(table.platform.Enabled(T::TimerHideCombo), shown && row0[0] != '3');
    EXPECT_GE(table.game.record.combo, combo);
  }
  // New game stops the clearing, the fall and the refill, nothing else;
  // clicked while a clearing yields, it stops the fall that clearing started.
  Table table(testing::kQuiet);
  table.game.HScrollLevel_Change(7);
  for (int t = 0; t < kTimerCount; ++t) table.platform.EnableTimer(static_cast<T>(t));
  table.game.Command1_Click();
  std::string enabled = std::to_string(table.game.record.level);
  for (int t = 0; t < kTimerCount; ++t) enabled += table.platform.Enabled(T(t)) ? " " + std::string(TimerName(T(t))) : "";
  EXPECT_EQ(enabled, "7 WaitAfterInitTimer WaitAfterClickTimer WaitAfterReactionsTimer TimerHideCombo");
  table.platform.onYield = [&] { table.game.Command1_Click(); };
  table.game.TimerClearSq_Timer();
  EXPECT_FALSE(table.platform.Enabled(T::TimerMoveDown));
}

}  // namespace
}  // namespace vexalon
