// Autoplay: top cards sent to the foundations round after round, and the
// automatic turn-up of face-down tableau top cards.
#include "engine/executor/executor.h"
#include "engine/legality/family_predicates.h"
#include "engine/legality/move_legality.h"
#include "engine/state/tablerun_state.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

// Foundations on these base codes wait until one of them is started.
constexpr int kLateBaseA = '\\';
constexpr int kLateBaseB = ']';

}  // namespace

bool TMoveExecutor::TurnUp(int tableauIndex) {
  const int top = View().Top(fnFila(tableauIndex));
  if (top <= 0 || !state_.cards.fnIsCardFaceDown(top)) return false;
  RecordUndo();
  state_.cards.fnSetCardFace(top, TCardFace::Up);
  PlaySound(cfg::kSoundFaceUp, "Face_up");
  state_.screen.RequestRepaint();
  return true;
}

bool TMoveExecutor::TurnUpTableauTops() {
  if (state_.config.Read(cfg::kAutomaticFaceUp) == "N" || Rule(rule::kAutoFaceUp) == 0) return false;
  const TStep step = EnterStep();
  bool turned = false;
  for (int i = 0; i < TableauPiles(); ++i) turned = TurnUp(i) || turned;
  LeaveAutomaticStep(step);
  return turned;
}

bool TMoveExecutor::TryToFoundation(int card) {
  if (card <= 0 || state_.cards.fnIsCardFaceDown(card)) return false;
  const int reachable = Rule(rule::kReachableFoundations);
  if (reachable != 0 && reachable != 1) return false;
  const TTableView view = View();
  bool lateStarted = false;
  for (int f = 0; f < view.Foundations(); ++f) {
    const int base = Rule(rule::kFoundationBase + f);
    if ((base == kLateBaseA || base == kLateBaseB) && !view.IsEmpty(fnDest(f))) lateStarted = true;
  }
  TMoveContext context = MoveContext(true);
  context.draggedTopCard = card;
  const TMoveLegality legality(state_.table, state_.rules, state_.cards, context);
  if (!legality.CanLeave(card)) return false;
  for (int f = 0; f < view.Foundations(); ++f) {
    if (state_.mainGame.DestX(f) < TMainGame::kAbsentBelow) continue;
    if (reachable == 1 && view.IsEmpty(fnDest(f))) continue;
    const int base = Rule(rule::kFoundationBase + f);
    if ((base == kLateBaseA || base == kLateBaseB) && !lateStarted) continue;
    if (legality.CanPlace(card, fnDest(f))) return ExecuteMove(card, TPileMove{fnDest(f), true});
  }
  return false;
}

bool TMoveExecutor::StopRequested() const {
  return state_.runtime.Flag(TRuntimeFlag::StopRequest);
}

bool TMoveExecutor::AutoplayReserves(bool tutor) {
  bool moved = false;
  for (bool again = true; again;) {
    again = false;
    for (int r = 0; r < Reserves(); ++r) {
      if (!TryToFoundation(View().Top(fnAppogg(r)))) continue;
      moved = again = true;
      if (tutor) return true;
    }
  }
  return moved;
}

bool TMoveExecutor::AutoplayTableau(bool tutor, bool withReserves, bool& stopped) {
  const bool rows = Rule(rule::kReleaseRows) > 0 && Rule(rule::kReleaseRowPiles) > 0;
  const bool turnUp = state_.config.Read(cfg::kAutomaticFaceUp) != "N" && Rule(rule::kAutoFaceUp) == 1;
  bool moved = false;
  for (int i = 0; i < TableauPiles(); ++i) {
    const int top = View().Top(fnFila(i));
    if (top > 0 && state_.cards.fnIsCardFaceDown(top)) {
      if (tutor) return TurnUp(i);
      if (turnUp) TurnUp(i);
    }
    if (rows && !fnRowReleases(View(), i)) return moved;
    if (TryToFoundation(View().Top(fnFila(i)))) {
      moved = true;
      // Reserves first again: the card may have freed one of theirs.
      if (withReserves || tutor) return true;
    }
    stopped = StopRequested();
    if (stopped) return moved;
  }
  return moved;
}

bool TMoveExecutor::AutoplayPass() {
  if (Entry(entries::kDealShown) != 1 || !state_.runtime.Flag(TRuntimeFlag::GameInProgress)) return false;
  const bool tutor = Entry(entries::kTutorMode) != 0;
  if (!autoplayActive_ && !tutor) return false;
  const TStep step = EnterStep();
  const bool withReserves = Reserves() > 0;
  state_.runtime.SetFlag(TRuntimeFlag::StopRequest, false);
  bool movedAny = false;
  for (;;) {
    bool moved = AutoplayReserves(tutor);
    if (StopRequested() || (tutor && moved)) {
      movedAny = movedAny || moved;
      break;
    }
    if (Rule(rule::kWasteFaceDown) == 0) moved = TryToFoundation(View().Top(kMazzoVis)) || moved;
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
  LeaveAutomaticStep(step);
  return movedAny;
}

void TMoveExecutor::RunAutoplay() {
  for (bool moved = AutoplayPass(); moved; moved = AutoplayPass()) AutoFillEmptyPiles();
}

void TMoveExecutor::SetAutoplay(bool on) {
  autoplayActive_ = on;
  if (!on || !state_.runtime.Flag(TRuntimeFlag::GameInProgress) || depth_ > 0) return;
  // Its own undo step: taking it back leaves the player's last move alone.
  const int mark = history_.BeginPlayerStep();
  ++depth_;
  RunAutoplay();
  --depth_;
  history_.EndPlayerStep(mark);
}

void TMoveExecutor::RunOpeningMoves() {
  // Cards the game plays by itself are no move of the player's.
  const int moveCounter = Entry(entries::kMoveCounter);
  const int eligible = Entry(entries::kStatisticsEligible);
  const int depth = depth_++;
  AutoFillEmptyPiles();
  if (autoplayActive_) RunAutoplay();
  depth_ = depth;
  history_.Clear();
  SetEntry(entries::kMoveCounter, moveCounter);
  SetEntry(entries::kStatisticsEligible, eligible);
}

}  // namespace tablerun
