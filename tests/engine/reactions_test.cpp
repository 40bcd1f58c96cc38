#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::BoardText;
using testing::Rows;
using testing::kQuiet;
using testing::Table;


struct ScanCase {
  const char* name;
  const char* before;
  int reactions;
  const char* after;  // the board once the scan has marked it, before the removal
};

// Marking happens at once, so the order of the scan decides what a
// multi-colour square becomes.
const ScanCase kScanCases[] = {
    {"nothing reacts", kQuiet, 0, kQuiet},
    {"four in a row are two reactions", R"(
      3 3 3 3 1 2
      1 2 0 1 2 0
      2 0 1 2 0 1
      0 1 2 0 1 2
      1 2 0 1 2 0
      2 0 1 2 0 1 )", 2, R"(
      3* 3* 3* 3* 1 2
      1  2  0  1  2 0
      2  0  1  2  0 1
      0  1  2  0  1 2
      1  2  0  1  2 0
      2  0  1  2  0 1 )"},
    {"a plus is one row and one column", R"(
      0up 1 2 0 1 2
      1   2 1 1 2 0
      2   1 1 1 0 1
      0   1 1 0 1 2
      1   2 0 1 2 0
      2   0 1 2 0 1 )", 2, R"(
      0up 1  2  0  1 2
      1   2  1* 1  2 0
      2   1* 1* 1* 0 1
      0   1  1* 0  1 2
      1   2  0  1  2 0
      2   0  1  2  0 1 )"},
    {"arrows play no part, multi-colour shows every colour", R"(
      1up     0 0up  4     1 2
      1down   2 1234 4down 2 0
      1updown 3 0    1234  3 1
      0       1 2    0     1 2
      1       2 0    1     2 0
      2       0 1    2     0 1 )", 3, R"(
      1up* 0 0up* 4* 1 2
      1up* 2 0up* 4* 2 0
      1up* 3 0up* 4* 3 1
      0    1 2    0  1 2
      1    2 0    1  2 0
      2    0 1    2  0 1 )"},
    {"a multi-colour square is claimed by the first line seen", R"(
      1 1 1234 2 2 3
      1 2 0    1 2 0
      2 0 1    2 0 1
      0 1 2    0 1 2
      1 2 0    1 2 0
      2 0 1    2 0 1 )", 1, R"(
      1* 1* 1* 2 2 3
      1  2  0  1 2 0
      2  0  1  2 0 1
      0  1  2  0 1 2
      1  2  0  1 2 0
      2  0  1  2 0 1 )"},
    {"the row is seen before the column", R"(
      1    1 2 0 1 2
      1    2 0 1 2 0
      1234 2 2 0 1 0
      0    1 2 0 1 2
      1    2 0 1 2 0
      2    0 1 2 0 1 )", 1, R"(
      1  1  2  0 1 2
      1  2  0  1 2 0
      2* 2* 2* 0 1 0
      0  1  2  0 1 2
      1  2  0  1 2 0
      2  0  1  2 0 1 )"},
    {"three multi-colour squares are one reaction", R"(
      1234 1234 1234 R 1 2
      1    2    0    1 2 0
      2    0    1    2 0 1
      0    1    2    0 1 2
      1    2    0    1 2 0
      2    0    1    2 0 1 )", 1, R"(
      1234* 1234* 1234* R 1 2
      1     2     0     1 2 0
      2     0     1     2 0 1
      0     1     2     0 1 2
      1     2     0     1 2 0
      2     0     1     2 0 1 )"},
    {"lines never wrap to the next row", R"(
      0up 1 2 0 3 3
      3   2 0 1 2 0
      2   0 1 2 0 1
      0   1 2 0 1 2
      1   2 0 1 2 3
      2   0 1 2 0 3 )", 0, R"(
      0up 1 2 0 3 3
      3   2 0 1 2 0
      2   0 1 2 0 1
      0   1 2 0 1 2
      1   2 0 1 2 3
      2   0 1 2 0 3 )"},
    {"removed and empty cells show no colour", R"(
      R R R . . . 
      1 2 0 1 2 0
      2 0 1 2 0 1
      0 1 2 0 1 2
      1 2 0 1 2 0
      2 0 1 2 0 1 )", 0, R"(
      R R R . . .
      1 2 0 1 2 0
      2 0 1 2 0 1
      0 1 2 0 1 2
      1 2 0 1 2 0
      2 0 1 2 0 1 )"},
};

