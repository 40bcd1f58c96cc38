#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "input/moves.h"
#include "shell/game_form.h"

namespace vexalon {
namespace {

std::optional<Kind> SingleMove(Kind kind) {
  switch (kind) {
    case Kind::k0up: return Kind::k1up;
    case Kind::k1up: return Kind::k2up;
    case Kind::k2up: return Kind::k3up;
    case Kind::k3up: return Kind::k4;
    case Kind::k1down: return Kind::k0;
    case Kind::k2down: return Kind::k1down;
    case Kind::k3down: return Kind::k2down;
    case Kind::k4down: return Kind::k3down;
    default: return std::nullopt;
  }
}

struct UpDownMove {
  Kind kind, upper, lower;
};
constexpr std::array<UpDownMove, 3> kUpDownMoves{{
    {Kind::k1updown, Kind::k2up, Kind::k0},
    {Kind::k2updown, Kind::k3up, Kind::k1down},
    {Kind::k3updown, Kind::k4, Kind::k2down},
}};

}  // namespace

std::optional<Kind> SteppedKind(Kind kind, bool upperHalf) {
  for (const UpDownMove& move : kUpDownMoves)
    if (move.kind == kind) return upperHalf ? move.upper : move.lower;
  return SingleMove(kind);
}

std::vector<Kind> ReachableKinds(Kind kind) {
  switch (kind) {
    case Kind::k0up: return {Kind::k1up, Kind::k2up, Kind::k3up, Kind::k4};
    case Kind::k1up: return {Kind::k2up, Kind::k3up, Kind::k4};
    case Kind::k2up: return {Kind::k3up, Kind::k4};
    case Kind::k3up: return {Kind::k4};
    case Kind::k4down: return {Kind::k3down, Kind::k2down, Kind::k1down, Kind::k0};
    case Kind::k3down: return {Kind::k2down, Kind::k1down, Kind::k0};
    case Kind::k2down: return {Kind::k1down, Kind::k0};
    case Kind::k1down: return {Kind::k0};
    case Kind::k1updown: return {Kind::k2up, Kind::k0, Kind::k3up, Kind::k4};
    case Kind::k2updown: return {Kind::k3up, Kind::k1down, Kind::k4, Kind::k0};
    case Kind::k3updown: return {Kind::k4, Kind::k2down, Kind::k1down, Kind::k0};
    default: return {};
  }
}

namespace {

std::string TwipsText(double twips) {
  std::array<char, 32> buffer{};
  auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), twips);
  if (error != std::errc()) return "0";
  return std::string(buffer.data(), end);
}

std::optional<double> TwipsValue(const std::string& text) {
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

bool IsAlternate(int button, int shift) {
  return button == kRightButton || (button == kLeftButton && (shift & (kShift | kCtrl | kAlt)) != 0);
}

void GameForm::sq_MouseDown(int index, int button, int shift, double y) {
  if (!IsAlternate(button, shift)) {
    record.clickedY = TwipsText(y);
    return;
  }
  Kind kind = sq[static_cast<std::size_t>(index)].tag;
  if (IsPlain(kind))
    SpendEraser(index);
  else
    TryReachableKinds(index);
}

// The count is written before the removal yields, so erasers spent or
// won meanwhile are not lost.
void GameForm::SpendEraser(int index) {
  std::int64_t n = record.erasers;
  if (n <= 0) return;
  record.erasers = n - 1;
  sq[static_cast<std::size_t>(index)].marked = 1;
  MarkAsRemoved2(index);
  RemoveAllMarked(true);
}

// The pressed square may fall, or be taken, while a scan yields: the trial
// follows the square, and ends when something else changed it.
Cell* GameForm::SquareUnderTrial(std::uint32_t trial) {
  for (Cell& cell : sq)
    if (cell.trial == trial) return &cell;
  return nullptr;
}

void GameForm::TryReachableKinds(int index) {
  Cell& pressed = sq[static_cast<std::size_t>(index)];
  Kind original = pressed.tag;
  std::vector<Kind> trials = ReachableKinds(original);
  if (trials.empty()) return;
  std::uint32_t outer = pressed.trial;
  std::uint32_t trial = pressed.trial = ++trials_;
  bool settled = false;
  for (Kind kind : trials) {
    Cell* square = SquareUnderTrial(trial);
    square->tag = kind;
    std::uint8_t markedBefore = square->marked;
    int n = CheckReactions();
    square = SquareUnderTrial(trial);
    if (n != 0) {
      // The square keeps the kind it reacted with, and shows it.
      if (square && square->tag == kind && square->marked == 0) square->picture = Template(kind);
      settled = true;
      break;
    }
    if (!square || square->tag != kind || square->marked != markedBefore) {
      settled = true;
      break;
    }
  }
  Cell* square = SquareUnderTrial(trial);
  if (!square) return;
  if (!settled) square->tag = original;
  square->trial = outer;
}

void GameForm::sq_MouseUp(int index, int button, int shift, double y) {
  if (IsAlternate(button, shift)) return;
  platform_.DisableTimer(Timer::WaitAfterClickTimer);
  if (record.newGame) {
    record.newGame = false;
    record.reactions = 0;
  }
  HideCombo();
  Kind kind = sq[static_cast<std::size_t>(index)].tag;
  if (IsPlain(kind)) {
    SpendEraser(index);
  } else {
    // Without a plain press to go by, the release's own position decides.
    double pressY = TwipsValue(record.clickedY).value_or(y);
    MoveSquare(index, std::nearbyint(pressY) < 450);
  }
  platform_.EnableTimer(Timer::WaitAfterClickTimer);
}

void GameForm::MoveSquare(int index, bool upperHalf) {
  Cell& cell = sq[static_cast<std::size_t>(index)];
  std::optional<Kind> next = SteppedKind(cell.tag, upperHalf);
  if (!next) return;
  cell.picture = Template(*next);
  cell.tag = *next;
  ++record.score;
}

void GameForm::WaitAfterClickTimer_Timer() {
  platform_.DisableTimer(Timer::WaitAfterClickTimer);
  if (CheckReactions() == 0) ++tally.stillScans;
}

}  // namespace vexalon
