#include "engine/pointer/pointer_input.h"

#include "engine/state/legality_slots.h"
#include "engine/legality/move_legality.h"
#include "engine/state/play_entries.h"
#include "engine/state/pointer_entries.h"
#include "engine/end/score.h"

namespace tablerun {
namespace {

using namespace play;
using namespace hand;

// TMainGame entries of pointer input.
constexpr int kDragging = 82;
constexpr int kPressX = 89;
constexpr int kPressY = 90;
constexpr int kHoverX = 100;
constexpr int kHoverY = 101;
constexpr int kDrawnX = 110;
constexpr int kDrawnY = 111;
constexpr int kClickClick = 129;
constexpr int kSelectedCard = 130;
constexpr int kClicksCounted = 131;

// Configuration positions.

// Rule slots.
constexpr int kStockShownWhenEmpty = 10;
constexpr int kReserveFan = 5;
constexpr int kSingleClickGame = 39;
constexpr int kFamilyNoClickTurnUp = 76;

}  // namespace

bool TPointerInput::ClickClickMode() const {
  return Entry(kClickClick) == 1;
}

void TPointerInput::Refuse() {
  if (Entry(kTutorMode) == 0) state_.screen.Beep();
}

void TPointerInput::MouseDown(TMouseButton button, bool ctrl, int x, int y) {
  if (state_.runtime.Flag(TRuntimeFlag::Busy)) {
    state_.screen.Beep();
    return;
  }
  if (!state_.runtime.Flag(TRuntimeFlag::GameInProgress) || Entry(kCardInHand) != 0) return;
  SetEntry(kDragging, 0);
  if (state_.runtime.Flag(TRuntimeFlag::IgnoreNextClick)) {
    state_.runtime.SetFlag(TRuntimeFlag::IgnoreNextClick, false);
    return;
  }
  SetEntry(kPressX, x);
  SetEntry(kPressY, y);
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
      state_.screen.ShowMainPopup(Entry(kPressX), Entry(kPressY));
    return;
  }
  if (button != TMouseButton::Left) return;
  // The stock keeps its press in every game, single-click games included.
  if (hit.pile == kMazzo) {
    executor_.PressStock();
    return;
  }
  if (Rule(kSingleClickGame) == 1) {
    if (hit.card > 0) moves_.ClickMove(hit.card, true, true);
    return;
  }
  if (ClickClickMode() && Entry(kSelectedCard) != 0 && hit.card != Entry(kSelectedCard)) {
    // The move happens on the release.
    SetEntry(kClicksCounted, Entry(kClicksCounted) + 1);
    return;
  }
  Lift(hit);
}

