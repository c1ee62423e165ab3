#include "engine/pointer/pointer_input.h"

#include "engine/end/score.h"
#include "engine/legality/move_legality.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

// The family in which a click turns no card up.
constexpr int kFamilyNoClickTurnUp = 76;

}  // namespace

bool TPointerInput::ClickClickMode() const { return Entry(entries::kClickClick) == 1; }

void TPointerInput::Refuse() {
  if (Entry(entries::kTutorMode) == 0) state_.screen.Beep();
}

void TPointerInput::MouseDown(TMouseButton button, bool ctrl, int x, int y) {
  if (state_.runtime.Flag(TRuntimeFlag::Busy)) {
    state_.screen.Beep();
    return;
  }
  if (!state_.runtime.Flag(TRuntimeFlag::GameInProgress) || Entry(entries::kCardInHand) != 0) return;
  SetEntry(entries::kDragging, 0);
  if (state_.runtime.Flag(TRuntimeFlag::IgnoreNextClick)) {
    state_.runtime.SetFlag(TRuntimeFlag::IgnoreNextClick, false);
    return;
  }
  SetEntry(entries::kPressX, x);
  SetEntry(entries::kPressY, y);
  Press(button, ctrl, fnHitTest(fnPileGeometry(state_), x, y, false));
  Finish();
}

void TPointerInput::Press(TMouseButton button, bool ctrl, const THit& hit) {
  if (button == TMouseButton::Right && !ctrl) {
    const bool toFoundations = state_.config.IsYes(cfg::kRightToFoundations);
    const bool toTableau = state_.config.IsYes(cfg::kRightToTableau);
    if ((toFoundations || toTableau) && hit.card > 0) moves_.ClickMove(hit.card, toFoundations, toTableau);
    return;
  }
  if (button == TMouseButton::Right) {
    // Ctrl + right button reveals a card; on the bare table it opens the play-area menu.
    if (hit.pile)
      Reveal(hit);
    else if (state_.config.IsYes(cfg::kMainPopupMenu))
      state_.screen.ShowMainPopup(Entry(entries::kPressX), Entry(entries::kPressY));
    return;
  }
  if (button != TMouseButton::Left) return;
  // The stock keeps its press in every game, single-click games included.
  if (hit.pile == kMazzo) {
    executor_.PressStock();
    return;
  }
  if (Rule(rule::kSingleClickMoves) == 1) {
    if (hit.card > 0) moves_.ClickMove(hit.card, true, true);
    return;
  }
  if (ClickClickMode() && Entry(entries::kSelectedCard) != 0 && hit.card != Entry(entries::kSelectedCard)) {
    // The move happens on the release.
    SetEntry(entries::kClicksCounted, Entry(entries::kClicksCounted) + 1);
    return;
  }
  Lift(hit);
}

TPointerInput::TPressAnswer TPointerInput::AnswerPress(const THit& hit) {
  if (!hit.pile) return TPressAnswer::Refused;
  const TPileRef pile = *hit.pile;
  const TTableView view(state_.table, state_.rules, state_.cards);
  if (pile == kMazzoVis && (view.IsEmpty(kMazzoVis) || Rule(rule::kWasteFaceDown) != 0)) {
    if (Rule(rule::kRedealStyle) >= 1 && view.IsEmpty(kMazzo) &&
        executor_.ExecuteMove(1, TStockOperation{TStockAction::GatheringRedeal})) {
      return TPressAnswer::Redealt;
    }
    return TPressAnswer::Refused;
  }
  if (hit.card <= 0) return TPressAnswer::Refused;
  const bool top = hit.position == view.Count(pile) - 1;
  if (pile.group == TPileGroup::Fila && top && view.IsFaceDown(hit.card)) {
    if (Rule(rule::kFamily) == kFamilyNoClickTurnUp || !executor_.TurnUp(pile.entry)) return TPressAnswer::Refused;
    return TPressAnswer::TurnedUp;
  }
  return TMoveLegality(state_, executor_.MoveContext(top)).CanLeave(hit.card) ? TPressAnswer::Lift
                                                                              : TPressAnswer::Refused;
}

void TPointerInput::Lift(const THit& hit) {
  const TPressAnswer answer = AnswerPress(hit);
  if (answer == TPressAnswer::Refused) Refuse();
  if (answer != TPressAnswer::Lift) return;

  const int card = hit.card;
  const TPileRef pile = *hit.pile;
  const TPileGeometry geometry = fnPileGeometry(state_);
  const bool single = !moves_.MovesAsGroup(card);
  const int press = Entry(entries::kPressX);
  const int pressY = Entry(entries::kPressY);
  if (ClickClickMode()) {
    // The first click selects; a click on the selected card lets it go.
    const bool again = Entry(entries::kSelectedCard) == card;
    SetEntry(entries::kSelectedCard, again ? 0 : card);
    SetEntry(entries::kClicksCounted, again ? 0 : 1);
    picture_.selectedCard = again ? 0 : card;
    return;
  }
  SetEntry(entries::kDrawnX, press);
  SetEntry(entries::kDrawnY, pressY);
  SetEntry(entries::kCardInHand, card);
  SetEntry(entries::kGroupTop, single ? card : geometry.View().Top(pile));
  lift_.single = single;
  lift_.lifted = hit.rect;
  if (!single) lift_.lifted.bottom = geometry.PileRect(pile).bottom;
  lift_.grabDx = press - hit.rect.left;
  lift_.grabDy = pressY - hit.rect.top;
  picture_.card = card;
  picture_.topCard = Entry(entries::kGroupTop);
  picture_.dragged = lift_.lifted;
  if (state_.config.IsYes(cfg::kSoundCardUp) && Entry(entries::kTutorMode) == 0)
    state_.screen.PlaySound("card_up", false);
}

