#include <gtest/gtest.h>

#include "support/board_text.h"

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

TEST(Finish, ReactionsAreRemovedAndPaidForInPlayOnly) {
  for (bool newGame : {false, true}) {
    Table table(kTwoReactions);
    table.game.record.newGame = newGame;
    table.game.record.score = 120;
    table.game.record.combo = 40000;  // far beyond 16 bits
    EXPECT_EQ(table.game.CheckReactions(), 2);
    EXPECT_EQ(table.game.record.score, newGame ? 120 : 140);
    EXPECT_EQ(table.game.record.combo, 40002);
    EXPECT_EQ(table.platform.sounds, std::vector<int>{0});
    EXPECT_TRUE(table.platform.Enabled(Timer::TimerClearSq));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(table.at(k).tag, Kind::Removed);
    EXPECT_EQ(table.at(4).tag, Kind::k1);
    EXPECT_FALSE(table.game.record.gameOverShown);
  }
}

TEST(Finish, CountersAreReadAfterTheYields) {
  Table table(kTwoReactions);
  table.game.record.score = 5;
  int yields = 0;
  // Another handler scores and starts a combo while the removal yields.
  table.platform.onYield = [&] {
    if (++yields == 2) {
      table.game.record.score += 1;
      table.game.record.combo = 3;
    }
  };
  table.game.CheckReactions();
  EXPECT_EQ(yields, 3);
  EXPECT_EQ(table.game.record.score, 26);
  EXPECT_EQ(table.game.record.combo, 5);
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
    const char* hiScore;
    const char* after;
  };
  const Case cases[] = {
      {300, "250", "300"},
      {250, "250", "250"},
      {249, "250", "250"},
      {40000, "32767", "40000"},
      {5, "abc", "5"},        // not a number: counts as 0
      {0, "abc", "abc"},
      {3, "-5", "3"},
      {7, "99999999999999999999", "99999999999999999999"},
      {100, "0100", "0100"},
      {1, "", "1"},
  };
  for (const Case& c : cases) {
    Table table(kNoArrows);
    table.game.record.score = c.score;
    table.game.record.hiScore = c.hiScore;
    EXPECT_EQ(table.game.CheckReactions(), 0);
    EXPECT_TRUE(table.game.record.gameOverShown) << c.hiScore;
    EXPECT_EQ(table.game.record.hiScore, c.after) << c.score << " against " << c.hiScore;
    EXPECT_TRUE(table.platform.sounds.empty());
  }
}

TEST(Finish, AnyArrowOrGapKeepsTheGameGoing) {
  for (const char* kind : {"1up", "4down", "2updown", "R", "."}) {
    for (int k : {0, 17, 35}) {
      Table table(kNoArrows);
      table.at(k).tag = *KindFromText(kind == std::string("R") ? "Removed" : kind == std::string(".") ? "" : kind);
      table.game.record.score = 300;
      table.game.record.hiScore = "250";
      EXPECT_EQ(table.game.CheckReactions(), 0);
      EXPECT_FALSE(table.game.record.gameOverShown) << kind << " at " << k;
      EXPECT_EQ(table.game.record.hiScore, "250");
    }
  }
}

TEST(Finish, MarksWithoutReactionsWaitForTheNextRemoval) {
  Table table(R"(
    0* 1* 2* 0* 1* 2*
    1  2  0  1  2  0
    2  0  1  2  0  1
    0  1  2  0  1  2
    1  2  0  1  2  0
    2  0  1  2  0  1234 )");
  EXPECT_EQ(table.game.CheckReactions(), 0);
  EXPECT_EQ(table.game.record.erasers, 1);  // a full row earns even without a reaction
  EXPECT_TRUE(table.platform.sounds.empty());
  EXPECT_FALSE(table.platform.Enabled(Timer::TimerClearSq));
  EXPECT_EQ(table.at(0).marked, 1);
  EXPECT_EQ(table.at(0).tag, Kind::k0);
}

TEST(HiScoreValue, ReadsUserTextSafely) {
  struct Case {
    const char* text;
    std::int64_t value;
  };
  const Case cases[] = {
      {"0", 0},
      {"1230", 1230},
      {"-5", -5},
      {"007", 7},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"12,Bob", 0},
      {" 12", 0},
      {"+12", 0},
      {"9223372036854775807", INT64_MAX},
      {"9223372036854775808", INT64_MAX},
      {"99999999999999999999", INT64_MAX},
      {"-9223372036854775808", INT64_MIN},
      {"-99999999999999999999", INT64_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(HiScoreValue(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace vexalon
