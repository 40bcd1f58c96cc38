#include "stress/event_script.h"

#include <sstream>

#include "support/fake_platform.h"

namespace vexalon::testing {
namespace {

constexpr int kMaxDepth = 3;  // handlers running inside handlers' yields
constexpr const char* kStored[] = {"0", "120", "abc", "-5", "99999999999999999999", ""};

// Every event takes four bytes: what it is, then three that say how.
Event DecodeOne(std::span<const std::uint8_t> bytes) {
  std::uint8_t head = bytes[0], a = bytes[1], b = bytes[2], c = bytes[3];
  Event event{static_cast<Event::Type>((head & 0x7f) % 10), (head & 0x80) != 0};
  static constexpr int kButtons[] = {kLeftButton, kRightButton, kMiddleButton, kLeftButton};
  event.cell = a % kCells;
  event.button = kButtons[b % 4];
  event.shift = (b >> 5) == 0 ? (b >> 2) % 8 : 0;  // plain clicks are the common case
  event.y = c * 900.0 / 256 + ((c & 1) ? 0.5 : 0.0);
  event.value = event.type == Event::Wait ? a * 8 : a % 12;  // ms; difficulty 0 and 11 lie off the bar
  return event;
}

class Run {
 public:
  Run(std::uint8_t setup, std::vector<Event> events) : events_(std::move(events)) {
    platform_.game = &game_;
    platform_.stored = kStored[(setup & 0x7f) % std::size(kStored)];
    platform_.onYield = [this] { InsideYield(); };
    game_.Form_Load();
    platform_.plainDraws = setup & 0x80;  // refills without arrows, so that games end
    hiScore_ = game_.record.hiScore;
    StartGame();
  }

  RunResult Play() {
    Check("load");
    while (next_ < events_.size() && failure_.empty()) Do(events_[next_++]);
    if (failure_.empty()) Close("close");
    return {failure_, done_, nested_, platform_.sounds.size(), gameOvers_};
  }

 private:
  void InsideYield() {
    if (depth_ >= kMaxDepth) return;
    while (failure_.empty() && next_ < events_.size() && events_[next_].inYield) Do(events_[next_++]);
  }

  void Do(const Event& e) {
    ++done_;
    nested_ += depth_ > 0;
    ++depth_;
    switch (e.type) {
      case Event::Press: game_.sq_MouseDown(e.cell, e.button, e.shift, e.y); break;
      case Event::Release: game_.sq_MouseUp(e.cell, e.button, e.shift, e.y); break;
      case Event::Click:
        game_.sq_MouseDown(e.cell, e.button, e.shift, e.y);
        game_.sq_MouseUp(e.cell, e.button, e.shift, e.y);
        break;
      case Event::NewGame: game_.Command1_Click(), StartGame(); break;
      case Event::Scroll: game_.HScrollLevel_Change(e.value); break;
      case Event::Clear:
        platform_.answers = {static_cast<Answer>(e.value % 3)};
        e.value < 6 ? game_.Label5_Click() : game_.LabelClr_Click();
        break;
      case Event::Tick: platform_.FireNext(platform_.now + 3000); break;
      case Event::Wait: platform_.Advance(e.value); break;
      case Event::Settle: platform_.RunUntilIdle(60000); break;
      case Event::Close: Close(Describe(e)); break;
    }
    --depth_;
    Check(Describe(e));
  }

  void StartGame() {
    level_ = game_.record.level;
    score_ = game_.record.score;
  }

  void Close(const std::string& where) {
    game_.Form_Unload();
    if (platform_.stored != game_.record.hiScore) Fail(where, "the high score was not saved");
  }

  void Fail(const std::string& where, const std::string& what) {
    if (failure_.empty()) failure_ = "after event " + std::to_string(done_) + " (" + where + "): " + what;
  }

