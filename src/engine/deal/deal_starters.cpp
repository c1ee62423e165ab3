// The cards that start the foundations before the piles are dealt.
#include "engine/deal/deal_steps.h"
#include "engine/state/table_view.h"
#include "model/card.h"

namespace tablerun {
namespace {

constexpr int kStarterFirstCard = 20;
constexpr int kStarterNewSuit = 21;
constexpr int kStarterNewRank = 22;
constexpr int kStarterRankFirst = 51;
constexpr int kStarterRankLast = 63;
constexpr int kStarterShifted = 91;
constexpr int kStarterCopyBase = 92;
constexpr int kStarterAce = 93;
constexpr int kStarterAceToo = 94;
constexpr int kStarterKing = 95;
constexpr int kStarterAcesReplaced = 96;
constexpr int kStarterRankRun = 97;
constexpr int kStarterLastNone = 98;
constexpr int kStarterCode = 100;

constexpr int kFamilyDoubledBases = 50;
constexpr int kStartAllOfRank = 5;

// The card starter `code` names for foundation i, taken out of the deck; 0
// when it names none or the deck no longer holds it.
int fnTakeStarter(TDealWork& work, int i, int code) {
  const auto bottoms = [&](auto same) {
    for (int f = 0; f < i; ++f) {
      const int bottom = work.CardAt(fnDest(f), 0);
      if (bottom > 0 && same(bottom)) return true;
    }
    return false;
  };
  const auto takeCode = [&](int card) { return work.Take(card) ? card : 0; };
  switch (code) {
    case kStarterFirstCard: return work.TakeFirst();
    case kStarterNewSuit:
      return work.TakeFirstWhere(
          [&](int card) { return !bottoms([&](int bottom) { return fnCardSuit(bottom) == fnCardSuit(card); }); });
    case kStarterNewRank:
      return work.TakeFirstWhere([&](int card) {
        return fnCardRank(card) != kKing &&
               !bottoms([&](int bottom) { return fnCardRank(bottom) == fnCardRank(card); });
      });
    case kStarterShifted: {
      if (work.Deck().empty()) return 0;
      const int cardsInPlay = work.Rule(rule::kCards);
      int card = work.Deck().front() + (i + 1) * 13;
      if (card > cardsInPlay && cardsInPlay > 0) card %= cardsInPlay;
      return takeCode(card);
    }
    case kStarterAce:
    case kStarterAceToo: return takeCode(i * 13 + 1);
    case kStarterKing: return takeCode(i <= 3 ? (i + 1) * 13 : i * 13 - 51);
    case kStarterAcesReplaced:
    case kStarterRankRun:
    case kStarterLastNone: return 0;
    default: break;
  }
  if (code >= kStarterRankFirst && code <= kStarterRankLast) {
    return work.TakeFirstWhere([&](int card) { return fnCardRank(card) == code - 50; });
  }
  if (code >= kStarterCode) return takeCode(code - kStarterCode);
  // 1–13 and every other code: that rank in the foundation's own suit.
  return takeCode(i * 13 + code);
}

void fnPlaceStarters(TDealWork& work) {
  for (int i = 0; i < work.Foundations(); ++i) {
    const int code = work.Rule(rule::kFoundationStarter + i);
    if (code == 0) continue;
    if (code == kStarterCopyBase) {
      work.SetRule(rule::kFoundationBase + i, work.Rule(rule::kFoundationBase));
      continue;
    }
    const int card = fnTakeStarter(work, i, code);
    if (card == 0) continue;
    work.Put(fnDest(i), card, TCardFace::Up);
    work.SetRule(rule::kFoundationBase + i, fnCardRank(card));
  }
}

void fnPlaceRankRun(TDealWork& work) {
  for (int i = 0; i < 8; ++i) {
    const int card = work.TakeFirstWhere([&](int c) { return fnCardRank(c) == i + 2; });
    if (card > 0) work.Put(fnDest(i), card, TCardFace::Up);
  }
}

void fnDoubleBaseRanks(TDealWork& work) {
  const int half = work.Foundations() / 2;
  for (int i = half; i < work.Foundations(); ++i) {
    int rank = 2 * work.Rule(rule::kFoundationBase + i - half);
    if (rank > kKing) rank -= kSuitSize;
    work.SetRule(rule::kFoundationBase + i, rank == 0 ? 13 : rank);
  }
}

void fnPlaceAllOfFirstRank(TDealWork& work) {
  const int first = work.TakeFirst();
  if (first == 0) return;
  work.Put(fnDest(0), first, TCardFace::Up);
  const int rank = fnCardRank(first);
  for (int f = 1; f < fnPileGroupSize(TPileGroup::Dest); ++f) {
    const int card = work.TakeFirstWhere([&](int c) { return fnCardRank(c) == rank; });
    if (card == 0) break;
    work.Put(fnDest(f), card, TCardFace::Up);
  }
  for (int f = 0; f < fnPileGroupSize(TPileGroup::Dest); ++f)
    work.SetRule(rule::kFoundationBase + f, fnStarterBaseRank(first));
}

}  // namespace

void fnStartFoundations(TDealWork& work) {
  fnPlaceStarters(work);
  if (work.Rule(rule::kFoundationStarter) == kStarterRankRun) fnPlaceRankRun(work);
  if (work.Rule(rule::kFamily) == kFamilyDoubledBases) fnDoubleBaseRanks(work);
  if (work.Rule(rule::kFoundationStartMode) == kStartAllOfRank) fnPlaceAllOfFirstRank(work);
}

}  // namespace tablerun
