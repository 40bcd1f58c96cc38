#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Rows;
using testing::SideBySide;
using testing::Table;

struct ScanCase {
  const char* name;
  int reactions;
  std::int64_t erasers;  // from 0
  const char* boards;    // before the scan | as the removal finds it (or as left when nothing reacts)
};

// Marking happens at once and the scan runs row lines column by column
// before the column lines, so the order decides what a multi-colour
// square becomes; the full-line bonus then looks at the marks.
const ScanCase kScans[] = {
    {"a multi-colour square takes the kind of the line seen first; lines never wrap", 2, 0, R"(
      1    1 1234 2 2 3     1* 1* 1* 2 2 3
      1    2 0    1 3 0     1  2  0  1 3 0
      1234 2 2    0 4 4     2* 2* 2* 0 4 4
      4    0 3    4 1 2     4  0  3  4 1 2
      R    R R    . 0 1     R  R  R  . 0 1
      2    3 4    0 2 3     2  3  4  0 2 3 )"},
    {"arrows play no part; a run takes its first coloured kind; four in a row are two", 7, 0, R"(
      1up     2    0up  4     2 1234      1up* 2  0up* 4* 2 3*
      1down   0    1234 4down 1 3         1up* 0  0up* 4* 1 3*
      1updown 4    0    1234  2 3up       1up* 4  0up* 4* 2 3*
      2       2    2    2     4 0         2*   2* 2*   2* 4 0
      0       1    4    0     1 2         0    1  4    0  1 2
      1234    1234 0    1     3 4         0*   0* 0*   1  3 4 )"},
    {"a full row sweeps the colour of its last square, arrows too", 2, 1, R"(
      1     1   1    2 2       2     1*     1*   1*   2* 2*       2*
      0up   2up 0    3 1down   0     0up    2up* 0    3  1down    0
      2down 3   1    0 2updown 3     2down* 3    1    0  2updown* 3
      0     1   3    0 1       3     0      1    3    0  1        3
      3     2   0    1 3       0     3      2*   0    1  3        0
      1     0   1234 3 0       1     1      0    1234 3  0        1 )"},
    {"colour 1 sweeps multi-colour squares; a row of them earns but sweeps nothing", 8, 2, R"(
      1234 1234 1234 1234 1234 1234     1234* 1234* 1234* 1234* 1234* 1234*
      0    2    4    0    3    0        0     2     4     0     3     0
      2    4    0    3    0    2        2     4     0     3     0     2
      3    1up  1234 4    2    4        3     1up*  1234* 4     2     4
      0    3    2    0    4    3        0     3     2     0     4     3
      1    1    1    1    1    1        1*    1*    1*    1*    1*    1* )"},
    {"a sweep completes a line examined after it", 7, 2, R"(
      2     2 2 2 2     2     2*     2* 2* 2* 2*     2*
      2up   0 3 0 3     0     2up*   0  3  0  3      0
      1     1 1 0 3     0     1*     1* 1* 0  3      0
      2down 0 3 4 0     3     2down* 0  3  4* 0      3
      3     3 3 0 4down 0     3*     3* 3* 0  4down* 0
      4     4 4 0 3     0     4*     4* 4* 0  3      0 )"},
    {"five marked squares, or removed ones, make no full line", 4, 0, R"(
      R*/tri3r R* R* 2 2 2     R*/tri3r R* R* 2* 2* 2*
      0        3  0  3 0 3     0        3  0  3  0  3
      3        0  3  0 3 0     3        0  3  0  3  0
      2up      3  0  3 0 3     2up      3  0  3  0  3
      3        0  3  0 3 0     3        0  3  0  3  0
      1        2  2  2 2 2     1        2* 2* 2* 2* 2* )"},
    {"marks left from before earn without a reaction, and wait", 0, 1, R"(
      0* 1* 2*   0* 1* 2*     0* 1* 2*   0* 1* 2*
      1  2  0    1  2  0      1  2* 0    1  2* 0
      2  0  1    2  0  1      2* 0  1    2* 0  1
      0  1  2up  0  1  2      0  1  2up* 0  1  2*
      1  2  0    1  2  0      1  2* 0    1  2* 0
      2  0  1    2  0  1234   2* 0  1    2* 0  1234 )"},
    {"every line of a one-colour board reacts; the erasers stop at three", 48, 3, R"(
      2 2 2 2 2 2     2* 2* 2* 2* 2* 2*
      2 2 2 2 2 2     2* 2* 2* 2* 2* 2*
      2 2 2 2 2 2     2* 2* 2* 2* 2* 2*
      2 2 2 2 2 2     2* 2* 2* 2* 2* 2*
      2 2 2 2 2 2     2* 2* 2* 2* 2* 2*
      2 2 2 2 2 2     2* 2* 2* 2* 2* 2* )"},
};