  void Check(const std::string& where) {
    const StateRecord& r = game_.record;
    for (int k = 0; k < kCells; ++k)
      if (std::string problem = CellProblem(k); !problem.empty())
        return Fail(where, "cell " + std::to_string(k) + " " + problem);
    if (r.erasers < 0 || r.erasers > 3) return Fail(where, "erasers " + std::to_string(r.erasers));
    if (r.score < score_) return Fail(where, "the score fell to " + std::to_string(r.score));
    if (r.level < level_ || r.combo < 0 || r.reactions < 0 || r.levelTxt < 1 || r.levelTxt > 10)
      return Fail(where, "a counter out of its range");
    // The stored text stays until a score beats it; then only higher scores, or a clear.
    if (r.hiScore != hiScore_) {
      std::int64_t value = HiScoreValue(r.hiScore);
      bool record = r.hiScore == Decimal(value) && value <= r.score && value > HiScoreValue(hiScore_);
      if (r.hiScore != "0" && !record) return Fail(where, "high score went from " + hiScore_ + " to " + r.hiScore);
      hiScore_ = r.hiScore;
    }
    score_ = r.score;
    gameOvers_ += r.gameOverShown && !gameOver_;
    gameOver_ = r.gameOverShown;
  }

  // A square shows its kind, or its diamond while marked; a removed cell
  // may still show what it had, and a square under trial its old picture.
  std::string CellProblem(int k) const {
    const Cell& cell = game_.sq[static_cast<std::size_t>(k)];
    if (cell.marked > 1 || cell.tag == Kind::None) return "holds no kind, or flag " + std::to_string(cell.marked);
    if (cell.tag == Kind::Removed || game_.InTrial(k) || cell.picture == Template(cell.tag)) return "";
    if (cell.marked == 1 && MarkedTemplate(cell.tag) == cell.picture) return "";
    return "holds \"" + std::string(KindText(cell.tag)) + "\" but shows " + std::string(PictureName(cell.picture));
  }

  FakePlatform platform_;
  GameForm game_{platform_};
  std::vector<Event> events_;
  std::size_t next_ = 0, done_ = 0, nested_ = 0, gameOvers_ = 0;
  bool gameOver_ = false;
  int depth_ = 0;
  std::int64_t level_ = 0, score_ = 0;
  std::string hiScore_, failure_;
};

}  // namespace

std::vector<Event> DecodeEvents(std::span<const std::uint8_t> script) {
  std::vector<Event> events;
  for (std::size_t at = 1; at + 4 <= script.size(); at += 4) events.push_back(DecodeOne(script.subspan(at, 4)));
  return events;
}

std::string Describe(const Event& e) {
  static constexpr const char* kNames[] = {"press", "release", "click", "new game", "scroll",
                                           "clear", "tick",    "wait",  "settle",   "close"};
  std::ostringstream out;
  out << (e.inYield ? "(in yield) " : "") << kNames[e.type];
  if (e.type <= Event::Click) out << " cell " << e.cell << " button " << e.button << " shift " << e.shift << " y " << e.y;
  if (e.type == Event::Scroll || e.type == Event::Clear || e.type == Event::Wait) out << " " << e.value;
  return out.str();
}

RunResult RunScript(std::span<const std::uint8_t> script) {
  return Run(script.empty() ? 0 : script[0], DecodeEvents(script)).Play();
}

// Drops ever smaller runs of whole events for as long as the script still fails.
std::vector<std::uint8_t> Shrink(std::vector<std::uint8_t> script,
                                 const std::function<bool(const std::vector<std::uint8_t>&)>& fails) {
  for (std::size_t chunk = (script.size() / 8) * 4; chunk >= 4; chunk = chunk / 8 * 4) {
    for (std::size_t at = 1; at + chunk <= script.size();) {
      std::vector<std::uint8_t> smaller(script);
      smaller.erase(smaller.begin() + static_cast<std::ptrdiff_t>(at),
                    smaller.begin() + static_cast<std::ptrdiff_t>(at + chunk));
      if (fails(smaller))
        script = std::move(smaller);
      else
        at += chunk;
    }
  }
  return script;
}

}  // namespace vexalon::testing
