#include <gtest/gtest.h>

#include <map>

#include "board/fill_table.h"
#include "support/board_text.h"

namespace vexalon {
namespace {

using testing::FakePlatform;
using testing::Table;

std::string DrawText(int h, std::int64_t level) {
  std::optional<Kind> kind = KindForDraw(h, FillRowForLevel(level));
  return kind ? std::string(KindText(*kind)) : "none";
}

TEST(FillTable, ThresholdsBelongToTheirOwnKind) {
  struct Case {
    std::int64_t level;
    int h;
    const char* kind;
  };
  const Case cases[] = {
      {1, 0, "4down"},   {1, 20, "4down"},  {1, 21, "3up"},    {1, 80, "1down"},   {1, 81, "0up"},
      {1, 100, "0up"},   {1, 101, "4"},     {1, 112, "1"},     {1, 113, "0"},      {1, 115, "0"},
      {2, 101, "4"},     {2, 106, "4"},     {2, 130, "0"},     {3, 41, "3updown"}, {3, 42, "3updown"},
      {3, 43, "2up"},    {3, 63, "2updown"}, {3, 96, "1updown"}, {3, 156, "0"},    {4, 168, "1234"},
      {4, 166, "1234"},  {5, 148, "1234"},  {6, 140, "1234"},  {7, 50, "1up"},     {7, 51, "1down"},
      {7, 56, "1down"},  {7, 57, "1updown"}, {7, 60, "1updown"}, {7, 61, "0up"},   {7, 128, "1234"},
      {8, 117, "1234"},  {9, 108, "1234"},  {9, 0, "4down"},   {10, 9, "4down"},   {10, 10, "3up"},
      {10, 93, "1234"},  {10, 92, "0"},     {11, 95, "1234"},  {250, 33, "1updown"},
  };
  for (const Case& c : cases) EXPECT_EQ(DrawText(c.h, c.level), c.kind) << "level " << c.level << " h " << c.h;
}

TEST(FillTable, EachLevelDrawsOnlyItsKinds) {
  for (std::int64_t level = 1; level <= 11; ++level) {
    const FillRow& row = FillRowForLevel(level);
    std::map<std::string, int> drawn;
    for (int h = 0; h <= row.max; ++h) ++drawn[DrawText(h, level)];
    EXPECT_EQ(drawn.count("none"), 0u) << "level " << level;
    bool upDown = drawn.count("1updown") && drawn.count("2updown") && drawn.count("3updown");
    EXPECT_EQ(upDown, level >= 3) << "level " << level;
    EXPECT_EQ(drawn.count("1234") == 1, level >= 4) << "level " << level;
    EXPECT_EQ(drawn.size(), level <= 2 ? 13u : level == 3 ? 16u : 17u) << "level " << level;
  }
  // 10, 11 and anything that is not 1 to 9 share the last row.
  EXPECT_EQ(&FillRowForLevel(10), &FillRowForLevel(11));
  EXPECT_EQ(&FillRowForLevel(10), &FillRowForLevel(0));
  EXPECT_EQ(FillRowForLevel(10).max, 95);
}

TEST(FillTable, DrawRoundsHalvesToEven) {
  EXPECT_EQ(DrawValue(0.0f, FillRowForLevel(1)), 0);
  EXPECT_EQ(DrawValue(0.5f, FillRowForLevel(1)), 58);  // 57.5
  EXPECT_EQ(DrawValue(0.5f, FillRowForLevel(8)), 58);  // 58.5
  EXPECT_EQ(DrawValue(0.5f, FillRowForLevel(2)), 65);
  EXPECT_EQ(DrawValue(1.0f - 0x1p-24f, FillRowForLevel(1)), 115);
  EXPECT_EQ(DrawValue(20.4f / 115, FillRowForLevel(1)), 20);
}

TEST(FillBoard, NewBoardFillsEveryCellInIndexOrder) {
  Table table("R* 2* R 1234* 3 0up  1 1 1 1 1 1  1 1 1 1 1 1  1 1 1 1 1 1  1 1 1 1 1 1  1 1 1 1 1 1");
  FakePlatform& platform = table.platform;
  // h = 0 draws "4down", h = 115 draws "0" at level 1.
  for (int k = 0; k < kCells; ++k) platform.randoms.push_back(k % 2 == 0 ? 0.0f : 0.9999f);
  int seeds = platform.seeds;
  table.game.FillBoard(false);
  EXPECT_EQ(platform.seeds, seeds + 1);
  for (int k = 0; k < kCells; ++k) {
    const Cell& cell = table.at(k);
    EXPECT_EQ(cell.tag, k % 2 == 0 ? Kind::k4down : Kind::k0) << k;
    EXPECT_EQ(cell.picture, Template(cell.tag)) << k;
    EXPECT_EQ(cell.marked, 0) << k;
  }
  EXPECT_TRUE(platform.Enabled(Timer::WaitAfterInitTimer));
  EXPECT_FALSE(platform.Enabled(Timer::WaitAfterReactionsTimer));
}

TEST(FillBoard, RefillFillsOnlyRemovedCells) {
  Table table(R"(
    R    2  R  3 0up 1
    1up  1  2  3 4   4
    1    1  1  1 1   1
    1    1  1  1 1   1
    1    1  1  1 1   1
    1    1  1  1 1   R )");
  table.game.record.level = 10;
  table.platform.randoms = {0.0f, 92.0f / 95, 1.0f - 0x1p-24f};
  table.game.FillBoard(true);
  EXPECT_EQ(testing::BoardText(table.game), testing::Rows(R"(
    4down 2  0  3 0up 1
    1up   1  2  3 4   4
    1     1  1  1 1   1
    1     1  1  1 1   1
    1     1  1  1 1   1
    1     1  1  1 1   1234 )"));
  EXPECT_TRUE(table.platform.randoms.empty());
  EXPECT_TRUE(table.platform.Enabled(Timer::WaitAfterReactionsTimer));
  EXPECT_FALSE(table.platform.Enabled(Timer::WaitAfterInitTimer));
}

TEST(FillBoard, RefillWithoutGapsStillWaitsForTheScan) {
  Table table("1 2 3 4 0 1  1 2 3 4 0 1  1 2 3 4 0 1  1 2 3 4 0 1  1 2 3 4 0 1  1 2 3 4 0 1");
  std::string before = testing::BoardText(table.game);
  table.game.FillBoard(true);
  EXPECT_EQ(testing::BoardText(table.game), before);
  EXPECT_TRUE(table.platform.Enabled(Timer::WaitAfterReactionsTimer));
}

TEST(Kinds, TextsAndFactsAgree) {
  for (int i = 0; i < kKindCount; ++i) {
    Kind kind = static_cast<Kind>(i);
    EXPECT_EQ(KindFromText(KindText(kind)), kind);
    std::string_view text = KindText(kind);
    bool hasArrow = text.find("up") != text.npos || text.find("down") != text.npos;
    EXPECT_EQ(IsArrowFree(kind), !text.empty() && !hasArrow && kind != Kind::Removed) << text;
    // A single colour shows as its first character; its diamond is of that colour.
    if (kind != Kind::k1234 && ColourMask(kind) != 0) {
      EXPECT_EQ(ColourMask(kind), 1u << (text[0] - '0')) << text;
      EXPECT_EQ(PictureName(*MarkedTemplate(kind)), "tri" + std::string(1, text[0]) + "r");
      EXPECT_EQ(PictureName(Template(kind)), "sq" + std::string(text));
    }
  }
  EXPECT_FALSE(KindFromText("1UP"));
  EXPECT_FALSE(MarkedTemplate(Kind::k1234));
  EXPECT_FALSE(MarkedTemplate(Kind::Removed));
  EXPECT_EQ(FirstChar(Kind::k1234), '1');
  EXPECT_EQ(FirstChar(Kind::Removed), 'R');
}

}  // namespace
}  // namespace vexalon
