#include "engine/deal/game_start.h"

#include "engine/deal/game_number.h"
#include "engine/deal/initial_deal.h"

namespace tablerun {
namespace {

constexpr int kRedealRoundEntry = 77;
constexpr int kFreshNumberEntry = 121;
constexpr int kDragPreferenceEntry = 128;
constexpr int kDragEntry = 129;
constexpr int kNoDrag = 1;

constexpr int kFamily = 54;
constexpr int kFamilyClickOnly = 2;
constexpr int kFamilyClickOnlyToo = 15;

// Entries of the play engine that describe the game in progress.
void fnResetPerGameState(TTablerunState& state) {
  for (const int entry : {92, 93, 95, 103, 117, 118, 122, 130, 131}) state.mainGame.Set(entry, 0);
  state.mainGame.Set(120, -1);
  // The tutor's flags.
  state.mainGame.Set(114, 0);
  state.mainGame.Set(116, 0);
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
  state.mainGame.Set(kRedealRoundEntry, 1);
  state.config.Write(cfg::kScore, "0");
  if (start.numberMode == 2) {
    fnDrawGameNumber(state);
    state.mainGame.Set(kFreshNumberEntry, 1);
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
  const int family = state.rules.Get(kFamily);
  const bool neverDrag = family == kFamilyClickOnly || family == kFamilyClickOnlyToo;
  state.mainGame.Set(kDragEntry, neverDrag ? static_cast<int16_t>(kNoDrag) : state.mainGame.Get(kDragPreferenceEntry));
  result.started = true;
  return result;
}

}  // namespace tablerun