TEST(CheckReactions, MarksEveryLineThenRewardsFullLines) {
  for (const ScanCase& c : kScans) {
    auto [before, after] = SideBySide(c.boards);
    Table table(before);
    table.game.record.reactions = 4;
    std::vector<std::string> seen;
    table.platform.onYield = [&] { seen.push_back(table.Board()); };
    EXPECT_EQ(table.game.CheckReactions(), c.reactions) << c.name;
    // Yields: after the scan, in the removal after its sound, after the removal.
    ASSERT_EQ(seen.size(), c.reactions ? 3u : 1u) << c.name;
    EXPECT_EQ(c.reactions ? seen[1] : table.Board(), after) << c.name;
    EXPECT_EQ(table.game.record.reactions, 4 + c.reactions) << c.name;
    EXPECT_EQ(table.game.record.erasers, c.erasers) << c.name;
    EXPECT_EQ(table.platform.sounds, c.reactions ? std::vector<int>{0} : std::vector<int>{}) << c.name;
    EXPECT_EQ(table.platform.Enabled(Timer::TimerClearSq), c.reactions != 0) << c.name;
  }
}

}  // namespace
}  // namespace vexalon

namespace vexalon {
namespace {

using testing::Table;

constexpr const char* kTwoReactions = R"(
  3   3 3 3 1 2
  1up 2 0 1 2 0
  2   0 1 2 0 1
  0   1 2 0 1 2
  1   2 0 1 2 0
  2   0 1 2 0 1 )";

TEST(Finish, ReactionsScoreInPlayOnlyAndCountAfterTheYields) {
  for (bool newGame : {false, true}) {
    Table table(kTwoReactions, !newGame);
    table.game.record.score = 120;
    table.game.record.combo = 40000;  // far beyond 16 bits
    // Another handler scores and adds to the combo while the removal yields.
    table.platform.onYield = [&] {
      if (table.platform.yields != 2) return;
      table.game.record.score += 1;
      table.game.record.combo += 3;
    };
    EXPECT_EQ(table.game.CheckReactions(), 2);
    EXPECT_EQ(table.game.record.score, newGame ? 121 : 141);
    EXPECT_EQ(table.game.record.combo, 40005);
    EXPECT_FALSE(table.game.record.gameOverShown);
  }
}

// Plain and multi-colour squares only, and no line of three.
constexpr const char* kNoArrows = R"(
  0 1 2 0 1 2
  1 2 0 1 2 0
  2 0 1 2 0 1
  0 1 2 0 1 2
  1 2 0 1 2 0
  2 0 1 2 0 1234 )";

TEST(Finish, QuietBoardWithoutArrowsEndsTheGame) {
  struct Case {
    std::int64_t score;
    const char *hiScore, *after;
  };
  const Case cases[] = {
      {300, "250", "300"}, {250, "250", "250"}, {249, "250", "250"}, {40000, "32767", "40000"},
      {5, "abc", "5"},     {0, "abc", "abc"},   {3, "-5", "3"},      {7, "99999999999999999999", "99999999999999999999"},
      {100, "0100", "0100"}, {1, "", "1"},      {-1, "-99999999999999999999", "-1"},
  };
  for (const Case& c : cases) {
    Table table(kNoArrows);
    table.game.record.score = c.score;
    table.game.record.hiScore = c.hiScore;
    EXPECT_EQ(table.game.CheckReactions(), 0);
    EXPECT_TRUE(table.game.record.gameOverShown);
    EXPECT_EQ(table.game.record.hiScore, c.after) << c.score << " against " << c.hiScore;
  }
  // Any arrow square, removed or empty cell keeps the game going.
  for (const char* kind : {"1up", "4down", "2updown", "Removed", ""}) {
    for (int k : {0, 35}) {
      Table table(kNoArrows);
      table.at(k).tag = *KindFromText(kind);
      table.game.record.score = 300;
      table.game.CheckReactions();
      EXPECT_FALSE(table.game.record.gameOverShown) << kind << " at " << k;
      EXPECT_EQ(table.game.record.hiScore, "0");
    }
  }
}

}  // namespace
}  // namespace vexalon
