#include <gtest/gtest.h>

#include <vector>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::BoardText;
using testing::Rows;
using testing::Table;

// The board as each yield of a scan sees it: [0] after the marking,
// [1] after the full-line bonus (inside the removal, before "Removed").
std::vector<std::string> ScanAndWatch(Table& table) {
  std::vector<std::string> seen;
  table.platform.onYield = [&] { seen.push_back(BoardText(table.game)); };
  table.game.CheckReactions();
  table.platform.onYield = nullptr;
  return seen;
}

TEST(FullLineBonus, MixedRowSweepsItsLastColour) {
  Table table(R"(
    1     1  1    2  2       2
    0up   2up 0   3  1down   0
    2down 3  1    0  2updown 3
    0     1  3    0  1       3
    3     2  0    1  3       0
    1     0  1234 3  0       1 )");
  std::vector<std::string> seen = ScanAndWatch(table);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[1], Rows(R"(
    1*     1*   1*   2* 2*       2*
    0up    2up* 0    3  1down    0
    2down* 3    1    0  2updown* 3
    0      1    3    0  1        3
    3      2*   0    1  3        0
    1      0    1234 3  0        1 )"));
  EXPECT_EQ(table.game.record.erasers, 1);
  EXPECT_EQ(table.at(7).picture, Picture::tri2r);
}

TEST(FullLineBonus, SweepTakesMultiColourSquaresOnlyForColourOne) {
  const char* rest = R"(
    0up 2    1234 3    0 2
    3   0    2    0    2 3
    2   3    0    1234 3 0
    0   2    3    2    0 2
    3   1234 0    3    2 0 )";
  for (char colour : {'1', '3'}) {
    std::string row0;
    for (int i = 0; i < 6; ++i) row0 += std::string(1, colour) + " ";
    Table table(row0 + rest);
    Table original(row0 + rest);
    table.game.CheckReactions();
    EXPECT_EQ(table.game.record.erasers, 1);
    // Every marked cell has been taken by the removal.
    for (int k = 0; k < kCells; ++k) {
      bool swept = k < 6 || FirstChar(original.at(k).tag) == colour;
      EXPECT_EQ(table.at(k).tag == Kind::Removed, swept) << colour << " at " << k;
    }
    EXPECT_EQ(table.at(8).tag == Kind::Removed, colour == '1');  // a "1234"
  }
}

TEST(FullLineBonus, EraserStockStopsAtThree) {
  struct Case {
    std::int64_t before, after;
  };
  const Case cases[] = {{0, 2}, {1, 3}, {2, 3}, {3, 3}};
  for (const Case& c : cases) {
    Table table(R"(
      1  1  1  1  1  1
      0  2  0  3  0  2
      2  0  3  0  2  3
      0  2  0  3  0  2
      4  3  4  2  4  0
      1  1  1  1  1  1 )");
    table.game.record.erasers = c.before;
    table.game.CheckReactions();
    EXPECT_EQ(table.game.record.erasers, c.after) << c.before;
  }
}

TEST(FullLineBonus, LineOfMultiColourSquaresEarnsButSweepsNothing) {
  Table table(R"(
    1234 1234 1234 1234 1234 1234
    0    2    4    1    3    0
    2    4    1    3    0    2
    1    3    0    2    4    1
    3    0    2    4    1    3
    0    2    4    1    3    0 )");
  std::vector<std::string> seen = ScanAndWatch(table);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[1], Rows(R"(
    1234* 1234* 1234* 1234* 1234* 1234*
    0     2     4     1     3     0
    2     4     1     3     0     2
    1     3     0     2     4     1
    3     0     2     4     1     3
    0     2     4     1     3     0 )"));
  EXPECT_EQ(table.game.record.erasers, 1);
}

TEST(FullLineBonus, SweepCanCompleteALineExaminedLater) {
  // Column 0 holds 2, 2up, 1, 2down, 3, 4: rows 2, 4 and 5 react, row 0's
  // sweep of colour 2 marks the rest, so column 0 is full and sweeps 4.
  Table table(R"(
    2     2 2 2 2 2
    2up   0 3 0 3 0
    1     1 1 0 3 0
    2down 0 3 4 0 3
    3     3 3 0 4down 0
    4     4 4 0 3 0 )");
  std::vector<std::string> seen = ScanAndWatch(table);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[1], Rows(R"(
    2*     2* 2* 2* 2*     2*
    2up*   0  3  0  3      0
    1*     1* 1* 0  3      0
    2down* 0  3  4* 0      3
    3*     3* 3* 0  4down* 0
    4*     4* 4* 0  3      0 )"));
  EXPECT_EQ(table.game.record.erasers, 2);
}

TEST(FullLineBonus, OnlySixMarkedSquaresMakeAFullLine) {
  struct Case {
    const char* name;
    const char* row0;
  };
  const Case cases[] = {
      {"five marked, one not", "2 2 2 2 2 1"},
      {"removed cells still flagged", "R* R* R* R* R* R*"},
      {"a reaction beside flagged removed cells", "R* R* R* 2 2 2"},
  };
  for (const Case& c : cases) {
    Table table(std::string(c.row0) + R"(
      0 3 0 3 0 3
      3 0 3 0 3 0
      2up 3 0 3 0 3
      3 0 3 0 3 0
      0 3 0 3 0 3 )");
    ScanAndWatch(table);
    EXPECT_EQ(table.game.record.erasers, 0) << c.name;
    EXPECT_EQ(table.at(18).tag, Kind::k2up) << c.name;  // no sweep of colour 2
  }
}

}  // namespace
}  // namespace vexalon
