#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::kQuiet;
using testing::Table;

// Cell 14 sits where no kind can complete a line on the quiet board.
constexpr int kFree = 14;

Table QuietWith(std::string_view kind) {
  Table table(kQuiet);
  SetSquare(table.at(kFree), *KindFromText(kind));
  return table;
}

void Click(GameForm& game, int index, double y, int button = kLeftButton, int shift = 0) {
  game.sq_MouseDown(index, button, shift, y);
  game.sq_MouseUp(index, button, shift, y);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// Plain releases step an arrow square along its arrow, one colour a release,
// until it reaches 4 or 0 and loses the arrow. An up-and-down square goes
// the way of the half that was pressed (y in twips, rounded half to even).
struct Path {
  const char* kind;
  double y;
  const char* steps;
};
const Path kPaths[] = {
    {"0up", 0, "1up 2up 3up 4"},    {"4down", 899, "3down 2down 1down 0"},
    {"1updown", 449, "2up 3up 4"},  {"1updown", 450, "0"},
    {"2updown", 448.5, "3up 4"},    {"2updown", 449.5, "1down 0"},
    {"3updown", 0, "4"},            {"3updown", 899, "2down 1down 0"},
};

TEST(Release, StepsArrowSquaresUntilTheyLoseTheirArrow) {
  for (const Path& path : kPaths) {
    Table table = QuietWith(path.kind);
    std::vector<std::string> steps = Words(path.steps);
    for (const std::string& step : steps) {
      Click(table.game, kFree, path.y);
      EXPECT_EQ(table.at(kFree).tag, KindFromText(step)) << path.kind << " at " << path.y;
      EXPECT_EQ(table.at(kFree).picture, Template(table.at(kFree).tag)) << step;
    }
    Click(table.game, kFree, path.y);  // plain now, and no eraser to spend
    EXPECT_EQ(table.game.record.score, static_cast<std::int64_t>(steps.size())) << path.kind;
    EXPECT_TRUE(table.platform.Enabled(Timer::WaitAfterClickTimer));
  }
}

// An alternate press tries every kind the square could reach by releases,
// nearest first; an up-and-down square alternates, upward first.
TEST(Trials, TryWhatReleasesCouldReachThenPutTheSquareBack) {
  std::map<std::string, std::vector<std::string>> reach;
  for (const Path& path : kPaths) {
    std::vector<std::string> steps = Words(path.steps);
    if (std::string(path.kind).find("updown") == std::string::npos) {
      for (std::size_t i = 0; i + 1 < steps.size(); ++i) reach[steps[i]].assign(steps.begin() + i + 1, steps.end());
      reach[path.kind] = steps;
      continue;
    }
    std::vector<std::string>& tries = reach[path.kind];  // the upper half comes first in the table
    std::vector<std::string> up = tries;
    tries.clear();
    for (std::size_t i = 0; i < std::max(up.size(), steps.size()); ++i) {
      if (i < up.size()) tries.push_back(up[i]);
      if (i < steps.size() && !up.empty()) tries.push_back(steps[i]);
    }
    if (up.empty()) tries = steps;
  }
  ASSERT_EQ(reach.size(), 11u);
  for (const auto& [kind, expected] : reach) {
    Table table = QuietWith(kind);
    std::vector<std::string> tried;
    table.platform.onYield = [&] { tried.emplace_back(KindText(table.at(kFree).tag)); };
    table.game.sq_MouseDown(kFree, kRightButton, 0, 100);
    EXPECT_EQ(tried, expected) << kind;
    EXPECT_EQ(table.Board(), QuietWith(kind).Board()) << kind;
    EXPECT_TRUE(table.platform.sounds.empty());
  }
}

TEST(Press, ButtonsAndKeysChooseThePlainOrTheAlternateMode) {
  struct Case {
    int button, shift;
    bool plain;
  };
  const Case cases[] = {{kLeftButton, 0, true},      {kMiddleButton, 0, true}, {kMiddleButton, kShift | kCtrl, true},
                        {kRightButton, 0, false},    {kRightButton, kAlt, false}, {kLeftButton, kShift, false},
                        {kLeftButton, kCtrl, false}, {kLeftButton, kAlt, false}};
  for (const Case& c : cases) {
    Table table = QuietWith("2updown");
    table.game.sq_MouseDown(kFree, c.button, c.shift, 800);
    EXPECT_EQ(table.game.record.clickedY, c.plain ? "800" : "") << c.button << " " << c.shift;
    EXPECT_EQ(table.platform.yields, c.plain ? 0 : 4) << c.button << " " << c.shift;  // four trials
    table.game.sq_MouseUp(kFree, c.button, c.shift, 800);
    EXPECT_EQ(table.at(kFree).tag, c.plain ? Kind::k1down : Kind::k2updown) << c.button << " " << c.shift;
    EXPECT_EQ(table.platform.Enabled(Timer::WaitAfterClickTimer), c.plain);
  }
  // The half comes from the latest plain press, on whichever square; with
  // none since the start, from the release itself.
  Table table = QuietWith("2updown");
  table.game.sq_MouseUp(kFree, kLeftButton, 0, 800);
  EXPECT_EQ(table.at(kFree).tag, Kind::k1down);
  SetSquare(table.at(kFree), Kind::k2updown);
  table.game.sq_MouseDown(0, kLeftButton, 0, 100);
  table.game.sq_MouseDown(kFree, kLeftButton, kShift, 800);
  table.game.sq_MouseUp(kFree, kLeftButton, 0, 800);  // Shift let go first
  EXPECT_EQ(table.at(kFree).tag, Kind::k3up);
}

TEST(Release, EveryPlainReleaseEndsTheFreshDealAndRestartsTheWait) {
  for (const char* kind : {"1234", "Removed", "2up", "3"}) {
    Table table = QuietWith(kind);
    StateRecord& r = table.game.record;
    r.newGame = r.comboShown = true;
    r.reactions = 7;
    r.combo = 4;
    table.platform.EnableTimer(Timer::TimerHideCombo);
    Click(table.game, kFree, 100, kRightButton);
    Click(table.game, kFree, 100, kLeftButton, kCtrl);
    EXPECT_TRUE(r.newGame && r.comboShown) << kind;
    Click(table.game, kFree, 100);
    table.platform.Advance(600);
    Click(table.game, kFree, 100);
    EXPECT_FALSE(r.newGame || r.comboShown) << kind;
    EXPECT_EQ(r.reactions + r.combo, 0) << kind;
    EXPECT_FALSE(table.platform.Enabled(Timer::TimerHideCombo)) << kind;
    table.platform.Advance(2000);
    EXPECT_EQ(table.platform.log, "1600 WaitAfterClickTimer\n") << kind;
    EXPECT_EQ(r.score, std::string(kind) == "2up" ? 2 : 0) << kind;
  }
}

TEST(Erasers, PlainSquareIsErasedWhileErasersLast) {
  for (auto [button, shift] : {std::pair{kLeftButton, 0}, {kRightButton, 0}, {kLeftButton, kAlt}}) {
    for (std::int64_t count : {0, 1, 2}) {
      Table table = QuietWith("4");
      table.game.record.erasers = count;
      std::string seen;
      table.platform.onYield = [&] { seen = table.Board(); };
      Click(table.game, kFree, 100, button, shift);
      EXPECT_EQ(table.game.record.erasers, std::max<std::int64_t>(count - 1, 0));
      EXPECT_EQ(table.at(kFree).tag, count ? Kind::Removed : Kind::k4);
      EXPECT_EQ(seen.find("4*") != seen.npos, count > 0);  // the diamond shows while the sound plays
      EXPECT_EQ(table.platform.sounds, count ? std::vector<int>{1} : std::vector<int>{});
      EXPECT_EQ(table.platform.Enabled(Timer::TimerClearSq), count > 0);
      EXPECT_EQ(table.platform.Enabled(Timer::WaitAfterClickTimer), button == kLeftButton && shift == 0);
    }
  }
}

// The count is written before the removal yields: an eraser spent or won
// meanwhile is neither lost nor spent twice.
TEST(Erasers, CountSurvivesInputDuringTheRemoval) {
  for (bool spend : {true, false}) {
    Table table = QuietWith("3");
    SetSquare(table.at(34), Kind::k4);
    table.game.record.erasers = spend ? 2 : 1;
    table.platform.onYield = [&] {
      if (table.platform.yields != 1) return;
      if (spend) table.game.sq_MouseDown(34, kRightButton, 0, 100);
      if (!spend) ++table.game.record.erasers;
    };
    table.game.sq_MouseDown(kFree, kRightButton, 0, 100);
    EXPECT_EQ(table.game.record.erasers, spend ? 0 : 1);
    EXPECT_EQ(table.at(34).tag, spend ? Kind::Removed : Kind::k4);
  }
}

TEST(Trials, KeepTheFirstKindThatReacts) {
  // "1updown" tries 2up, 0, then 3up, which completes the 3s on its right.
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
  EXPECT_EQ(Words(table.Board())[14], "R*/tri3r");
  EXPECT_EQ(table.game.record.score, 15);
  // A reaction already waiting elsewhere: the first kind stays, and shows.
  testing::SetBoard(table.game, R"(
    0up 1 2   0 1 2
    1   2 0   1 2 0
    2   0 2up 2 0 1
    0   1 2   0 1 2
    1   2 0   1 2 0
    3   3 3   2 0 1 )");
  table.game.sq_MouseDown(14, kRightButton, 0, 100);
  EXPECT_EQ(Words(table.Board())[14], "3up");
}

// The pressed square is only the kind under trial, so a trial never ends
// the game; once the square really is plain, the game ends.
TEST(Trials, NeverEndTheGame) {
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
  EXPECT_FALSE(table.game.record.gameOverShown);
  EXPECT_EQ(table.game.record.hiScore, "250");
  Click(table.game, 14, 100);
  table.platform.Advance(1000);
  EXPECT_TRUE(table.game.record.gameOverShown);
  EXPECT_EQ(table.game.record.hiScore, "301");
}

// Other handlers run while a trial's scan yields: a square they change is
// left alone, one that falls takes its trial along.
TEST(Trials, FollowTheSquareThroughOtherHandlers) {
  struct Case {
    const char *name, *pressedKind;
    int pressed, after;  // cells
    const char* kind;
    std::function<void(Table&)> meanwhile;
  };
  const Case cases[] = {
      {"stepped by a release", "2up", kFree, kFree, "4", [](Table& t) { Click(t.game, kFree, 100); }},
      {"erased by another press", "3up", kFree, kFree, "R*/tri4r",
       [](Table& t) {
         t.game.record.erasers = 1;
         t.game.sq_MouseDown(kFree, kRightButton, 0, 100);
       }},
      {"fallen into the gap below", "2up", 8, 14, "2up", [](Table& t) {
         t.at(14).tag = Kind::Removed;
         t.platform.EnableTimer(Timer::TimerMoveDown);
         t.platform.Advance(200);
       }},
  };
  for (const Case& c : cases) {
    Table table(kQuiet);
    SetSquare(table.at(c.pressed), *KindFromText(c.pressedKind));
    bool once = false;
    table.platform.onYield = [&] {
      if (!std::exchange(once, true)) c.meanwhile(table);
    };
    table.game.sq_MouseDown(c.pressed, kRightButton, 0, 100);
    EXPECT_EQ(Words(table.Board())[static_cast<std::size_t>(c.after)], c.kind) << c.name;
    EXPECT_FALSE(table.game.InTrial(c.after)) << c.name;
  }
}

}  // namespace
}  // namespace vexalon
