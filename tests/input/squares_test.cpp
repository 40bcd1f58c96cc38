#include <gtest/gtest.h>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::BoardText;
using testing::Rows;
using testing::kQuiet;
using testing::Table;
using T = Timer;

// Cell 14 sits where no kind can complete a line.
constexpr int kFree = 14;

Table QuietWith(Kind kind) {
  Table table(kQuiet);
  table.at(kFree).tag = kind;
  table.at(kFree).picture = Template(kind);
  return table;
}

void Click(GameForm& game, int index, double y, int button = kLeftButton, int shift = 0) {
  game.sq_MouseDown(index, button, shift, y);
  game.sq_MouseUp(index, button, shift, y);
}

TEST(Release, StepsArrowSquaresAlongTheMoveTables) {
  struct Case {
    const char* kind;
    double y;  // twips from the square's top edge
    const char* after;
  };
  const Case cases[] = {
      {"0up", 0, "1up"},        {"1up", 0, "2up"},        {"2up", 0, "3up"},        {"3up", 0, "4"},
      {"1down", 0, "0"},        {"2down", 0, "1down"},    {"3down", 0, "2down"},    {"4down", 0, "3down"},
      {"1updown", 449, "2up"},  {"1updown", 450, "0"},    {"2updown", 435, "3up"},  {"2updown", 450, "1down"},
      {"3updown", 0, "4"},      {"3updown", 899, "2down"}, {"2updown", 448.5, "3up"}, {"2updown", 449.5, "1down"},
  };
  for (const Case& c : cases) {
    Table table = QuietWith(*KindFromText(c.kind));
    table.game.record.score = 41;
    Click(table.game, kFree, c.y);
    Kind after = *KindFromText(c.after);
    EXPECT_EQ(table.at(kFree).tag, after) << c.kind << " at " << c.y;
    EXPECT_EQ(table.at(kFree).picture, Template(after)) << c.kind;
    EXPECT_EQ(table.game.record.score, 42) << c.kind;
    EXPECT_TRUE(table.platform.Enabled(T::WaitAfterClickTimer));
  }
}

TEST(Release, ScanRunsOnceASecondAfterTheLastOfASeries) {
  Table table = QuietWith(Kind::k0up);
  Click(table.game, kFree, 100);
  table.platform.Advance(600);
  Click(table.game, kFree, 100);
  table.platform.Advance(999);
  EXPECT_TRUE(table.platform.fired.empty());
  table.platform.Advance(1);
  EXPECT_EQ(table.platform.fired, std::vector<T>{T::WaitAfterClickTimer});
  EXPECT_EQ(table.platform.firedTimes, std::vector<std::int64_t>{1600});
  EXPECT_EQ(table.at(kFree).tag, Kind::k2up);
  EXPECT_EQ(table.game.record.score, 2);
}

TEST(Release, FirstPlainReleaseEndsTheFreshDeal) {
  for (const char* kind : {"1234", "Removed", "2up", "3"}) {
    Table table = QuietWith(*KindFromText(kind));
    table.game.record.newGame = true;
    table.game.record.reactions = 7;
    table.game.record.comboShown = true;
    table.game.record.combo = 4;
    table.platform.EnableTimer(T::TimerHideCombo);
    Click(table.game, kFree, 100, kRightButton);
    Click(table.game, kFree, 100, kLeftButton, kCtrl);
    EXPECT_TRUE(table.game.record.newGame) << kind;  // alternate clicks leave it
    Click(table.game, kFree, 100);
    EXPECT_FALSE(table.game.record.newGame) << kind;
    EXPECT_EQ(table.game.record.reactions, 0) << kind;
    EXPECT_FALSE(table.game.record.comboShown) << kind;
    EXPECT_EQ(table.game.record.combo, 0) << kind;
    EXPECT_FALSE(table.platform.Enabled(T::TimerHideCombo)) << kind;
    EXPECT_TRUE(table.platform.Enabled(T::WaitAfterClickTimer)) << kind;
  }
}

