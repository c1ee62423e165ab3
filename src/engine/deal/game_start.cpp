#include "engine/deal/game_start.h"

#include "engine/deal/game_number.h"
#include "engine/deal/initial_deal.h"

namespace tablerun {
namespace {

constexpr int kNoDrag = 1;

constexpr int kFamilyClickOnly = 2;
constexpr int kFamilyClickOnlyToo = 15;

// Entries of the play engine that describe the game in progress.
void fnResetPerGameState(TTablerunState& state) {
  for (const TMainGameEntry entry : {entries::kDealShown, entries::kStockPressed, entries::kMoveCounter,
                                     entries::kCardsTurnedBack, entries::kTutorChecking, entries::kTutorMoveNumber,
                                     entries::kFamilyScratch, entries::kSelectedCard, entries::kClicksCounted}) {
    state.mainGame.Set(entry, 0);
  }
  state.mainGame.Set(entries::kStatisticsEligible, -1);
  // Only a number drawn for this deal counts the game in the internet counts.
  state.mainGame.Set(entries::kFreshNumber, 0);
  // The tutor's flags.
  state.mainGame.Set(entries::kTutorMode, 0);
  state.mainGame.Set(entries::kDealRunning, 0);
  state.config.Write(cfg::kLastWasUndo, "0");
  state.config.Write(cfg::kLastWasRedo, "0");
  // The undo history belongs to the play session, which empties it when the game begins.
}

bool fnDealNewTable(TTablerunState& state, const TGameStart& start, const TLayoutMetrics& metrics,
                    TStartResult& result) {
  if (state.rules.IsLoaded()) {
    state.rules.Restore();
  } else {
    result.setUp = fnSetUpGame(state, metrics);
    if (!result.setUp->loaded) return false;
  }
  state.runtime.SetFlag(TRuntimeFlag::ClockRuns, false);
  state.runtime.SetTime(TRuntimeTime::GameClockStart, 0);
  state.mainGame.Set(entries::kRedealRound, 1);
  state.config.Write(cfg::kScore, "0");
  if (start.numberMode == 2) {
    fnDrawGameNumber(state);
    state.mainGame.Set(entries::kFreshNumber, 1);
  }
  return fnInitialDeal(state);
}

}  // namespace

TStartResult fnStartGame(TTablerunState& state, const TGameStart& start, const TLayoutMetrics& metrics) {
  TStartResult result;
  fnResetPerGameState(state);
  if (start.deal && !fnDealNewTable(state, start, metrics, result)) return result;
  // The caller shows the deal (animated or not), then starts the clock and the
  // automatic moves that follow a deal; see fnDealGame and fnDealShown.
  if (!start.quiet) state.screen.RequestRepaint();
  const int family = state.rules.Get(rule::kFamily);
  const bool neverDrag = family == kFamilyClickOnly || family == kFamilyClickOnlyToo;
  state.mainGame.Set(entries::kClickClick,
                     neverDrag ? static_cast<int16_t>(kNoDrag) : state.mainGame.Get(entries::kDragPreference));
  result.started = true;
  return result;
}

}  // namespace tablerun
