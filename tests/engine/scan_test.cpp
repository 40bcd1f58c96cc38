#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Boards;
using testing::Table;

// Marking happens at once and the scan runs row lines column by column
// before the column lines, so the order decides what a multi-colour
// square becomes; the full-line bonus then looks at the marks. Two cases a
// block: the board before the scan, then as the removal finds it (or as the
// scan leaves it when nothing reacts).
struct Scan {
  int reactions;
  std::int64_t erasers;  // won, from 0
  const char* name;
};
const Scan kScans[] = {
    {2, 0, "a multi-colour square takes the kind of the line seen first; lines never wrap"},
    {7, 0, "arrows play no part; a run takes its first coloured kind; four in a row are two"},
    {2, 1, "a full row sweeps the colour of its last square, arrows too"},
    {0, 1, "marks left from before earn without a reaction, and wait"},
    {7, 2, "a sweep completes a line examined after it"},
    {4, 0, "five marked squares, or removed ones, make no full line"},
    {8, 2, "colour 1 sweeps multi-colour squares; a row of them earns but sweeps nothing"},
    {48, 3, "every line of a one-colour board reacts; the erasers stop at three"},
};
const char* const kScanBoards[] = {
    R"(
      1    1 1234 2 2 3   1* 1* 1* 2 2 3     1up     2    0up  4     2 1234   1up* 2  0up* 4* 2 3*
      1    2 0    1 3 0   1  2  0  1 3 0     1down   0    1234 4down 1 3      1up* 0  0up* 4* 1 3*
      1234 2 2    0 4 4   2* 2* 2* 0 4 4     1updown 4    0    1234  2 3up    1up* 4  0up* 4* 2 3*
      4    0 3    4 1 2   4  0  3  4 1 2     2       2    2    2     4 0      2*   2* 2*   2* 4 0
      R    R R    . 0 1   R  R  R  . 0 1     0       1    4    0     1 2      0    1  4    0  1 2
      2    3 4    0 2 3   2  3  4  0 2 3     1234    1234 0    1     3 4      0*   0* 0*   1  3 4 )",
    R"(
      1     1   1    2 2       2   1*     1*   1*   2* 2*       2*     0* 1* 2*  0* 1* 2*     0* 1* 2*   0* 1* 2*
      0up   2up 0    3 1down   0   0up    2up* 0    3  1down    0      1  2  0   1  2  0      1  2* 0    1  2* 0
      2down 3   1    0 2updown 3   2down* 3    1    0  2updown* 3      2  0  1   2  0  1      2* 0  1    2* 0  1
      0     1   3    0 1       3   0      1    3    0  1        3      0  1  2up 0  1  2      0  1  2up* 0  1  2*
      3     2   0    1 3       0   3      2*   0    1  3        0      1  2  0   1  2  0      1  2* 0    1  2* 0
      1     0   1234 3 0       1   1      0    1234 3  0        1      2  0  1   2  0  1234   2* 0  1    2* 0  1234 )",
    R"(
      2     2 2 2 2     2   2*     2* 2* 2* 2*     2*     R*/tri3r R* R* 2 2 2   R*/tri3r R* R* 2* 2* 2*
      2up   0 3 0 3     0   2up*   0  3  0  3      0      0        3  0  3 0 3   0        3  0  3  0  3
      1     1 1 0 3     0   1*     1* 1* 0  3      0      3        0  3  0 3 0   3        0  3  0  3  0
      2down 0 3 4 0     3   2down* 0  3  4* 0      3      2up      3  0  3 0 3   2up      3  0  3  0  3
      3     3 3 0 4down 0   3*     3* 3* 0  4down* 0      3        0  3  0 3 0   3        0  3  0  3  0
      4     4 4 0 3     0   4*     4* 4* 0  3      0      1        2  2  2 2 2   1        2* 2* 2* 2* 2* )",
    R"(
      1234 1234 1234 1234 1234 1234   1234* 1234* 1234* 1234* 1234* 1234*     2 2 2 2 2 2   2* 2* 2* 2* 2* 2*
      0    2    4    0    3    0      0     2     4     0     3     0         2 2 2 2 2 2   2* 2* 2* 2* 2* 2*
      2    4    0    3    0    2      2     4     0     3     0     2         2 2 2 2 2 2   2* 2* 2* 2* 2* 2*
      3    1up  1234 4    2    4      3     1up*  1234* 4     2     4         2 2 2 2 2 2   2* 2* 2* 2* 2* 2*
      0    3    2    0    4    3      0     3     2     0     4     3         2 2 2 2 2 2   2* 2* 2* 2* 2* 2*
      1    1    1    1    1    1      1*    1*    1*    1*    1*    1*        2 2 2 2 2 2   2* 2* 2* 2* 2* 2* )",
};

