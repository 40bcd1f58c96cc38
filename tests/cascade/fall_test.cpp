#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::BoardText;
using testing::Rows;
using testing::Table;

struct FallCase {
  const char* name;
  const char* before;
  const char* after;
};

const FallCase kFallCases[] = {
    {"a gap in row 3 fills from above", R"(
      0 0 0 0 0 0
      1 1 1 1 1 1
      2 R 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 4
      0 0 0 0 0 0 )", R"(
      0 R 0 0 0 0
      1 0 1 1 1 1
      2 1 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 4
      0 0 0 0 0 0 )"},
    {"a gap in row 4 fills from below", R"(
      0 0 0 0 0 0
      1 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 R 3
      4 4 4 4 4 4
      0 0 0 0 1 0 )", R"(
      0 0 0 0 0 0
      1 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 4 3
      4 4 4 4 1 4
      0 0 0 0 R 0 )"},
    {"equal counts move up", R"(
      0 0 0 0 0 0
      R 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 R
      0 0 0 0 0 1 )", R"(
      0 0 0 0 0 0
      2 1 1 1 1 1
      3 2 2 2 2 2
      4 3 3 3 3 3
      0 4 4 4 4 1
      R 0 0 0 0 R )"},
    {"a gap in the top row only: down, nothing moves", R"(
      R 0 0 0 0 0
      1 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 4
      0 0 0 0 0 0 )", R"(
      R 0 0 0 0 0
      1 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 4
      0 0 0 0 0 0 )"},
    {"a gap in the bottom row only: up, nothing moves", R"(
      0 0 0 0 0 0
      1 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 4
      0 0 R 0 0 0 )", R"(
      0 0 0 0 0 0
      1 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 4
      0 0 R 0 0 0 )"},
    {"a column packs in order, one direction for the board", R"(
      1up   0 0 0 0 R
      R     1 1 1 1 1
      3down 2 2 2 2 2
      R     3 3 3 3 3
      R     4 4 4 4 4
      2     0 0 0 0 0 )", R"(
      R     0 0 0 0 R
      R     1 1 1 1 1
      R     2 2 2 2 2
      1up   3 3 3 3 3
      3down 4 4 4 4 4
      2     0 0 0 0 0 )"},
    {"no gap at all", R"(
      0 0 0 0 0 0
      1 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 4
      0 0 0 0 0 0 )", R"(
      0 0 0 0 0 0
      1 1 1 1 1 1
      2 2 2 2 2 2
      3 3 3 3 3 3
      4 4 4 4 4 4
      0 0 0 0 0 0 )"},
};

TEST(TimerMoveDown, SquaresCloseTheGapsTowardsTheNearerEdge) {
  for (const FallCase& c : kFallCases) {
    Table table(c.before);
    table.platform.EnableTimer(Timer::TimerMoveDown);
    table.game.TimerMoveDown_Timer();
    EXPECT_EQ(BoardText(table.game), Rows(c.after)) << c.name;
    for (int k = 0; k < kCells; ++k)
      EXPECT_EQ(table.at(k).picture, Template(table.at(k).tag)) << c.name << " at " << k;
    EXPECT_FALSE(table.platform.Enabled(Timer::TimerMoveDown));
    EXPECT_TRUE(table.platform.Enabled(Timer::TimerFillUp)) << c.name;
    EXPECT_EQ(table.platform.yields, 0);
  }
}

TEST(TimerMoveDown, MarksTravelWithTheirSquares) {
  Table table(R"(
    2up* 0 0 0 0 0
    R    1 1 1 1 1
    1    2 2 2 2 2
    3    3 3 3 3 3
    4    4 4 4 4 4
    0    0 0 0 0 0 )");
  table.game.TimerMoveDown_Timer();
  EXPECT_EQ(BoardText(table.game), Rows(R"(
    R    0 0 0 0 0
    2up* 1 1 1 1 1
    1    2 2 2 2 2
    3    3 3 3 3 3
    4    4 4 4 4 4
    0    0 0 0 0 0 )"));
  EXPECT_EQ(table.at(6).picture, Picture::tri2r);
}

}  // namespace
}  // namespace vexalon
