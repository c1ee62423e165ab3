// The steps of the initial deal that depend on rule slots, in the files that
// hold them; fnInitialDeal runs them in order.
#pragma once

#include "engine/deal/deal_work.h"
#include "model/card.h"

namespace tablerun {

// The base rank a starter card gives its foundations; a joker's is −2.
inline int fnStarterBaseRank(int card) { return card >= kFirstJoker ? -2 : fnCardRank(card); }

// Rule slot 36 before anything is dealt.
void fnFilterDeck(TDealWork& work);

// Foundation starter codes (rule slots 103–118), rule slot 103 = 97, the
// doubled base ranks of family 50 and rule slot 1 = 5.
void fnStartFoundations(TDealWork& work);
// Rule slot 1 once the piles are dealt.
void fnApplyStartMode(TDealWork& work);

// Which foundations the automatic play after the deal tries; rule slot 103.
enum class TDealPlay { AllInOrder = 93, FromPileIndex = 94, ByPosition = 95 };
// The dealt tableau cards that a foundation accepts go there (rule slot 26
// chooses pile by pile or row by row).
void fnPlayDealtCards(TDealWork& work, TDealPlay play);
// Starters 96 and 98: Aces go up, each replaced by the top card of the stock.
void fnPlayAcesWithReplacement(TDealWork& work);

// Family 11: the Aces of reserve 1 start foundations, the waste refills it.
void fnDealAcesFromReserve(TDealWork& work);
// Family 22: the King of hearts under the stock, its Queen on tableau pile 1.
void fnDealHeartsPair(TDealWork& work);
// Rule slot 33: Kings to the bottom of their tableau piles.
void fnKingsToBottom(TDealWork& work);
// Rule slot 3 = 8: tableau pile 1 alternates cards and holes.
void fnAlternateHoles(TDealWork& work);

// Rule slot 36 once the piles are dealt.
void fnArrangeDeal(TDealWork& work);

}  // namespace tablerun
