#include <gtest/gtest.h>

#include <map>

#include "board/fill_table.h"
#include "support/board_text.h"

namespace vexalon {
namespace {

// How many of the whole numbers 0 to max each kind takes at each level, in
// the order a draw walks the kinds: fewer arrows as the level rises, the
// up-and-down squares from level 3, the multi-colour square from level 4.
TEST(Fill, EachLevelDrawsItsOwnMix) {
  const char* shares[] = {
      "21 10 10 0 10 10 0 10 10 0 20 3 3 3 3 3 0",  "21 10 10 0 10 10 0 10 10 0 20 6 6 6 6 6 0",
      "21 10 10 2 10 10 12 10 10 2 20 8 8 8 8 8 0", "24 10 10 3 10 10 3 10 10 3 23 10 10 10 10 10 3",
      "20 8 8 3 8 8 3 8 8 3 19 10 10 10 10 10 3",   "18 6 7 4 7 7 4 7 7 4 17 10 10 10 10 10 3",
      "16 5 5 5 5 5 5 5 6 4 15 10 10 10 10 10 3",   "14 4 4 5 4 4 5 4 4 5 12 10 10 10 10 10 3",
      "12 3 3 5 3 3 5 3 3 5 11 10 10 10 10 10 3",   "10 2 2 5 2 2 5 2 2 2 9 10 10 10 10 10 3",
      "10 2 2 5 2 2 5 2 2 2 9 10 10 10 10 10 3"};  // 11 and above draw as 10
  for (std::int64_t level = 1; level <= 11; ++level) {
    const FillRow& row = FillRowForLevel(level);
    std::map<std::string, int> drawn;
    for (int h = 0, max = DrawValue(1.0f - 0x1p-24f, row); h <= max + 1; ++h)  // none for max + 1
      ++drawn[KindForDraw(h, row) ? std::string(KindText(*KindForDraw(h, row))) : "none"];
    std::string counts = std::to_string(drawn["none"]) + ":";
    for (const std::string& kind : testing::Tokens("4down 3up 3down 3updown 2up 2down 2updown 1up 1down 1updown 0up 4 3 2 1 0 1234"))
      counts += " " + std::to_string(drawn[kind]);
    EXPECT_EQ(counts, "1: " + std::string(shares[level - 1])) << "level " << level;
  }
  EXPECT_EQ(DrawValue(0.5f, FillRowForLevel(1)) + DrawValue(0.5f, FillRowForLevel(8)), 58 + 58);  // halves to even
}

}  // namespace
}  // namespace vexalon
