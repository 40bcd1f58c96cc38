#include "shell/narration.h"

#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Table;

// Every tick due within ms, and what the narrator says after each.
std::string Play(Table& t, Narrator& n, std::int64_t ms) {
  std::string said;
  std::int64_t end = t.platform.now + ms;
  while (t.platform.FireNext(end))
    if (std::string s = n.Settled(); !s.empty()) said += (said.empty() ? "" : " | ") + s;
  t.platform.now = end;
  return said;
}

// A press and release on the square's upper half, each answered, then
// the ticks due within ms.
std::string Move(Table& t, Narrator& n, int index, std::int64_t ms = 0, int button = kLeftButton, int shift = 0) {
  Scene before = SceneOf(t.game);
  t.game.sq_MouseDown(index, button, shift, 0);
  std::string said = n.Pressed(index, button, shift, before);
  before = SceneOf(t.game);
  t.game.sq_MouseUp(index, button, shift, 0);
  said += n.Released(index, button, shift, before);
  std::string then = Play(t, n, ms);
  return then.empty() ? said : said + " " + then;
}

// Two steps before the scan complete a full line: four reactions in one
// scan, an eraser, the twenty-first reaction's level; the refill reacts
// once more. Each step is answered at once, the chain once it has ended,
// with nothing between.
TEST(Narration, AChainIsToldOnceItHasEnded) {
  Table t("1 1 0up 0up 1 1  0 2 3 4 0 2  2 3 4 0 2 3  3 4 0 2 3 4  4 0 2 3 4 0  0 2 3 4 0 2down");
  t.game.record.reactions = 20;
  Narrator n(t.game);
  EXPECT_EQ(Move(t, n, 2), "Green, arrow up.");
  for (int h : {115, 128, 104, 110, 110, 110, 104, 115, 110}) t.platform.randoms.push_back(static_cast<float>(h) / 130);  // 2 0 4 3 3 3, 4 2 3 at level 2
  EXPECT_EQ(Move(t, n, 3, 5000), "Green, arrow up. Combo x 5, 50 points, score 52, an eraser earned, level 2.");
}

// A trial answers with the square it kept, or that no colour reacts; an
// eraser with what is left. A step that sets nothing off says so after the
// scan; the last arrow's step ends the game, told once with the way to
// play again; keys that can do nothing say why. A new game is ready once
// its deal has settled.
TEST(Narration, MovesTrialsErasersAndTheEnd) {
  Table t("0up 1 1 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1down");
  Narrator n(t.game);
  EXPECT_EQ(Move(t, n, 35, 0, kRightButton), "No colour reacts.");
  t.platform.randoms = testing::Draws("2 0 1");
  EXPECT_EQ(Move(t, n, 0, 3000, kLeftButton, kCtrl), "Green, marked. 1 reaction, 10 points, score 10.");
  EXPECT_EQ(Move(t, n, 35, 1000),
            "Violet. No reaction. Game over. Score 11, a new high score. Ctrl+N or F2 starts a new game.");
  EXPECT_EQ(Move(t, n, 35, 1000), "No eraser left. Game over: Ctrl+N or F2 starts a new game.");
  t.game.record.erasers = 1;
  t.platform.randoms = testing::Draws("0");
  EXPECT_EQ(Move(t, n, 1, 3000, kRightButton), "Removed, no eraser left. No reaction.");
  EXPECT_EQ(PanelSentence(t.game.record), "Game over. Score 11, level 1, erasers 0, hiscore 11, difficulty 1 for the next game.");
  t.game.HScrollLevel_Change(3);
  t.game.Command1_Click();
  EXPECT_EQ(n.NewGame(), "New game, level 3.");
  EXPECT_EQ(Play(t, n, 20000), "Board ready.");
}

// What Space and Page Down would do, as a square's description says it.
TEST(Narration, SquareKeys) {
  std::string said;
  for (Picture p : {Picture::sq2updown, Picture::sq3up, Picture::sq1down, Picture::sq4, Picture::sq1234, Picture::tri4r})
    said += SquareKeys(p) + " | ";
  EXPECT_EQ(said, "Space steps up to red, arrow up; Page Down steps down to green, arrow down | Space or Page Down steps "
                  "up to blue | Space or Page Down steps down to violet | Space spends an eraser on it | Space does "
                  "nothing here |  | ");
}

}  // namespace
}  // namespace vexalon