// The points of the reactions come in play only, their links of the combo
// always, each counted after the yields, so that what other handlers add
// meanwhile counts too; the removal starts with its sound.
TEST(CheckReactions, MarksEveryLineRewardsFullLinesAndScores) {
  std::vector<std::string> boards;
  for (const char* block : kScanBoards)
    for (const std::string& board : Boards(block)) boards.push_back(board);
  for (std::size_t i = 0; i < std::size(kScans); ++i) {
    for (bool inPlay : {true, false}) {
      const Scan& c = kScans[i];
      Table table(boards[2 * i], inPlay);
      table.game.record.reactions = 4;
      std::vector<std::string> seen;
      table.platform.onYield = [&] {
        seen.push_back(table.Board());
        if (seen.size() == 2) ++table.game.record.score, ++table.game.record.combo;
      };
      EXPECT_EQ(table.game.CheckReactions(), c.reactions) << c.name;
      // Yields: after the scan, in the removal after its sound, after the removal.
      ASSERT_EQ(seen.size(), c.reactions ? 3u : 1u) << c.name;
      EXPECT_EQ(c.reactions ? seen[1] : table.Board(), boards[2 * i + 1]) << c.name;
      const StateRecord& r = table.game.record;
      std::int64_t late = c.reactions ? 1 : 0;  // what the other handler added
      EXPECT_EQ(std::tuple(r.reactions, r.erasers, r.score, r.combo),
                std::tuple(4L + c.reactions, c.erasers, (inPlay ? 10 * c.reactions : 0) + late, c.reactions + late))
          << c.name;
      EXPECT_EQ(table.platform.log + (table.platform.Enabled(Timer::TimerClearSq) ? "clearing" : ""),
                c.reactions ? "0 sound 0\nclearing" : "") << c.name;
    }
  }
}

// A marked square shows the diamond of its own colour, whatever its arrows;
// the multi-colour square keeps its picture.
TEST(Marking, AMarkedSquareShowsTheDiamondOfItsColour) {
  for (std::string kind : testing::Tokens("0 1 2 3 4 0up 1up 2up 3up 1down 2down 3down 4down 1updown 2updown 3updown 1234")) {
    Table table(testing::kQuiet);
    SetSquare(table.at(0), *KindFromText(kind));
    table.game.MarkAsRemoved2(0);
    EXPECT_EQ(PictureName(table.at(0).picture), kind == "1234" ? "sq1234" : "tri" + kind.substr(0, 1) + "r");
  }
}

// A quiet board without arrows ends the game; a higher score replaces the
// high score's text, which counts as a number where it is one, else as 0.
// Any arrow, gap or empty cell keeps the game going, and so does the last
// arrow square while an alternate press tries plain kinds on it.
TEST(CheckReactions, QuietBoardWithoutArrowsEndsTheGame) {
  const std::tuple<std::int64_t, const char*, const char*> cases[] = {
      {300, "250", "300"}, {250, "250", "250"}, {249, "250", "250"}, {40000, "32767", "40000"}, {5, "abc", "5"},
      {0, "abc", "abc"},   {3, "-5", "3"},      {100, "0100", "0100"}, {1, "", "1"},
      {7, "99999999999999999999", "99999999999999999999"}, {-1, "-99999999999999999999", "-1"}};
  for (auto [score, hiScore, after] : cases) {
    for (const char* kind : {"1234", "1up", "4down", "2updown", "Removed", ""}) {
      Table table("0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1");
      table.at(35).tag = *KindFromText(kind);
      table.game.record.score = score;
      table.game.record.hiScore = hiScore;
      EXPECT_EQ(table.game.CheckReactions(), 0);
      bool over = std::string(kind) == "1234";
      EXPECT_EQ(table.game.record.hiScore + (table.game.record.gameOverShown ? " over" : ""),
                over ? std::string(after) + " over" : hiScore) << score << " against " << hiScore << ", " << kind;
    }
  }
  Table table("0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 3up");
  table.game.sq_MouseDown(35, kRightButton, 0, 0);  // tries "4"
  EXPECT_EQ(table.At(35) + (table.game.record.gameOverShown ? " over" : ""), "3up");
}

}  // namespace
}  // namespace vexalon