TEST(CheckReactions, FindsEveryLineInScanOrder) {
  for (const ScanCase& c : kScanCases) {
    Table table(c.before);
    table.game.record.reactions = 4;
    std::string marked;
    // The first yield comes right after the scans: the marks are visible then.
    table.platform.onYield = [&] {
      if (marked.empty()) marked = BoardText(table.game);
    };
    EXPECT_EQ(table.game.CheckReactions(), c.reactions) << c.name;
    EXPECT_EQ(marked, Rows(c.after)) << c.name;
    EXPECT_EQ(table.game.record.reactions, 4 + c.reactions) << c.name;
  }
}

TEST(CheckReactions, OneColourBoardReactsOnEveryLine) {
  Table table("2 2 2 2 2 2  2 2 2 2 2 2  2 2 2 2 2 2  2 2 2 2 2 2  2 2 2 2 2 2  2 2 2 2 2 2");
  EXPECT_EQ(table.game.CheckReactions(), 48);
  EXPECT_EQ(table.game.record.reactions, 48);
  EXPECT_EQ(table.game.record.erasers, 3);  // twelve full lines, capped
  EXPECT_EQ(table.game.record.score, 480);
}

TEST(MarkAsRemoved, RunsTakeTheKindOfTheirFirstColouredSquare) {
  struct Case {
    std::array<Kind, 3> before, after;
    Picture picture;  // what all three show afterwards
  };
  using K = Kind;
  const Case cases[] = {
      {{K::k2up, K::k2, K::k2down}, {K::k2up, K::k2up, K::k2up}, Picture::tri2r},
      {{K::k1234, K::k3, K::k3up}, {K::k3, K::k3, K::k3}, Picture::tri3r},
      {{K::k1234, K::k1234, K::k0}, {K::k0, K::k0, K::k0}, Picture::tri0r},
      {{K::k1234, K::k1234, K::k1234}, {K::k1234, K::k1234, K::k1234}, Picture::sq1234},
      {{K::k4down, K::k1234, K::k4}, {K::k4down, K::k4down, K::k4down}, Picture::tri4r},
  };
  for (const Case& c : cases) {
    for (int step : {1, 6}) {
      Table table(kQuiet);
      const int start = 14;  // a vertical run from 14 is 14, 20, 26
      int cells[3] = {start, start + step, start + 2 * step};
      for (int i = 0; i < 3; ++i) SetSquare(table.at(cells[i]), c.before[static_cast<std::size_t>(i)]);
      if (step == 1)
        table.game.MarkAsRemovedHor(start);
      else
        table.game.MarkAsRemovedVer(start);
      for (int k = 0; k < kCells; ++k) {
        bool inRun = k == cells[0] || k == cells[1] || k == cells[2];
        EXPECT_EQ(table.at(k).marked, inRun ? 1 : 0) << k;
        if (!inRun) continue;
        EXPECT_EQ(table.at(k).picture, c.picture) << KindText(c.before[0]) << " step " << step;
      }
      for (int i = 0; i < 3; ++i) EXPECT_EQ(table.at(cells[i]).tag, c.after[static_cast<std::size_t>(i)]) << i;
    }
  }
}

TEST(MarkAsRemoved, SingleCellGetsTheDiamondOfItsColourOnly) {
  Table table("4down R 1234 2updown 0up 3  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1");
  for (int k = 0; k < 5; ++k) table.game.MarkAsRemoved2(k);
  const Picture expected[] = {Picture::tri4r, Picture::sqEmpty, Picture::sq1234, Picture::tri2r, Picture::tri0r};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(table.at(k).picture, expected[k]) << k;
    EXPECT_EQ(table.at(k).marked, 0) << k;  // the flag is the caller's to set
  }
  EXPECT_EQ(table.at(0).tag, Kind::k4down);
}

}  // namespace
}  // namespace vexalon
