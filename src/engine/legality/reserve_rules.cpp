// What a reserve accepts: its acceptance code (rule slot 335 + i).
#include "engine/legality/card_steps.h"
#include "engine/legality/move_legality.h"
#include "model/rule_slots.h"

namespace tablerun {

bool TMoveLegality::CanPlaceOnReserve(int i, int card) const {
  if (i < 0 || i >= fnPileGroupSize(TPileGroup::Appogg)) return false;
  const TPileRef pile = fnAppogg(i);
  const bool empty = view_.IsEmpty(pile);
  const bool single = context_.singleCard;
  const int rank = fnCardRank(card);
  const auto where = [&] { return view_.LocateCard(card); };
  const int firstReserveHolds = view_.Count(fnAppogg(0));
  switch (Rule(rule::kReserveAccepts + i)) {
    case 4: return false;
    case 8: return single && rank == 13 && firstReserveHolds < 3;
    case 12: return true;
    case 'U': return where() == kLocatedInWaste;
    case 13: return single && firstReserveHolds < 5;
    case 103: return empty && IsFreeAtRowSide(card);
    case 107: {
      const int top = view_.Target(pile);
      return rank == 1 && (empty || (top > 0 && fnOtherColour(top, card)));
    }
    case 119: {
      const TPileRef foundation = fnDest(i);
      return empty && !view_.IsEmpty(foundation) && rank == 12 &&
             fnCardSuit(card) == fnCardSuit(view_.Bottom(foundation));
    }
    case 145: {
      const int top = view_.Target(pile);
      return empty || (top > 0 && fnSameSuit(top, card) && fnIsUp(top, card));
    }
    case 146: return context_.drawLogged && view_.IsEmpty(kMazzo) && empty && where() == kLocatedInWaste;
    case 88: return empty && single && rank == 11;
    case 89: return empty && single && rank == 12;
    case 90: return empty && single && rank == 13;
    case 9: return empty && single && fnIsFaceCard(card);
    case 'Q': return empty && single && !fnLocatedInTableau(where());
    default: return empty && single;
  }
}

}  // namespace tablerun
