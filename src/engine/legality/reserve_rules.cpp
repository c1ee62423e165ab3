// What a reserve accepts: its acceptance code (rule slot 335 + i).
#include "engine/legality/card_steps.h"
#include "engine/legality/move_legality.h"
#include "model/build_codes.h"
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
  switch (fnReserveCode(Rule(rule::kReserveAccepts + i))) {
    case TReserveCode::Nothing: return false;
    case TReserveCode::KingWhileFirstShort: return single && rank == kKing && firstReserveHolds < 3;
    case TReserveCode::Anything: return true;
    case TReserveCode::FromWaste: return where() == kLocatedInWaste;
    case TReserveCode::SingleWhileFirstShort: return single && firstReserveHolds < 5;
    case TReserveCode::FreeAtRowSide: return empty && IsFreeAtRowSide(card);
    case TReserveCode::AcesOtherColour: {
      const int top = view_.Target(pile);
      return rank == kAce && (empty || (top > 0 && fnOtherColour(top, card)));
    }
    case TReserveCode::QueenOverFoundation: {
      const TPileRef foundation = fnDest(i);
      return empty && !view_.IsEmpty(foundation) && rank == kQueen &&
             fnCardSuit(card) == fnCardSuit(view_.Bottom(foundation));
    }
    case TReserveCode::UpInSuit: {
      const int top = view_.Target(pile);
      return empty || (top > 0 && fnSameSuit(top, card) && fnIsUp(top, card));
    }
    case TReserveCode::FromWasteAfterDraw:
      return context_.drawLogged && view_.IsEmpty(kMazzo) && empty && where() == kLocatedInWaste;
    case TReserveCode::JackOntoEmpty: return empty && single && rank == kJack;
    case TReserveCode::QueenOntoEmpty: return empty && single && rank == kQueen;
    case TReserveCode::KingOntoEmpty: return empty && single && rank == kKing;
    case TReserveCode::FaceCard: return empty && single && fnIsFaceCard(card);
    case TReserveCode::NotFromTableau: return empty && single && !fnLocatedInTableau(where());
    default: return empty && single;
  }
}

}  // namespace tablerun