TEST(Release, MultiColourAndRemovedSquaresStayAsTheyAre) {
  for (Kind kind : {Kind::k1234, Kind::Removed}) {
    Table table = QuietWith(kind);
    table.game.record.erasers = 2;
    std::string before = BoardText(table.game);
    Click(table.game, kFree, 100);
    Click(table.game, kFree, 100, kRightButton);
    EXPECT_EQ(BoardText(table.game), before);
    EXPECT_EQ(table.game.record.score, 0);
    EXPECT_EQ(table.game.record.erasers, 2);
    EXPECT_EQ(table.platform.yields, 0);  // no scan, no removal
  }
}

TEST(Erasers, PlainSquareIsErasedWhileErasersLast) {
  struct Case {
    int button, shift;
  };
  for (Case mode : {Case{kLeftButton, 0}, Case{kRightButton, 0}, Case{kLeftButton, kAlt}}) {
    for (std::int64_t count : {0, 1, 2}) {
      Table table = QuietWith(Kind::k4);
      table.game.record.erasers = count;
      Picture seenDuringRemoval = Picture::sqEmpty;
      table.platform.onYield = [&] { seenDuringRemoval = table.at(kFree).picture; };
      Click(table.game, kFree, 100, mode.button, mode.shift);
      EXPECT_EQ(table.game.record.erasers, std::max<std::int64_t>(count - 1, 0));
      EXPECT_EQ(table.at(kFree).tag, count > 0 ? Kind::Removed : Kind::k4);
      EXPECT_EQ(table.platform.sounds, count > 0 ? std::vector<int>{1} : std::vector<int>{});
      if (count > 0) {
        EXPECT_EQ(seenDuringRemoval, Picture::tri4r);
      }
      EXPECT_EQ(table.platform.Enabled(T::TimerClearSq), count > 0);
      // Only the plain release restarts the wait.
      EXPECT_EQ(table.platform.Enabled(T::WaitAfterClickTimer), mode.button == kLeftButton && mode.shift == 0);
    }
  }
}

TEST(Erasers, CountSurvivesInputDuringTheRemoval) {
  struct Case {
    const char* name;
    std::int64_t before;
    bool secondEraser, award;
    std::int64_t after;
  };
  const Case cases[] = {
      {"a second eraser spent meanwhile", 2, true, false, 0},
      {"an eraser won meanwhile", 1, false, true, 1},
  };
  for (const Case& c : cases) {
    Table table(R"(
      0up 1 2 0 1 2
      1   2 0 1 2 0
      2   0 3 2 0 1
      0   1 2 0 1 2
      1   2 0 1 2 0
      2   0 1 2 4 1 )");
    table.game.record.erasers = c.before;
    int yields = 0;
    table.platform.onYield = [&] {
      if (++yields != 1) return;
      if (c.secondEraser) table.game.sq_MouseDown(34, kRightButton, 0, 100);
      if (c.award) ++table.game.record.erasers;
    };
    table.game.sq_MouseDown(14, kRightButton, 0, 100);
    EXPECT_EQ(table.game.record.erasers, c.after) << c.name;
    EXPECT_EQ(table.at(14).tag, Kind::Removed) << c.name;
    EXPECT_EQ(table.at(34).tag, c.secondEraser ? Kind::Removed : Kind::k4) << c.name;
  }
}

TEST(Press, PlainPressOnlyRecordsThePosition) {
  for (int button : {kLeftButton, kMiddleButton}) {
    for (int shift : {0, kShift | kCtrl}) {
      if (button == kLeftButton && shift != 0) continue;
      Table table = QuietWith(Kind::k0up);
      std::string before = BoardText(table.game);
      table.game.sq_MouseDown(kFree, button, shift, 435);
      EXPECT_EQ(table.game.record.clickedY, "435");
      EXPECT_EQ(BoardText(table.game), before);
      EXPECT_EQ(table.platform.yields, 0);
    }
  }
}