void TPointerInput::Reveal(const THit& hit) {
  const TTableView view(state_.table, state_.rules, state_.cards);
  const int reserveFan = Rule(rule::kReserveArrangement);
  const bool fanned = hit.pile->group == TPileGroup::Fila ||
                      (hit.pile->group == TPileGroup::Appogg && (reserveFan == 1 || reserveFan == 2));
  if (hit.card <= 0 || view.IsFaceDown(hit.card) || !fanned || !state_.config.IsYes(cfg::kRevealHidden)) {
    Refuse();
    return;
  }
  picture_.revealedCard = hit.card;
  picture_.revealed = hit.rect;
}

void TPointerInput::MouseMove(int x, int y) {
  if (Entry(entries::kTutorMode) != 0) return;
  if (Entry(entries::kCardInHand) == 0) {
    if (Entry(entries::kStockPressed) != 0) {
      const TPileRef stock = Rule(rule::kStockShown) == 1 ? kMazzo : kMazzoVis;
      // Leaving the stock with the button down cancels the redeal.
      if (!fnPileGeometry(state_).CardRect(stock, 0).Contains(x, y)) SetEntry(entries::kStockPressed, 0);
    }
    SetEntry(entries::kHoverX, x);
    SetEntry(entries::kHoverY, y);
    return;
  }
  if (ClickClickMode()) return;
  SetEntry(entries::kDragging, 1);
  picture_.dragged = lift_.lifted.Moved(x - lift_.grabDx - lift_.lifted.left, y - lift_.grabDy - lift_.lifted.top);
  SetEntry(entries::kDrawnX, x);
  SetEntry(entries::kDrawnY, y);
}

void TPointerInput::MouseUp(TMouseButton, int x, int y) {
  picture_.revealedCard = 0;
  if (Entry(entries::kStockPressed) != 0) {
    executor_.ExecuteMove(1, TStockOperation{TStockAction::TurnToWaste});
    SetEntry(entries::kStockPressed, 0);
  }
  Drop(x, y);
  Finish();
}

void TPointerInput::Drop(int x, int y) {
  if (ClickClickMode()) {
    if (Entry(entries::kClicksCounted) < 2) return;
    const int card = Entry(entries::kSelectedCard);
    const THit target = fnHitTest(fnPileGeometry(state_), x, y, true);
    SetEntry(entries::kCardInHand, card);
    SetEntry(entries::kDragging, 1);
    if (target.pile) moves_.DropCard(card, !moves_.MovesAsGroup(card), target.rect, target.pile);
    ClearSelection();
    ClearHand();
    return;
  }
  const int card = Entry(entries::kCardInHand);
  if (card == 0) return;
  // A press and release without a move puts the card back.
  if (Entry(entries::kDragging) != 0) moves_.DropCard(card, lift_.single, picture_.dragged, std::nullopt);
  ClearHand();
}

void TPointerInput::DblClick(int x, int y) {
  const bool toFoundations = state_.config.IsYes(cfg::kDoubleToFoundations);
  const bool toTableau = state_.config.IsYes(cfg::kDoubleToTableau);
  const THit hit = fnHitTest(fnPileGeometry(state_), x, y, false);
  // On the stock, or with no double-click move wanted, it is a second press.
  if (hit.pile == kMazzo || !(toFoundations || toTableau) || state_.runtime.Flag(TRuntimeFlag::Busy)) {
    MouseDown(TMouseButton::Left, false, x, y);
    return;
  }
  if (!state_.runtime.Flag(TRuntimeFlag::GameInProgress) || Entry(entries::kCardInHand) != 0) return;
  if (hit.card > 0) moves_.ClickMove(hit.card, toFoundations, toTableau);
  Finish();
}

void TPointerInput::ClearHand() {
  SetEntry(entries::kCardInHand, 0);
  SetEntry(entries::kGroupTop, 0);
  SetEntry(entries::kDragging, 0);
  SetEntry(entries::kDrawnX, 0);
  SetEntry(entries::kDrawnY, 0);
  picture_.card = 0;
  picture_.topCard = 0;
  lift_ = {};
}

void TPointerInput::ClearSelection() {
  SetEntry(entries::kSelectedCard, 0);
  SetEntry(entries::kClicksCounted, 0);
  picture_.selectedCard = 0;
}

void TPointerInput::Finish() {
  fnUpdateScore(state_);
  if (state_.runtime.Flag(TRuntimeFlag::GameJustWon)) endOfGame_.EndGame();
}

}  // namespace tablerun
