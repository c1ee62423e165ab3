#include "engine/executor/auto_fill.h"

#include <algorithm>

#include "engine/state/tablerun_state.h"

namespace tablerun {
namespace {

bool FillsFromStockGroup(int mode) {
  static constexpr int kModes[] = {2, 3, 8, 9, 11, 12, 13, 16, 17, 18, 19, 21};
  return std::find(std::begin(kModes), std::end(kModes), mode) != std::end(kModes);
}

// Mode 6 fills only the first and last pile of each row of seven.
bool IsRowEndPile(int i) {
  static constexpr int kRowEnds[] = {0, 6, 7, 13, 14, 20, 21, 27};
  return std::find(std::begin(kRowEnds), std::end(kRowEnds), i) != std::end(kRowEnds);
}

// Mode 16 fills the holes among the first ten positions of a pile.
constexpr int kHolePositions = 10;
// Mode 17 keeps this pile (0-based) empty when it can.
constexpr int kPileKeptEmpty = 5;

}  // namespace

int TAutoFill::RowPiles() const { return exec_.Rule(rule::kReleaseRows) * exec_.Rule(rule::kReleaseRowPiles); }

bool TAutoFill::FillFrom(TPileRef from, TPileRef to, TCardFace face) {
  const int card = exec_.View().Top(from);
  if (card <= 0) return false;
  moves_.ExecuteMove(card, TPileMove{to});
  if (face == TCardFace::Down) state_.cards.fnSetCardFace(card, TCardFace::Down);
  return true;
}

bool TAutoFill::FillFromWasteOrStock(TPileRef to) {
  return FillFrom(exec_.View().IsEmpty(kMazzoVis) ? kMazzo : kMazzoVis, to);
}

bool TAutoFill::FillFromStockOrWaste(TPileRef to) {
  return FillFrom(exec_.View().IsEmpty(kMazzo) ? kMazzoVis : kMazzo, to);
}

void TAutoFill::FillSeveral(TPileRef to, int count, bool wasteFirst, int faceDownCount) {
  exec_.SetEntry(entries::kDealRunning, exec_.Entry(entries::kDealRunning) + 1);
  for (int n = 0; n < count; ++n) {
    const TPileRef from = wasteFirst && !exec_.View().IsEmpty(kMazzoVis) ? kMazzoVis : kMazzo;
    if (!FillFrom(from, to, n < faceDownCount ? TCardFace::Down : TCardFace::Up)) break;
  }
  exec_.SetEntry(entries::kDealRunning, exec_.Entry(entries::kDealRunning) - 1);
}

bool TAutoFill::FillFromPartner(int i) {
  // Piles 1–8 and 17–24 draw on the middle row, 9–16.
  const int partner = i < 8 ? i + 8 : i - 8;
  const TTableView view = exec_.View();
  int from = -1;
  for (int p = partner; p >= 8 && from < 0; --p) {
    if (!view.IsEmpty(fnFila(p))) from = p;
  }
  for (int p = 15; p >= 8 && from < 0; --p) {
    if (!view.IsEmpty(fnFila(p))) from = p;
  }
  return from >= 0 && FillFrom(fnFila(from), fnFila(i));
}

bool TAutoFill::FillPreconditionsHold(int mode) const {
  const TTableView view = exec_.View();
  if (mode == 0 || (exec_.Rule(rule::kTableauToFoundationOnly) == 1 && exec_.Entry(entries::kMoveCounter) == 0))
    return false;
  if (mode == 1) return !view.IsEmpty(fnAppogg(0));
  if (FillsFromStockGroup(mode)) return !view.StockAndWasteEmpty();
  if (mode == 10) return view.AllReservesEmpty();
  if (mode == 4) return exec_.history.undoLog.Count(TEventKind::TableauMove) == 0;
  if (mode == 15) {
    const int onFoundation = view.Count(fnDest(0));
    if (onFoundation == 0) return false;
    const int suit = fnCardSuit(view.Top(fnDest(0)));
    int matching = 0;
    for (int i = 0; i < 4; ++i) {
      const int top = view.Top(fnFila(i));
      if (top > 0 && fnCardSuit(top) == suit) ++matching;
    }
    return matching >= 2 && matching == onFoundation;
  }
  return true;
}

bool TAutoFill::FillTableauPile(int mode, int i) {
  const TPileRef pile = fnFila(i);
  const int number = i + 1;
  switch (mode) {
    case 1: return FillFrom(fnAppogg(0), pile);
    case 2:
    case 4:
    case 8:
    case 10: return number > RowPiles() && FillFromWasteOrStock(pile);
    case 3: return FillFromStockOrWaste(pile);
    case 5: FillSeveral(pile, 3, true, 0); return true;
    case 6: return IsRowEndPile(i) && FillFrom(kMazzoVis, pile);
    case 7: return number >= 11 && FillFrom(kMazzo, pile);
    case 9: FillSeveral(pile, 4, false, 0); return true;
    case 11: return number >= 25 && number <= 32 && FillFromWasteOrStock(pile);
    case 12: FillSeveral(pile, 4, true, 0); return true;
    case 14: return (number <= 8 || (number >= 17 && number <= 24)) && FillFromPartner(i);
    case 15: {
      const int top = exec_.View().Top(pile);
      const std::string& foundation = state_.table.Pile(fnDest(0));
      if (top <= 0 || foundation.find(fnCardText(top)) == std::string::npos) return false;
      return FillFrom(kMazzo, pile);
    }
    case 18: FillSeveral(pile, 4, true, 3); return true;
    case 19: return number >= 15 && number <= 26 && FillFromWasteOrStock(pile);
    case 20: return number >= 17 && number <= 25 && FillFromWasteOrStock(pile);
    case 21:
      return i < fnPileGroupSize(TPileGroup::Dest) && exec_.View().Count(fnDest(i)) < 13 && FillFromWasteOrStock(pile);
    default: return false;
  }
}

bool TAutoFill::FillAllButOne() {
  const int piles = exec_.TableauPiles();
  bool attempted = false;
  int keptEmpty = kPileKeptEmpty < piles && exec_.View().IsEmpty(fnFila(kPileKeptEmpty)) ? kPileKeptEmpty : -1;
  for (int i = 0; i < piles && exec_.StockSize() > 0; ++i) {
    if (!exec_.View().IsEmpty(fnFila(i))) continue;
    if (keptEmpty < 0) keptEmpty = i;
    if (i != keptEmpty) attempted = FillFrom(kMazzo, fnFila(i)) || attempted;
  }
  return attempted;
}

bool TAutoFill::FillHoles() {
  bool recorded = false;
  for (int i = 0; i < exec_.TableauPiles(); ++i) {
    std::string pile = state_.table.Pile(fnFila(i));
    const std::size_t end = std::min<std::size_t>(pile.size(), kHolePositions * 3);
    bool changed = false;
    for (std::size_t at = 0; at < end && exec_.StockSize() > 0; at += 3) {
      if (pile.compare(at, 3, "000") != 0) continue;
      // Filling a hole is no move of its own, but undo must still bring the hole back.
      if (!recorded) exec_.RecordUndo();
      recorded = true;
      const int card = exec_.TakeStockTop();
      pile.replace(at, 3, fnCardText(card));
      state_.cards.fnSetCardFace(card, TCardFace::Up);
      changed = true;
    }
    if (changed) state_.table.SetPile(fnFila(i), pile);
  }
  if (recorded) state_.screen.RequestRepaint();
  return recorded;
}

bool TAutoFill::FillAfterPass(int mode) {
  switch (mode) {
    case 17: return FillAllButOne();
    case 15:
      // The foundation is the game's discard pile.
      exec_.RecordUndo();
      state_.table.SetPile(fnDest(0), "");
      return true;
    case 8:
    case 13: {
      bool attempted = false;
      for (int r = 0; r < exec_.Reserves(); ++r) {
        if (!exec_.View().IsEmpty(fnAppogg(r))) continue;
        if (mode == 13) {
          attempted = FillFrom(kMazzo, fnAppogg(r)) || attempted;
        } else if (r + 1 > RowPiles()) {
          attempted = FillFromWasteOrStock(fnAppogg(r)) || attempted;
        }
      }
      return attempted;
    }
    case 16: return FillHoles();
    default: return false;
  }
}

bool TAutoFill::AutoFillEmptyPiles() {
  const int mode = exec_.Rule(rule::kAutoFill);
  if (!FillPreconditionsHold(mode)) return false;
  const TExecutorState::TStep step = exec_.EnterStep();
  bool attempted = false;
  if (mode != 13 && mode != 16) {
    for (int i = 0; i < exec_.TableauPiles(); ++i) {
      if (mode != 15 && !exec_.View().IsEmpty(fnFila(i))) continue;
      attempted = FillTableauPile(mode, i) || attempted;
    }
  }
  attempted = FillAfterPass(mode) || attempted;
  exec_.LeaveAutomaticStep(step);
  return attempted;
}

}  // namespace tablerun
