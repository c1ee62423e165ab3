#include "model/layout.h"

#include <optional>

#include "model/layout_run.h"

namespace tablerun {
namespace {

constexpr int kReserveLeftOfTableau = 5;
// How far each side of a tableau pile the last reserve of "005" must stay away.
constexpr int kReserveClearance = 85;

void fnPlaceFamilies(TLayoutRun& run) {
  fnPlaceTableau(run);
  fnPlaceStockGroup(run);
  fnPlaceFoundations(run);
  fnCentreTableauUnderFoundations(run);
  fnPlaceReserves(run);
  fnPlaceSecondWaste(run);
}

// Reserves spread from the left edge may run into the tableau on their row;
// the tableau then starts right of the last reserve.
std::optional<int> fnTableauStartClearOfReserves(const TLayoutRun& run) {
  if (run.reserve.variant != kReserveLeftOfTableau || run.r == 0) return std::nullopt;
  const TMainGame& game = run.game;
  const int x = game.AppoggX(run.r - 1);
  const int y = game.AppoggY(run.r - 1);
  for (int pile = 0; pile < run.n; ++pile) {
    if (game.IsPileAbsent({TPileGroup::Fila, pile})) continue;  // not in the way
    const int left = game.FilaX(pile) - kReserveClearance;
    const int right = game.FilaX(pile) + run.cw + kReserveClearance;
    const int pileTop = game.FilaY(pile);
    if (x < right && x + run.cw > left && y < pileTop + run.ch && y + run.ch > pileTop) {
      const int x1 = x + run.cw + kReserveClearance + 1;
      return x1 < 1 ? run.G : x1;
    }
  }
  return std::nullopt;
}

// The positions again in the entries that painting and the preview read, and
// the room of a tableau fanned to the right.
void fnAfterThePositions(const TGameRules& rules, TMainGame& game, int scrollPosition) {
  if (rules.Get(rule::kTableauArrangement) == 2) {
    const int room = game.FilaY(1) == game.FilaY(0) ? game.FilaX(1) - game.FilaX(0) : game.DestX(0) - game.FilaX(0);
    game.Set(entries::kColumnSpacing, fnToEntry(room));
  }
  // Entry 94 is still 0, so the Y getters give table coordinates.
  for (int pile = 0; pile < fnPileGroupSize(TPileGroup::Mazzo); ++pile) {
    game.Set(entries::kMazzoCopyX + pile, fnToEntry(game.MazzoX(pile)));
    game.Set(entries::kMazzoCopyWindowY + pile, fnToEntry(game.MazzoY(pile) - scrollPosition));
    game.Set(entries::kMazzoCopyY + pile, fnToEntry(game.MazzoY(pile)));
  }
  for (int pile = 0; pile < fnPileGroupSize(TPileGroup::Dest); ++pile) {
    game.Set(entries::kDestCopyX + pile, fnToEntry(game.DestX(pile)));
    game.Set(entries::kDestCopyWindowY + pile, fnToEntry(game.DestY(pile) - scrollPosition));
    game.Set(entries::kDestCopyY + pile, fnToEntry(game.DestY(pile)));
  }
  game.Set(entries::kScrollY, fnToEntry(scrollPosition));
}

}  // namespace

void fnLayoutTable(const TGameRules& rules, const TLayoutMetrics& metrics, TMainGame& game, int scrollPosition) {
  game.ResetPositions();
  game.Set(entries::kScrollY, 0);
  fnSetFanSteps(rules, metrics.cardSize, game);
  TLayoutRun run(rules, metrics, game);
  fnSetPileSpacing(run);
  if (!fnPlaceHandMade(run)) {
    fnPlaceFamilies(run);
    if (const auto x1 = fnTableauStartClearOfReserves(run)) {
      game.ResetPositions();
      TLayoutRun again(rules, metrics, game, x1);
      fnPlaceFamilies(again);
    }
  }
  fnAfterThePositions(rules, game, scrollPosition);
}

}  // namespace tablerun
