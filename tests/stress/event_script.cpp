#include "stress/event_script.h"

#include <algorithm>
#include <sstream>

#include "shell/game_form.h"
#include "support/fake_platform.h"

namespace vexalon::testing {
namespace {

constexpr int kMaxDepth = 3;  // handlers running inside handlers' yields
constexpr const char* kStored[] = {"0", "120", "abc", "-5", "99999999999999999999", ""};

class Cursor {
 public:
  explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool done() const { return at_ >= bytes_.size(); }
  std::uint8_t next() { return done() ? 0 : bytes_[at_++]; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// Every event takes four bytes: what it is, then three that say how.
Event DecodeOne(Cursor& in) {
  Event event;
  std::uint8_t head = in.next(), a = in.next(), b = in.next(), c = in.next();
  event.type = static_cast<Event::Type>((head & 0x7f) % 10);
  event.inYield = (head & 0x80) != 0;
  switch (event.type) {
    case Event::Press:
    case Event::Release:
    case Event::Click: {
      event.cell = a % kCells;
      static constexpr int kButtons[] = {kLeftButton, kRightButton, kMiddleButton, kLeftButton};
      event.button = kButtons[b % 4];
      event.shift = (b >> 5) == 0 ? (b >> 2) % 8 : 0;  // plain clicks are the common case
      event.y = c * 900.0 / 256 + ((c & 1) ? 0.5 : 0.0);
      break;
    }
    case Event::Scroll: event.value = a % 12; break;  // 0 and 11 lie outside the bar
    case Event::Clear: event.value = a % 6; break;    // the answer, and which label
    case Event::Wait: event.value = a * 8; break;     // ms
    default: break;
  }
  return event;
}

class Run {
 public:
  Run(std::uint8_t setup, std::vector<Event> events) : events_(std::move(events)), plainRefills_(setup & 0x80) {
    std::uint8_t storedChoice = setup & 0x7f;
    platform_.game = &game_;
    platform_.stored = kStored[storedChoice % std::size(kStored)];
    platform_.onYield = [this] { InsideYield(); };
  }

  RunResult Play() {
    game_.Form_Load();
    // Some runs refill with squares without arrows, so that games end.
    platform_.plainDraws = plainRefills_;
    storedAtLoad_ = lastHiScore_ = game_.record.hiScore;
    StartGame();
    Check("load");
    while (next_ < events_.size() && failure_.empty()) Do(events_[next_++]);
    if (failure_.empty()) {
      game_.Form_Unload();
      if (platform_.stored != game_.record.hiScore) Fail("close", "the high score was not saved");
    }
    return {failure_, done_, nested_, platform_.sounds.size(), gameOvers_};
  }

 private:
  void InsideYield() {
    if (depth_ >= kMaxDepth) return;
    ++depth_;
    while (failure_.empty() && next_ < events_.size() && events_[next_].inYield) Do(events_[next_++]);
    --depth_;
  }

  void Do(const Event& event) {
    ++done_;
    if (depth_ > 0) ++nested_;
    ++depth_;
    switch (event.type) {
      case Event::Press: game_.sq_MouseDown(event.cell, event.button, event.shift, event.y); break;
      case Event::Release: game_.sq_MouseUp(event.cell, event.button, event.shift, event.y); break;
      case Event::Click:
        game_.sq_MouseDown(event.cell, event.button, event.shift, event.y);
        game_.sq_MouseUp(event.cell, event.button, event.shift, event.y);
        break;
      case Event::NewGame:
        game_.Command1_Click();
        StartGame();
        break;
      case Event::Scroll: game_.HScrollLevel_Change(event.value); break;
      case Event::Clear: {
        static constexpr Answer kAnswers[] = {Answer::Yes, Answer::No, Answer::Cancel};
        platform_.answers = {kAnswers[event.value % 3]};
        event.value < 3 ? game_.Label5_Click() : game_.LabelClr_Click();
        break;
      }
      case Event::Tick: platform_.FireNext(platform_.now + 3000); break;
      case Event::Wait: platform_.Advance(event.value); break;
      case Event::Settle: platform_.RunUntilIdle(60000); break;
      case Event::Close:
        game_.Form_Unload();
        if (platform_.stored != game_.record.hiScore) Fail(Describe(event), "the high score was not saved");
        break;
    }
    --depth_;
    Check(Describe(event));
  }

  void StartGame() {
    startLevel_ = game_.record.level;
    lastScore_ = game_.record.score;
  }

  void Fail(const std::string& where, const std::string& what) {
    if (failure_.empty()) failure_ = "after event " + std::to_string(done_) + " (" + where + "): " + what;
  }

  void Check(const std::string& where) {
    const StateRecord& r = game_.record;
    for (int k = 0; k < kCells; ++k) {
      std::string problem = CellProblem(k);
      if (!problem.empty()) return Fail(where, "cell " + std::to_string(k) + " " + problem);
    }
    if (r.erasers < 0 || r.erasers > 3) return Fail(where, "erasers " + std::to_string(r.erasers));
    if (r.score < lastScore_) return Fail(where, "the score fell to " + std::to_string(r.score));
    if (r.level < startLevel_) return Fail(where, "the level fell to " + std::to_string(r.level));
    if (r.combo < 0 || r.reactions < 0) return Fail(where, "a negative counter");
    if (r.levelTxt < 1 || r.levelTxt > 10) return Fail(where, "difficulty " + std::to_string(r.levelTxt));
    // The stored text stays until a score beats it; then only scores or a clear.
    if (r.hiScore != storedAtLoad_ && r.hiScore != Decimal(HiScoreValue(r.hiScore)))
      return Fail(where, "high score text " + r.hiScore);
    if (r.hiScore != lastHiScore_) {
      std::int64_t value = HiScoreValue(r.hiScore);
      if (r.hiScore != "0" && (value > r.score || value <= HiScoreValue(lastHiScore_)))
        return Fail(where, "high score went from " + lastHiScore_ + " to " + r.hiScore);
      lastHiScore_ = r.hiScore;
    }
    if (platform_.firedWhileDisabled != 0) return Fail(where, "a timer fired while disabled");
    platform_.fired.clear();
    platform_.firedTimes.clear();
    lastScore_ = r.score;
    if (r.gameOverShown && !gameOver_) ++gameOvers_;
    gameOver_ = r.gameOverShown;
  }

  // A square shows its kind, or its diamond while marked; a cleared cell
  // may still show whatever it had when it was removed.
  std::string CellProblem(int k) const {
    const Cell& cell = game_.sq[static_cast<std::size_t>(k)];
    if (cell.marked > 1) return "flag " + std::to_string(cell.marked);
    if (cell.tag == Kind::None) return "holds no kind";
    if (cell.tag == Kind::Removed || game_.InTrial(k)) return "";
    if (cell.picture == Template(cell.tag)) return "";
    if (cell.marked == 1 && MarkedTemplate(cell.tag) == cell.picture) return "";
    return "holds \"" + std::string(KindText(cell.tag)) + "\" but shows " + std::string(PictureName(cell.picture)) +
           (cell.marked ? " (marked)" : "");
  }

  FakePlatform platform_;
  GameForm game_{platform_};
  std::vector<Event> events_;
  std::size_t next_ = 0, done_ = 0, nested_ = 0, gameOvers_ = 0;
  bool gameOver_ = false;
  bool plainRefills_;
  int depth_ = 0;
  std::int64_t startLevel_ = 0, lastScore_ = 0;
  std::string storedAtLoad_, lastHiScore_;
  std::string failure_;
};

}  // namespace

std::vector<Event> DecodeEvents(std::span<const std::uint8_t> script) {
  Cursor in(script.empty() ? script : script.subspan(1));
  std::vector<Event> events;
  while (!in.done()) events.push_back(DecodeOne(in));
  return events;
}

std::string Describe(const Event& event) {
  static constexpr const char* kNames[] = {"press", "release", "click", "new game", "scroll",
                                           "clear",  "tick",    "wait",  "settle",   "close"};
  std::ostringstream out;
  out << (event.inYield ? "(in yield) " : "") << kNames[event.type];
  switch (event.type) {
    case Event::Press:
    case Event::Release:
    case Event::Click:
      out << " cell " << event.cell << " button " << event.button << " shift " << event.shift << " y " << event.y;
      break;
    case Event::Scroll:
    case Event::Clear:
    case Event::Wait: out << " " << event.value; break;
    default: break;
  }
  return out.str();
}

RunResult RunScript(std::span<const std::uint8_t> script) {
  std::uint8_t stored = script.empty() ? 0 : script[0];
  return Run(stored, DecodeEvents(script)).Play();
}

std::vector<std::uint8_t> Shrink(std::vector<std::uint8_t> script,
                                 const std::function<bool(const std::vector<std::uint8_t>&)>& fails) {
  // Whole events only: the first byte picks the stored high score, then four a piece.
  for (std::size_t chunk = (script.size() / 4 / 2) * 4; chunk >= 4; chunk = chunk / 8 * 4) {
    for (std::size_t at = 1; at + chunk <= script.size();) {
      std::vector<std::uint8_t> smaller(script.begin(), script.begin() + static_cast<std::ptrdiff_t>(at));
      smaller.insert(smaller.end(), script.begin() + static_cast<std::ptrdiff_t>(at + chunk), script.end());
      if (fails(smaller))
        script = std::move(smaller);
      else
        at += chunk;
    }
  }
  return script;
}

}  // namespace vexalon::testing
