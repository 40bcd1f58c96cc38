#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "board/fill_table.h"
#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Draws;
using testing::Rows;
using testing::Table;

// How many of the whole numbers 0 to max each kind takes at each level, in
// the order a draw walks the kinds: fewer arrows as the level rises, the
// up-and-down squares from level 3, the multi-colour square from level 4.
TEST(FillTable, EachLevelDrawsItsOwnMix) {
  const char* kinds = "4down 3up 3down 3updown 2up 2down 2updown 1up 1down 1updown 0up 4 3 2 1 0 1234";
  const char* shares[] = {
      "21 10 10 0 10 10 0 10 10 0 20 3 3 3 3 3 0",       "21 10 10 0 10 10 0 10 10 0 20 6 6 6 6 6 0",
      "21 10 10 2 10 10 12 10 10 2 20 8 8 8 8 8 0",      "24 10 10 3 10 10 3 10 10 3 23 10 10 10 10 10 3",
      "20 8 8 3 8 8 3 8 8 3 19 10 10 10 10 10 3",        "18 6 7 4 7 7 4 7 7 4 17 10 10 10 10 10 3",
      "16 5 5 5 5 5 5 5 6 4 15 10 10 10 10 10 3",        "14 4 4 5 4 4 5 4 4 5 12 10 10 10 10 10 3",
      "12 3 3 5 3 3 5 3 3 5 11 10 10 10 10 10 3",        "10 2 2 5 2 2 5 2 2 2 9 10 10 10 10 10 3",
      "10 2 2 5 2 2 5 2 2 2 9 10 10 10 10 10 3"};  // 11 and above draw as 10
  for (std::int64_t level = 1; level <= 11; ++level) {
    const FillRow& row = FillRowForLevel(level);
    std::map<std::string, int> drawn;
    int max = DrawValue(1.0f - 0x1p-24f, row);
    for (int h = 0; h <= max + 1; ++h) {
      std::optional<Kind> kind = KindForDraw(h, row);
      ++drawn[kind ? std::string(KindText(*kind)) : "none"];
    }
    std::istringstream names(kinds);
    std::string counts;
    for (std::string name; names >> name;) counts += (counts.empty() ? "" : " ") + std::to_string(drawn[name]);
    EXPECT_EQ(counts, shares[level - 1]) << "level " << level;
    EXPECT_EQ(drawn["none"], 1) << "level " << level;  // h = max + 1
  }
  EXPECT_EQ(FillRowForLevel(0).max, FillRowForLevel(10).max);
  EXPECT_EQ(DrawValue(0.5f, FillRowForLevel(1)), 58);  // 57.5: halves go to the even neighbour
  EXPECT_EQ(DrawValue(0.5f, FillRowForLevel(8)), 58);  // 58.5
  EXPECT_EQ(DrawValue(0.0f, FillRowForLevel(1)), 0);
}

TEST(FillBoard, DealsEveryCellAndRefillsOnlyTheGaps) {
  Table table(R"(
    R*/tri2r 2* R 1234* 3 0up
    1up      1  2 3     4 4
    1        0  1 2     0 1
    0        1  2 0     1 2
    1        2  0 1     2 0
    2        0  1 2     0 R )");
  table.platform.randoms = Draws("4down 0 3up");
  table.game.FillBoard(true);
  EXPECT_EQ(table.Board(), Rows(R"(
    4down 2* 0 1234* 3 0up
    1up   1  2 3     4 4
    1     0  1 2     0 1
    0     1  2 0     1 2
    1     2  0 1     2 0
    2     0  1 2     0 3up )"));
  EXPECT_TRUE(table.platform.Enabled(Timer::WaitAfterReactionsTimer));
  EXPECT_FALSE(table.platform.Enabled(Timer::WaitAfterInitTimer));

  // A new board replaces every cell, marked or not, in index order.
  table.platform.randoms = {0.99f, 0.99f, 0.99f};
  table.game.record.level = 10;  // h = 94 of 95: the multi-colour square
  int seeds = table.platform.seeds;
  table.platform.DisableTimer(Timer::WaitAfterReactionsTimer);
  table.game.FillBoard(false);
  EXPECT_EQ(table.platform.seeds, seeds + 1);
  std::string board = table.Board();
  EXPECT_EQ(board.substr(0, 14), "1234 1234 1234") << board;
  EXPECT_EQ(board.find_first_of("*R./"), board.npos) << board;
  EXPECT_TRUE(table.platform.Enabled(Timer::WaitAfterInitTimer));
  EXPECT_FALSE(table.platform.Enabled(Timer::WaitAfterReactionsTimer));
}

}  // namespace
}  // namespace vexalon