TPointerInput::TPressAnswer TPointerInput::AnswerPress(const THit& hit) {
  if (!hit.pile) return TPressAnswer::Refused;
  const TPileRef pile = *hit.pile;
  const TTableView view(state_.table, state_.rules, state_.cards);
  if (pile == kMazzoVis && (view.IsEmpty(kMazzoVis) || Rule(slot::kWasteFaceDown) != 0)) {
    if (Rule(kRedealStyle) >= 1 && view.IsEmpty(kMazzo) && executor_.ExecuteMove(1, "Mazzo_Redeal")) {
      return TPressAnswer::Redealt;
    }
    return TPressAnswer::Refused;
  }
  if (hit.card <= 0) return TPressAnswer::Refused;
  const bool top = hit.position == view.Count(pile) - 1;
  if (pile.group == TPileGroup::Fila && top && view.IsFaceDown(hit.card)) {
    if (Rule(kFamily) == kFamilyNoClickTurnUp || !executor_.TurnUp(pile.entry)) return TPressAnswer::Refused;
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
  const int press = Entry(kPressX);
  const int pressY = Entry(kPressY);
  if (ClickClickMode()) {
    // The first click selects; a click on the selected card lets it go.
    const bool again = Entry(kSelectedCard) == card;
    SetEntry(kSelectedCard, again ? 0 : card);
    SetEntry(kClicksCounted, again ? 0 : 1);
    picture_.selectedCard = again ? 0 : card;
    return;
  }
  SetEntry(kDrawnX, press);
  SetEntry(kDrawnY, pressY);
  SetEntry(kCardInHand, card);
  SetEntry(kGroupTop, single ? card : geometry.View().Top(pile));
  lift_.single = single;
  lift_.lifted = hit.rect;
  if (!single) lift_.lifted.bottom = geometry.PileRect(pile).bottom;
  lift_.grabDx = press - hit.rect.left;
  lift_.grabDy = pressY - hit.rect.top;
  picture_.card = card;
  picture_.topCard = Entry(kGroupTop);
  picture_.dragged = lift_.lifted;
  if (state_.config.IsYes(cfg::kSoundCardUp) && Entry(kTutorMode) == 0) state_.screen.PlaySound("card_up", false);
}

void TPointerInput::Reveal(const THit& hit) {
  const TTableView view(state_.table, state_.rules, state_.cards);
  const int reserveFan = Rule(kReserveFan);
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
  if (Entry(kTutorMode) != 0) return;
  if (Entry(kCardInHand) == 0) {
    if (Entry(kStockPressed) != 0) {
      const TPileRef stock = Rule(kStockShownWhenEmpty) == 1 ? kMazzo : kMazzoVis;
      // Leaving the stock with the button down cancels the redeal.
      if (!fnPileGeometry(state_).CardRect(stock, 0).Contains(x, y)) SetEntry(kStockPressed, 0);
    }
    SetEntry(kHoverX, x);
    SetEntry(kHoverY, y);
    return;
  }
  if (ClickClickMode()) return;
  SetEntry(kDragging, 1);
  picture_.dragged = lift_.lifted.Moved(x - lift_.grabDx - lift_.lifted.left, y - lift_.grabDy - lift_.lifted.top);
  SetEntry(kDrawnX, x);
  SetEntry(kDrawnY, y);
}

void TPointerInput::MouseUp(TMouseButton, int x, int y) {
  picture_.revealedCard = 0;
  if (Entry(kStockPressed) != 0) {
    executor_.ExecuteMove(1, "Mazzo_Vis");
    SetEntry(kStockPressed, 0);
  }
  Drop(x, y);
  Finish();
}

void TPointerInput::Drop(int x, int y) {
  if (ClickClickMode()) {
    if (Entry(kClicksCounted) < 2) return;
    const int card = Entry(kSelectedCard);
    const THit target = fnHitTest(fnPileGeometry(state_), x, y, true);
    SetEntry(kCardInHand, card);
    SetEntry(kDragging, 1);
    if (target.pile) moves_.DropCard(card, !moves_.MovesAsGroup(card), target.rect, target.pile);
    ClearSelection();
    ClearHand();
    return;
  }
  const int card = Entry(kCardInHand);
  if (card == 0) return;
  // A press and release without a move puts the card back.
  if (Entry(kDragging) != 0) moves_.DropCard(card, lift_.single, picture_.dragged, std::nullopt);
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
  if (!state_.runtime.Flag(TRuntimeFlag::GameInProgress) || Entry(kCardInHand) != 0) return;
  if (hit.card > 0) moves_.ClickMove(hit.card, toFoundations, toTableau);
  Finish();
}

void TPointerInput::ClearHand() {
  SetEntry(kCardInHand, 0);
  SetEntry(kGroupTop, 0);
  SetEntry(kDragging, 0);
  SetEntry(kDrawnX, 0);
  SetEntry(kDrawnY, 0);
  picture_.card = 0;
  picture_.topCard = 0;
  lift_ = {};
}

void TPointerInput::ClearSelection() {
  SetEntry(kSelectedCard, 0);
  SetEntry(kClicksCounted, 0);
  picture_.selectedCard = 0;
}

void TPointerInput::Finish() {
  fnUpdateScore(state_);
  if (state_.runtime.Flag(TRuntimeFlag::GameJustWon)) endOfGame_.EndGame();
}

}  // namespace tablerun
