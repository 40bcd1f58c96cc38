#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::Table;
using testing::Tokens;

constexpr int kFree = 14;  // where no kind completes a line on the quiet board

Table QuietWith(std::string_view kind) {
  Table table(testing::kQuiet);
  SetSquare(table.at(kFree), *KindFromText(kind));
  return table;
}

void Click(GameForm& game, int index, double y, int button = kLeftButton, int shift = 0) {
  game.sq_MouseDown(index, button, shift, y);
  game.sq_MouseUp(index, button, shift, y);
}

// Plain releases step an arrow square one colour a release until it loses
// its arrow at 4 or 0; an up-and-down square goes the way of the half
// pressed (y in twips, rounded half to even). An alternate press tries the
// kinds the releases could reach, nearest first, an up-and-down square's
// two ways in turn, upward first, and puts back the square when none reacts.
TEST(Squares, ReleasesStepArrowsAndTrialsTryWhatTheyCouldReach) {
  const std::tuple<const char*, double, double, const char*, const char*> reaches[] = {
      {"0up", 0, 0, "1up 2up 3up 4", ""},      {"4down", 0, 0, "", "3down 2down 1down 0"},
      {"1updown", 449, 450, "2up 3up 4", "0"}, {"2updown", 448.5, 449.5, "3up 4", "1down 0"},
      {"3updown", 0, 899, "4", "2down 1down 0"}};
  for (auto [kind, upperY, lowerY, upWay, downWay] : reaches) {
    std::vector<std::string> up = Tokens(upWay), down = Tokens(downWay), tries;
    for (std::size_t i = 0; i < 4; ++i) {
      if (i < up.size()) tries.push_back(up[i]);
      if (i < down.size()) tries.push_back(down[i]);
    }
    for (auto [y, steps] : {std::pair{upperY, up}, {lowerY, down}}) {
      Table table = QuietWith(kind);
      std::vector<std::string> tried;
      table.platform.onYield = [&] { tried.emplace_back(KindText(table.at(kFree).tag)); };
      for (std::size_t i = 0; i <= steps.size() && !steps.empty(); ++i) {
        std::string before = table.Board();
        tried.clear();
        table.game.sq_MouseDown(kFree, kRightButton, 0, y);
        EXPECT_EQ(tried, i ? std::vector(steps.begin() + i, steps.end()) : tries) << kind << " step " << i;
        EXPECT_EQ(table.Board(), before) << kind;
        Click(table.game, kFree, y);
        EXPECT_EQ(table.At(kFree), i < steps.size() ? steps[i] : steps.back()) << kind << " at " << y;
      }
      EXPECT_EQ(table.game.record.score, static_cast<std::int64_t>(steps.size())) << kind;
    }
  }
}

// The half of an up-and-down square comes from the latest plain press, or
// with none yet from the release (which buttons are plain: the window's test).
TEST(Squares, TheHalfComesFromTheLatestPlainPress) {
  Table table = QuietWith("2updown");
  table.game.sq_MouseUp(kFree, kLeftButton, 0, 800);
  table.game.sq_MouseDown(0, kLeftButton, 0, 100);
  SetSquare(table.at(kFree), Kind::k2updown);
  table.game.sq_MouseDown(kFree, kLeftButton, kShift, 800);
  table.game.sq_MouseUp(kFree, kLeftButton, 0, 800);  // Shift let go first
  EXPECT_EQ(table.At(kFree) + " " + std::to_string(table.game.record.score), "3up 2");
}

// The first plain release, whatever it does, ends the fresh deal and its
// count of reactions; every plain release hides the combo and restarts the
// wait for the scan.
TEST(Squares, EveryPlainReleaseEndsTheFreshDealAndRestartsTheWait) {
  for (const char* kind : {"1234", "Removed", "2up", "3"}) {
    Table table = QuietWith(kind);
    StateRecord& r = table.game.record;
    r.newGame = r.comboShown = true;
    r.reactions = r.combo = 4;
    table.platform.EnableTimer(Timer::TimerHideCombo);
    Click(table.game, kFree, 100, kRightButton);
    Click(table.game, kFree, 100, kLeftButton, kCtrl);
    EXPECT_TRUE(r.newGame && r.comboShown) << kind;
    Click(table.game, kFree, 100);
    table.platform.Advance(600);
    Click(table.game, kFree, 100);
    EXPECT_EQ(std::to_string(r.newGame + r.comboShown + r.reactions + r.combo) + " " + std::to_string(r.score),
              std::string(kind) == "2up" ? "0 2" : "0 0") << kind;
    table.platform.Advance(2000);
    EXPECT_EQ(table.platform.log, "1600 WaitAfterClickTimer\n") << kind;  // once, and the combo's timer gone
  }
}

// An eraser takes a plain square, by a plain release or an alternate press;
// its count is written before the removal yields, so an eraser spent or won
// meanwhile is neither lost nor spent twice.
TEST(Squares, ErasersTakePlainSquaresWhileTheyLast) {
  for (auto [button, shift] : {std::pair{kLeftButton, 0}, {kRightButton, 0}, {kLeftButton, kAlt}}) {
    for (std::int64_t count : {0, 1, 2}) {
      Table table = QuietWith("4");
      SetSquare(table.at(0), Kind::k1234);
      table.game.record.erasers = count;
      std::string seen;  // while the eraser's sound plays
      table.platform.onYield = [&] { seen = table.At(kFree); };
      Click(table.game, 0, 100, button, shift);  // no eraser for the multi-colour square
      Click(table.game, kFree, 100, button, shift);
      EXPECT_EQ(table.At(kFree) + " " + seen + " " + std::to_string(table.game.record.erasers),
                count ? "R*/tri4r 4* " + std::to_string(count - 1) : "4  0");
      EXPECT_EQ(table.platform.log + (table.platform.Enabled(Timer::TimerClearSq) ? "clearing" : ""),
                count ? "0 sound 1\nclearing" : "");
      EXPECT_EQ(table.platform.Enabled(Timer::WaitAfterClickTimer), button == kLeftButton && shift == 0);
    }
  }
  for (bool spend : {true, false}) {
    Table table = QuietWith("3");
    SetSquare(table.at(34), Kind::k4);
    table.game.record.erasers = spend ? 2 : 1;
    table.platform.onYield = [&] {
      if (table.platform.yields == 1 && spend) table.game.sq_MouseDown(34, kRightButton, 0, 100);
      if (table.platform.yields == 1 && !spend) ++table.game.record.erasers;
    };
    table.game.sq_MouseDown(kFree, kRightButton, 0, 100);
    EXPECT_EQ(table.At(34) + " " + std::to_string(table.game.record.erasers), spend ? "R*/tri4r 0" : "4 1");
  }
}

}  // namespace
}  // namespace vexalon
