#include <gtest/gtest.h>

#include <numeric>

#include "input/hint.h"
#include "support/board_text.h"

namespace vexalon {
namespace {

std::string Text(const Hint& hint) {
  const char* half = hint.what == HintKind::Trial ? " " : hint.upperHalf ? " upper " : " lower ";
  std::string what[] = {"wait", "step ", "trial ", "nothing"};
  return what[static_cast<int>(hint.what)] + (hint.index < 0 ? "" : std::to_string(hint.index) + half + std::string(KindText(hint.becomes)));
}

// The quiet board with some cells changed, "index=kind".
std::string QuietWith(std::string_view edits) {
  std::vector<std::string> cells = testing::Tokens(testing::kQuiet);
  for (const std::string& edit : testing::Tokens(edits)) cells[std::stoul(edit)] = edit.substr(edit.find('=') + 1);
  return std::accumulate(cells.begin(), cells.end(), std::string(), [](std::string board, const std::string& cell) { return board + cell + " "; });
}

// What the game itself does: the first square whose plain click, upper
// half before lower, reacts at the scan; else the first whose alternate
// press reacts, with the kind it holds when its line is marked.
std::string Played(const std::string& board) {
  for (int button : {kLeftButton, kRightButton})
    for (int i = 0; i < kCells; ++i)
      for (double y : {100.0, 800.0}) {
        testing::Table table(board);
        std::string kind;
        table.platform.onYield = [&] { if (kind.empty() && table.at(i).marked) kind = KindText(table.at(i).tag); };
        table.game.sq_MouseDown(i, button, 0, y);
        table.game.sq_MouseUp(i, button, 0, y);
        if (button == kLeftButton) kind = table.At(i);
        table.platform.Advance(1000);
        if (table.platform.sounds)
          return (button == kLeftButton ? "step " : "trial ") + std::to_string(i) + (button == kRightButton ? " " : y < 450 ? " upper " : " lower ") + kind;
      }
  return "nothing";
}

// The hint names what the game does with the first square that reacts,
// and leaves the game as it was; a board still moving gets no hint.
TEST(Hint, PointsWhereTheGameReactsAndChangesNothing) {
  const std::pair<const char*, const char*> cases[] = {{"0=1 1=1234 2=2updown 3=3 4=0 5=1", "step 2 upper 3up"},  // both halves react, each only with "1234"
      {"7=1 8=2updown 32=2 33=1 34=1 35=2down", "step 8 lower 1down"},
      {"0=0 12=0up 13=3 14=3 18=4 24=4", "trial 12 3up"},  // "4" would react too, later
      {"1=1updown 2=2down 4=1down 5=2updown 7=2up 16=0up", "nothing"}, {"5=R", "wait"}, {"5=.", "wait"}, {"5=2*", "wait"}, {"0=2 1=2", "wait"}};
  for (auto [edits, expected] : cases) {
    testing::Table t(QuietWith(edits));
    auto state = [&t] { return std::tuple(t.game.sq, t.game.record, t.platform.log, t.platform.randoms, t.platform.generator, t.platform.yields); };
    auto before = state();
    std::string hint = Text(FindHint(t.game.sq));
    EXPECT_TRUE(state() == before) << edits;
    EXPECT_EQ(hint, expected) << edits;
    EXPECT_EQ(hint == "wait" ? hint : Played(QuietWith(edits)), hint) << edits;
  }
  testing::Table table(testing::kQuiet);  // while the alternate press tries kinds that do not react
  std::string seen;
  table.platform.onYield = [&] { seen += Text(FindHint(table.game.sq)) + " "; };
  table.game.sq_MouseDown(0, kRightButton, 0, 100);
  EXPECT_EQ(seen + Text(FindHint(table.game.sq)), "wait wait wait wait nothing");
}

}  // namespace
}  // namespace vexalon
