// How long the game's own steps take, with a platform that does nothing.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "input/hint.h"
#include "shell/game_form.h"
#include "support/fake_platform.h"

namespace vexalon {
namespace {

class QuietPlatform : public Platform {
 public:
  void EnableTimer(Timer) override {}
  void DisableTimer(Timer) override {}
  void Yield() override {}
  void PlaySound(int) override {}
  void SeedRandomFromClock() override {}
  float Random() override { return static_cast<float>(engine() >> 8) * 0x1p-24f; }
  std::string ReadHiScore() override { return "0"; }
  void WriteHiScore(const std::string&, HiScoreChange) override {}
  Answer Confirm(std::string_view, std::string_view) override { return Answer::No; }
  std::mt19937 engine{2026};
};

// A few hundred dealt boards of one level, to scan in turn.
std::vector<Board> DealtBoards(std::int64_t level) {
  QuietPlatform platform;
  GameForm game(platform);
  game.record.level = level;
  std::vector<Board> boards;
  for (int i = 0; i < 256; ++i) {
    game.FillBoard(false);
    boards.push_back(game.sq);
  }
  return boards;
}

void BM_CheckReactions(benchmark::State& state) {
  QuietPlatform platform;
  GameForm game(platform);
  std::vector<Board> boards = DealtBoards(state.range(0));
  std::size_t i = 0;
  for (auto _ : state) {
    game.sq = boards[i++ % boards.size()];
    benchmark::DoNotOptimize(game.CheckReactions());
  }
}
BENCHMARK(BM_CheckReactions)->DenseRange(1, 10);

// Every line of three reacts, every row and column is full and sweeps.
void BM_CheckReactionsOneColour(benchmark::State& state) {
  QuietPlatform platform;
  GameForm game(platform);
  Board board;
  for (Cell& cell : board) SetSquare(cell, Kind::k2);
  for (auto _ : state) {
    game.sq = board;
    benchmark::DoNotOptimize(game.CheckReactions());
  }
}
BENCHMARK(BM_CheckReactionsOneColour);

// Copying a board in, which the scans above include.
void BM_BoardCopy(benchmark::State& state) {
  QuietPlatform platform;
  GameForm game(platform);
  std::vector<Board> boards = DealtBoards(1);
  std::size_t i = 0;
  for (auto _ : state) {
    game.sq = boards[i++ % boards.size()];
    benchmark::DoNotOptimize(game.sq);
  }
}
BENCHMARK(BM_BoardCopy);

void BM_Fall(benchmark::State& state) {
  QuietPlatform platform;
  GameForm game(platform);
  std::vector<Board> boards = DealtBoards(1);
  std::mt19937 random(7);
  for (Board& board : boards)
    for (Cell& cell : board)
      if (random() % 3 == 0) cell.tag = Kind::Removed;
  std::size_t i = 0;
  for (auto _ : state) {
    game.sq = boards[i++ % boards.size()];
    game.TimerMoveDown_Timer();
    benchmark::DoNotOptimize(game.sq);
  }
}
BENCHMARK(BM_Fall);

void BM_FillBoard(benchmark::State& state) {
  QuietPlatform platform;
  GameForm game(platform);
  game.record.level = state.range(0);
  for (auto _ : state) {
    game.FillBoard(false);
    benchmark::DoNotOptimize(game.sq);
  }
}
BENCHMARK(BM_FillBoard)->Arg(1)->Arg(10);

// The hint's slowest board: every square an arrow with the longest list
// of reachable kinds, and no change of one square makes a line, so every
// step and every trial is tried before the answer is "nothing".
void BM_FindHintNothingReacts(benchmark::State& state) {
  const Kind diagonal[] = {Kind::k0up, Kind::k1updown, Kind::k2updown};
  Board board;
  for (int i = 0; i < kCells; ++i) SetSquare(board[static_cast<std::size_t>(i)], diagonal[(i / kSide + i % kSide) % 3]);
  if (FindHint(board).what != HintKind::Nothing) state.SkipWithError("a square of the board reacts");
  for (auto _ : state) benchmark::DoNotOptimize(FindHint(board));
}
BENCHMARK(BM_FindHintNothingReacts)->Unit(benchmark::kMicrosecond);

// A dealt board's whole cascade, timers included, in virtual time.
void BM_WholeChain(benchmark::State& state) {
  testing::FakePlatform platform;
  GameForm game(platform);
  platform.game = &game;
  std::uint32_t seed = 0;
  std::int64_t removals = 0;
  for (auto _ : state) {
    platform.generator.seed(++seed);
    platform.sounds = 0;
    game.Form_Load();
    platform.Advance(600000);
    removals += platform.sounds;
  }
  state.counters["removals/chain"] = benchmark::Counter(static_cast<double>(removals) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_WholeChain);

}  // namespace
}  // namespace vexalon

BENCHMARK_MAIN();
