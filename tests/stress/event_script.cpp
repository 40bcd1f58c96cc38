#include "stress/event_script.h"

#include "support/fake_platform.h"

namespace vexalon::testing {
namespace {

constexpr const char* kStored[] = {"0", "120", "abc", "-5", "99999999999999999999", ""};

class Run {
 public:
  explicit Run(std::span<const std::uint8_t> script) : script_(script) {
    std::uint8_t setup = script.empty() ? 0 : script[0];
    platform_.game = &game_;
    platform_.stored = kStored[(setup & 0x7f) % std::size(kStored)];
    // Events marked so run inside the yield of the handler before them, three deep at most.
    platform_.onYield = [this] {
      while (depth_ < 3 && failure_.empty() && at_ + 4 <= script_.size() && (script_[at_] & 0x80)) Do();
    };
    game_.Form_Load();
    platform_.plainDraws = setup & 0x80;  // refills without arrows, so that games end
    hiScore_ = game_.record.hiScore;
    level_ = game_.record.level;
  }

  RunResult Play() {
    while (failure_.empty() && at_ + 4 <= script_.size()) Do();
    if (failure_.empty()) Close();
    return {failure_, events_, nested_, static_cast<std::size_t>(platform_.sounds), gameOvers_};
  }

 private:
  void Do() {
    const std::uint8_t* e = &script_[at_];
    at_ += 4;
    static constexpr int kButtons[] = {kLeftButton, kRightButton, kMiddleButton, kLeftButton};
    int cell = e[1] % kCells, button = kButtons[e[2] % 4], shift = (e[2] >> 5) == 0 ? (e[2] >> 2) % 8 : 0;
    double y = e[3] * 900.0 / 256 + ((e[3] & 1) ? 0.5 : 0.0);
    ++events_;
    nested_ += depth_++ > 0;
    switch ((e[0] & 0x7f) % 10) {
      case 0: game_.sq_MouseDown(cell, button, shift, y); break;
      case 1: game_.sq_MouseUp(cell, button, shift, y); break;
      case 2: game_.sq_MouseDown(cell, button, shift, y), game_.sq_MouseUp(cell, button, shift, y); break;
      case 3: game_.Command1_Click(), level_ = game_.record.level, score_ = 0; break;
      case 4: game_.HScrollLevel_Change(e[1] % 12); break;  // 0 and 11 lie off the bar
      case 5:
        platform_.answers = {static_cast<Answer>(e[1] % 3)};
        e[1] % 2 ? game_.Label5_Click() : game_.LabelClr_Click();
        break;
      case 6: platform_.FireNext(platform_.now + 3000); break;
      case 7: platform_.Advance(e[1] * 8); break;
      case 8: platform_.Advance(60000); break;
      case 9: Close(); break;
    }
    --depth_;
    Check();
  }

  void Close() {
    game_.Form_Unload();
    Fail(platform_.stored != game_.record.hiScore, "the high score was not saved");
  }

  void Fail(bool failed, const std::string& what) {
    if (failed && failure_.empty()) failure_ = "event " + std::to_string(events_) + ": " + what;
  }

  // Every cell holds a kind and shows it, or its diamond while marked (a
  // removed cell may still show what it had, a square under trial its old
  // picture); the counters stay in range; the high score stays as stored
  // until a score beats it, then only rises, or is cleared.
  void Check() {
    const StateRecord& r = game_.record;
    for (int k = 0; k < kCells; ++k) {
      const Cell& c = game_.sq[static_cast<std::size_t>(k)];
      bool shows = c.tag == Kind::Removed || game_.InTrial(k) || c.picture == Template(c.tag) ||
                   (c.marked && MarkedTemplate(c.tag) == c.picture);
      Fail(c.marked > 1 || c.tag == Kind::None || !shows, "cell " + std::to_string(k));
    }
    Fail(r.erasers < 0 || r.erasers > 3 || r.score < score_ || r.level < level_ || r.combo < 0 || r.reactions < 0 ||
             r.levelTxt < 1 || r.levelTxt > 10,
         "a counter out of its range");
    std::int64_t value = HiScoreValue(r.hiScore);
    bool record = r.hiScore == Decimal(value) && value <= r.score && value > HiScoreValue(hiScore_);
    Fail(r.hiScore != hiScore_ && r.hiScore != "0" && !record, "high score went from " + hiScore_ + " to " + r.hiScore);
    hiScore_ = r.hiScore;
    score_ = r.score;
    gameOvers_ += r.gameOverShown && !gameOver_;
    gameOver_ = r.gameOverShown;
  }

  std::span<const std::uint8_t> script_;
  std::size_t at_ = 1, events_ = 0, nested_ = 0, gameOvers_ = 0;
  FakePlatform platform_;
  GameForm game_{platform_};
  bool gameOver_ = false;
  int depth_ = 0;
  std::int64_t level_ = 0, score_ = 0;
  std::string hiScore_, failure_;
};

}  // namespace

RunResult RunScript(std::span<const std::uint8_t> script) { return Run(script).Play(); }

}  // namespace vexalon::testing
