// The move executor: a move with its undo snapshot, and undo and redo.
#include <benchmark/benchmark.h>

#include "config/file_system.h"
#include "engine/executor/executor.h"
#include "engine/legality/move_legality.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"
#include "tool/console_screen.h"

namespace tablerun {
namespace {

// A seven-pile opening with a 24-card stock: the whole deck on the table, as
// every snapshot of a one-deck game sees it.
class TSevenPiles {
 public:
  TSevenPiles() {
    state.rules.Set(rule::kFoundations, 4);
    state.rules.Set(rule::kTableauPiles, 7);
    state.rules.Set(rule::kCards, 52);
    state.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
    state.mainGame.Set(entries::kRedealRound, 1);
    int card = 1;
    for (int pile = 0; pile < 7; ++pile) {
      std::string text;
      for (int n = 0; n <= pile; ++n) text += fnCardText(card++);
      state.table.SetPile({TPileGroup::Fila, pile}, text);
    }
    std::string stock;
    while (card <= 52) stock += fnCardText(card++);
    state.table.SetPile(kMazzo, stock);
  }

  TPosixFileSystem fs;
  TConsoleScreen screen;
  TTablerunState state{fs, screen};
  TMoveExecutor executor{state};
};

// A move as the player makes it, the legality question and then the move,
// back and forth after `range(0)` moves of history: its cost should not grow
// with the game's length.
void BM_ExecuteMoveWithSnapshot(benchmark::State& bench) {
  TSevenPiles game;
  // The top card of pile 7 goes to pile 1 and back.
  const int card = game.state.table.fnTopCard("Fila7");
  bool there = false;
  const auto move = [&] {
    const TPileRef to{TPileGroup::Fila, there ? 6 : 0};
    benchmark::DoNotOptimize(
        TMoveLegality(game.state.table, game.state.rules, game.state.cards, game.executor.MoveContext(true))
            .CanPlace(card, to));
    const bool moved = game.executor.ExecuteMove(card, TPileMove{to});
    there = !there;
    return moved;
  };
  const auto history = static_cast<int>(bench.range(0));
  while (game.executor.History().undo.Size() < history) move();
  for (auto _ : bench) {
    benchmark::DoNotOptimize(move());
    if (game.executor.History().undo.Size() >= history + 200) {
      bench.PauseTiming();
      while (game.executor.History().undo.Size() > history) game.executor.UndoMove();
      bench.ResumeTiming();
    }
  }
}
BENCHMARK(BM_ExecuteMoveWithSnapshot)->ArgName("history")->Arg(100)->Arg(8000);

void BM_UndoMove(benchmark::State& bench) {
  TSevenPiles game;
  const int card = game.state.table.fnTopCard("Fila7");
  game.executor.ExecuteMove(card, TPileMove{fnFila(0)});
  // Undo and redo cost the same: each pushes one snapshot and pops another.
  bool undo = true;
  for (auto _ : bench) {
    benchmark::DoNotOptimize(undo ? game.executor.UndoMove() : game.executor.RedoMove());
    undo = !undo;
  }
}
BENCHMARK(BM_UndoMove);

}  // namespace
}  // namespace tablerun
