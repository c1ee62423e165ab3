#include "engine/executor/autoplay.h"

#include "engine/legality/family_predicates.h"
#include "engine/legality/move_legality.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {
namespace {

// Foundations on these base codes wait until one of them is started.
constexpr int kLateBaseA = '\\';
constexpr int kLateBaseB = ']';

}  // namespace

bool TAutoplay::TryToFoundation(int card) {
  if (card <= 0 || state_.cards.fnIsCardFaceDown(card)) return false;
  const int reachable = exec_.Rule(rule::kReachableFoundations);
  if (reachable != 0 && reachable != 1) return false;
  const TTableView view = exec_.View();
  bool lateStarted = false;
  for (int f = 0; f < view.Foundations(); ++f) {
    const int base = exec_.Rule(rule::kFoundationBase + f);
    if ((base == kLateBaseA || base == kLateBaseB) && !view.IsEmpty(fnDest(f))) lateStarted = true;
  }
  TMoveContext context = exec_.MoveContext(true);
  context.draggedTopCard = card;
  const TMoveLegality legality(state_.table, state_.rules, state_.cards, context);
  if (!legality.CanLeave(card)) return false;
  for (int f = 0; f < view.Foundations(); ++f) {
    if (state_.mainGame.DestX(f) < TMainGame::kAbsentBelow) continue;
    if (reachable == 1 && view.IsEmpty(fnDest(f))) continue;
    const int base = exec_.Rule(rule::kFoundationBase + f);
    if ((base == kLateBaseA || base == kLateBaseB) && !lateStarted) continue;
    if (legality.CanPlace(card, fnDest(f))) return moves_.ExecuteMove(card, TPileMove{fnDest(f), true});
  }
  return false;
}

bool TAutoplay::StopRequested() const { return state_.runtime.Flag(TRuntimeFlag::StopRequest); }

bool TAutoplay::AutoplayReserves(bool tutor) {
  bool moved = false;
  for (bool again = true; again;) {
    again = false;
    for (int r = 0; r < exec_.Reserves(); ++r) {
      if (!TryToFoundation(exec_.View().Top(fnAppogg(r)))) continue;
      moved = again = true;
      if (tutor) return true;
    }
  }
  return moved;
}

bool TAutoplay::AutoplayTableau(bool tutor, bool withReserves, bool& stopped) {
  const bool rows = exec_.Rule(rule::kReleaseRows) > 0 && exec_.Rule(rule::kReleaseRowPiles) > 0;
  const bool turnUp = state_.config.Read(cfg::kAutomaticFaceUp) != "N" && exec_.Rule(rule::kAutoFaceUp) == 1;
  bool moved = false;
  for (int i = 0; i < exec_.TableauPiles(); ++i) {
    const int top = exec_.View().Top(fnFila(i));
    if (top > 0 && state_.cards.fnIsCardFaceDown(top)) {
      if (tutor) return turnUps_.TurnUp(i);
      if (turnUp) turnUps_.TurnUp(i);
    }
    if (rows && !fnRowReleases(exec_.View(), i)) return moved;
    if (TryToFoundation(exec_.View().Top(fnFila(i)))) {
      moved = true;
      // Reserves first again: the card may have freed one of theirs.
      if (withReserves || tutor) return true;
    }
    stopped = StopRequested();
    if (stopped) return moved;
  }
  return moved;
}

bool TAutoplay::AutoplayPass() {
  if (exec_.Entry(entries::kDealShown) != 1 || !state_.runtime.Flag(TRuntimeFlag::GameInProgress)) return false;
  const bool tutor = exec_.Entry(entries::kTutorMode) != 0;
  if (!exec_.autoplayActive && !tutor) return false;
  const TExecutorState::TStep step = exec_.EnterStep();
  const bool withReserves = exec_.Reserves() > 0;
  state_.runtime.SetFlag(TRuntimeFlag::StopRequest, false);
  bool movedAny = false;
  for (;;) {
    bool moved = AutoplayReserves(tutor);
    if (StopRequested() || (tutor && moved)) {
      movedAny = movedAny || moved;
      break;
    }
    if (exec_.Rule(rule::kWasteFaceDown) == 0) moved = TryToFoundation(exec_.View().Top(kMazzoVis)) || moved;
    if (StopRequested()) {
      movedAny = movedAny || moved;
      break;
    }
    bool stopped = false;
    moved = AutoplayTableau(tutor, withReserves, stopped) || moved;
    movedAny = movedAny || moved;
    if (stopped || !moved || tutor) break;
  }
  state_.runtime.SetFlag(TRuntimeFlag::StopRequest, false);
  exec_.LeaveAutomaticStep(step);
  return movedAny;
}

void TAutoplay::RunAutoplay() {
  for (bool moved = AutoplayPass(); moved; moved = AutoplayPass()) autoFill_.AutoFillEmptyPiles();
}

void TAutoplay::SetAutoplay(bool on) {
  exec_.autoplayActive = on;
  if (!on || !state_.runtime.Flag(TRuntimeFlag::GameInProgress) || exec_.InStep()) return;
  // Its own undo step: taking it back leaves the player's last move alone.
  const TExecutorState::TStep step = exec_.EnterStep();
  RunAutoplay();
  exec_.LeaveStep();
  exec_.history.EndPlayerStep(step.mark);
}

void TAutoplay::RunOpeningMoves() {
  // Cards the game plays by itself are no move of the player's.
  const int moveCounter = exec_.Entry(entries::kMoveCounter);
  const int eligible = exec_.Entry(entries::kStatisticsEligible);
  exec_.EnterStep();
  autoFill_.AutoFillEmptyPiles();
  if (exec_.autoplayActive) RunAutoplay();
  exec_.LeaveStep();
  exec_.history.Clear();
  exec_.SetEntry(entries::kMoveCounter, moveCounter);
  exec_.SetEntry(entries::kStatisticsEligible, eligible);
}

}  // namespace tablerun