TEST(Press, AlternateReleaseDoesNothingEvenAfterAPlainPress) {
  for (auto [button, shift] : {std::pair{kRightButton, 0}, {kLeftButton, kShift}, {kRightButton, kAlt}}) {
    Table table = QuietWith(Kind::k0up);
    table.game.record.newGame = true;
    table.game.sq_MouseDown(kFree, kLeftButton, 0, 100);
    table.game.sq_MouseUp(kFree, button, shift, 100);
    EXPECT_EQ(table.at(kFree).tag, Kind::k0up);
    EXPECT_TRUE(table.game.record.newGame);
    EXPECT_FALSE(table.platform.Enabled(T::WaitAfterClickTimer));
  }
}

TEST(Press, UpDownDirectionComesFromTheLatestPlainPress) {
  Table table = QuietWith(Kind::k2updown);
  table.game.sq_MouseDown(0, kLeftButton, 0, 100);            // plain, upper half, elsewhere
  table.game.sq_MouseDown(kFree, kLeftButton, kShift, 800);   // alternate: trials, none react
  EXPECT_EQ(table.at(kFree).tag, Kind::k2updown);
  table.game.sq_MouseUp(kFree, kLeftButton, 0, 800);          // Shift let go first
  EXPECT_EQ(table.at(kFree).tag, Kind::k3up);
}

TEST(Press, WithoutAnyPlainPressTheReleasePositionDecides) {
  for (auto [y, after] : {std::pair{100.0, Kind::k3up}, {800.0, Kind::k1down}}) {
    Table table = QuietWith(Kind::k2updown);
    ASSERT_TRUE(table.game.record.clickedY.empty());
    table.game.sq_MouseUp(kFree, kLeftButton, 0, y);
    EXPECT_EQ(table.at(kFree).tag, after);
  }
}

TEST(Trials, EachArrowKindTriesWhatItCanReach) {
  struct Case {
    const char* kind;
    std::vector<const char*> tried;
  };
  const Case cases[] = {
      {"0up", {"1up", "2up", "3up", "4"}},
      {"1up", {"2up", "3up", "4"}},
      {"2up", {"3up", "4"}},
      {"3up", {"4"}},
      {"4down", {"3down", "2down", "1down", "0"}},
      {"3down", {"2down", "1down", "0"}},
      {"2down", {"1down", "0"}},
      {"1down", {"0"}},
      {"1updown", {"2up", "0", "3up", "4"}},
      {"2updown", {"3up", "1down", "4", "0"}},
      {"3updown", {"4", "2down", "1down", "0"}},
  };
  for (const Case& c : cases) {
    Kind kind = *KindFromText(c.kind);
    Table table = QuietWith(kind);
    std::vector<std::string> tried;
    // A scan that finds nothing yields once, after its marking.
    table.platform.onYield = [&] { tried.emplace_back(KindText(table.at(kFree).tag)); };
    table.game.sq_MouseDown(kFree, kRightButton, 0, 100);
    EXPECT_EQ(tried, std::vector<std::string>(c.tried.begin(), c.tried.end())) << c.kind;
    EXPECT_EQ(table.at(kFree).tag, kind) << c.kind;
    EXPECT_EQ(table.at(kFree).picture, Template(kind)) << c.kind;
    EXPECT_TRUE(table.platform.sounds.empty());
    EXPECT_EQ(table.game.record.score, 0);
  }
}

TEST(Trials, FirstKindThatReactsIsKept) {
  // "1updown" tries 2up, 0, then 3up, which completes 3 3 on its right.
  Table table(R"(
    0up 1 2       0 1 2
    1   2 0       1 2 0
    2   0 1updown 3 3 1
    0   1 2       0 1 2
    1   2 0       1 2 0
    2   0 1       2 0 1 )");
  table.game.record.score = 5;
  table.game.sq_MouseDown(14, kRightButton, 0, 100);
  EXPECT_EQ(table.platform.sounds, std::vector<int>{0});
  EXPECT_EQ(table.at(14).tag, Kind::Removed);
  EXPECT_EQ(table.at(15).tag, Kind::Removed);
  EXPECT_EQ(table.at(14).picture, Picture::tri3r);
  EXPECT_EQ(table.game.record.score, 15);
}

