#include "engine/executor/completed_run.h"

#include <string_view>

#include "engine/legality/move_legality.h"
#include "engine/state/tablerun_state.h"
#include "model/build_codes.h"
#include "model/card.h"

namespace tablerun {
namespace {

constexpr std::string_view kRunLetters = "RS_abc";

bool CollectsRuns(int base) {
  return base > 0 && base < 128 && kRunLetters.find(static_cast<char>(base)) != std::string_view::npos;
}

// Ace and King are neighbours in a chain of base code 'c'.
bool AdjacentRanks(int a, int b) {
  const int gap = (a - b + 13) % 13;
  return gap == 1 || gap == 12;
}

// Whether the top cards of the pile form the run the letter asks for.
// `descending` ('_'): King on top down to Ace; otherwise Ace on top up to King.
bool IsCompleteRun(const TTableView& view, TPileRef pile, int letter, bool descending, TBuildCode buildCode) {
  const int count = view.Count(pile);
  const int top = view.Top(pile);
  int expected = descending ? kKing : kAce;
  int chained = 0;
  for (int position = count - 1; position >= 0; --position) {
    const int card = view.CardAt(pile, position);
    if (card <= 0 || view.IsFaceDown(card)) break;
    if (position < count - 1) {
      const int above = view.CardAt(pile, position + 1);
      const bool sameColour = fnIsRedCard(card) == fnIsRedCard(above);
      switch (letter) {
        case 'R':
          if ((sameColour && buildCode == TBuildCode::OtherColour) ||
              (fnCardSuit(card) != fnCardSuit(top) && buildCode == TBuildCode::SameSuit)) {
            return false;
          }
          break;
        case 'b':
          if (sameColour) return false;
          break;
        case 'c':
          if (!AdjacentRanks(fnCardRank(card), fnCardRank(above))) return false;
          break;
        default:
          if (fnCardSuit(card) != fnCardSuit(top)) return false;
          break;
      }
    }
    ++chained;
    if (letter == 'c') continue;
    if (fnCardRank(card) != expected) return false;
    if (chained == kSuitSize) return true;
    expected += descending ? -1 : 1;
  }
  // A chain of 'c' runs down to the first face-down card; shorter than a run
  // it is no run, as thirteen cards would take face-down ones along.
  return letter == 'c' && chained >= kSuitSize;
}

bool HasFoundationBase(const TTableView& view, int base) {
  for (int f = 0; f < view.Foundations(); ++f) {
    if (view.Rule(rule::kFoundationBase + f) == base) return true;
  }
  return false;
}

}  // namespace

bool TCompletedRuns::Transfer(int tableauIndex) {
  if (tableauIndex < 0 || tableauIndex >= exec_.TableauPiles()) return false;
  const TPileRef pile = fnFila(tableauIndex);
  const TTableView view = exec_.View();
  if (view.Count(pile) < kSuitSize) return false;
  int target = -1;
  for (int f = 0; f < view.Foundations() && target < 0; ++f) {
    if (CollectsRuns(exec_.Rule(rule::kFoundationBase + f)) && view.IsEmpty(fnDest(f))) target = f;
  }
  if (target < 0) return false;
  const int letter = exec_.Rule(rule::kFoundationBase + target);
  if (!IsCompleteRun(view, pile, letter, letter == '_', fnBuildCode(exec_.Rule(rule::kTableauBuild + tableauIndex))))
    return false;
  // The colours of the 'R' foundations stay balanced; where the game has
  // none, there is nothing to balance.
  if (letter != '_' && HasFoundationBase(view, 'R')) {
    const TMoveLegality legality(state_.table, state_.rules, state_.cards, exec_.MoveContext(true));
    if (!legality.LetterGroupAccepts(view.Top(pile), 'R')) return false;
  }

  const TExecutorState::TStep step = exec_.EnterStep();
  if (state_.config.IsYes(cfg::kSoundRedeal)) state_.screen.PlaySound("Redeal", true);
  // A game without foundations on the table keeps its runs on the second waste.
  const TPileMove destination{state_.mainGame.DestX(target) < TMainGame::kAbsentBelow ? kMazzoWaste : fnDest(target)};
  for (int n = 0; n < kSuitSize; ++n) {
    const int card = exec_.View().Top(pile);
    if (card <= 0 || !moves_.ExecuteMove(card, destination)) break;
  }
  if (state_.config.IsYes(cfg::kSoundRedeal)) state_.screen.StopSound();
  exec_.LeaveAutomaticStep(step);
  return true;
}

}  // namespace tablerun