TEST(Trials, ReactionElsewhereKeepsTheFirstKindAndShowsIt) {
  Table table(R"(
    0up 1 2   0 1 2
    1   2 0   1 2 0
    2   0 2up 2 0 1
    0   1 2   0 1 2
    1   2 0   1 2 0
    3   3 3   2 0 1 )");
  table.game.sq_MouseDown(14, kRightButton, 0, 100);
  EXPECT_EQ(table.platform.sounds, std::vector<int>{0});
  EXPECT_EQ(table.at(14).tag, Kind::k3up);
  EXPECT_EQ(table.at(14).picture, Picture::sq3up);
  EXPECT_EQ(table.at(14).marked, 0);
}

TEST(Trials, NeverEndTheGame) {
  // The pressed "3up" is the only arrow square; its trial "4" finds nothing.
  Table table(R"(
    0 1 2   0 1 2
    1 2 0   1 2 0
    2 0 3up 2 0 1
    0 1 2   0 1 2
    1 2 0   1 2 0
    2 0 1   2 0 1 )");
  table.game.record.score = 300;
  table.game.record.hiScore = "250";
  table.game.sq_MouseDown(14, kRightButton, 0, 100);
  EXPECT_EQ(table.at(14).tag, Kind::k3up);
  EXPECT_FALSE(table.game.record.gameOverShown);
  EXPECT_EQ(table.game.record.hiScore, "250");
  // Once the square really is plain, the game ends.
  Click(table.game, 14, 100);
  table.platform.Advance(1000);
  EXPECT_TRUE(table.game.record.gameOverShown);
  EXPECT_EQ(table.game.record.hiScore, "301");
}

TEST(Trials, SquareChangedMeanwhileIsLeftAlone) {
  struct Case {
    const char* name;
    Kind pressed;  // its first trial is what the other handler finds
    std::function<void(GameForm&)> meanwhile;
    Kind after;
    Picture picture;
  };
  const Case cases[] = {
      {"stepped by a release", Kind::k2up, [](GameForm& g) { Click(g, kFree, 100); }, Kind::k4, Picture::sq4},
      {"erased by another press", Kind::k3up,
       [](GameForm& g) {
         g.record.erasers = 1;
         g.sq_MouseDown(kFree, kRightButton, 0, 100);
       },
       Kind::Removed, Picture::tri4r},
  };
  for (const Case& c : cases) {
    Table table = QuietWith(c.pressed);
    bool once = false;
    table.platform.onYield = [&] {
      if (once) return;
      once = true;
      c.meanwhile(table.game);
    };
    table.game.sq_MouseDown(kFree, kRightButton, 0, 100);
    EXPECT_EQ(table.at(kFree).tag, c.after) << c.name;
    EXPECT_EQ(table.at(kFree).picture, c.picture) << c.name;
  }
}

TEST(Trials, FollowTheSquareWhenItFalls) {
  // The pressed square falls into the gap below it while its first trial's
  // scan yields; the search goes on with it and puts its kind back there.
  Table table(R"(
    0up 1 2   0 1 2
    1   2 2up 1 2 0
    2   0 R   2 0 1
    0   1 2   0 1 2
    1   2 0   1 2 0
    2   0 1   2 0 1 )");
  table.platform.EnableTimer(T::TimerMoveDown);
  std::vector<std::string> tried;
  table.platform.onYield = [&] {
    if (tried.empty()) table.platform.Advance(200);
    tried.emplace_back(KindText(table.at(14).tag));
  };
  table.game.sq_MouseDown(8, kRightButton, 0, 100);
  EXPECT_EQ(tried, (std::vector<std::string>{"3up", "4"}));
  EXPECT_EQ(table.at(14).tag, Kind::k2up);
  EXPECT_EQ(table.at(14).picture, Picture::sq2up);
  EXPECT_EQ(table.at(8).tag, Kind::k2);
  EXPECT_FALSE(table.game.InTrial(14));
}

}  // namespace
}  // namespace vexalon
