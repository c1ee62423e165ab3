#include "engine/executor/redeal_deal_back.h"

#include <algorithm>

#include "engine/executor/redeal_order.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"

namespace tablerun {
namespace {

// Redeal style 9 leaves tableau piles 1, 7, 8, 14, 15, 21, 22 and 28 alone.
bool IsStandingPile(int i) {
  static constexpr int kStanding[] = {0, 6, 7, 13, 14, 20, 21, 27};
  return std::find(std::begin(kStanding), std::end(kStanding), i) != std::end(kStanding);
}

std::string CodesText(const std::vector<int>& cards) {
  std::string text;
  for (const int card : cards) text += fnCardText(card);
  return text;
}

}  // namespace

bool TRedealDealBack::GatherAndDealBack(int style) {
  std::vector<int> order = GatherForDealing(style);
  if (order.empty()) return false;
  // These styles deal back in the order they gathered.
  if (style != 12 && style != 14 && style != 15) order = fnRedealOrder(std::move(order));
  DealBack(style, order);
  return true;
}

std::vector<int> TRedealDealBack::GatherForDealing(int style) {
  std::vector<int> gathered;
  switch (style) {
    case 8:
      // Each pile keeps its leading run from the Two, a hole marks where the run ends.
      for (int i = 0; i < exec_.TableauPiles(); ++i) {
        const TPileRef pile = fnFila(i);
        const TTableView view = exec_.View();
        int kept = 0;
        while (kept < view.Count(pile)) {
          const int card = view.CardAt(pile, kept);
          const int below = kept > 0 ? view.CardAt(pile, kept - 1) : 0;
          const bool extends = kept == 0
                                   ? fnCardRank(card) == kTwo
                                   : fnCardSuit(card) == fnCardSuit(below) && fnCardRank(card) == fnCardRank(below) + 1;
          if (!extends) break;
          ++kept;
        }
        const std::string run = state_.table.Pile(pile).substr(0, static_cast<std::size_t>(kept) * 3);
        state_.table.SetPile(pile, state_.table.Pile(pile).substr(run.size()));
        const std::vector<int> above = exec_.TakeAll(pile);
        gathered.insert(gathered.end(), above.begin(), above.end());
        state_.table.SetPile(pile, run + "000");
      }
      for (const int card : gathered) state_.cards.fnSetCardFace(card, TCardFace::Down);
      state_.table.SetPile(kMazzo, state_.table.Pile(kMazzo) + CodesText(gathered));
      return gathered;
    case 9:
      for (int i = 0; i < exec_.TableauPiles(); ++i) {
        if (IsStandingPile(i)) continue;
        // A pile is taken whole, bottom card first, so no card is left behind.
        std::vector<int> cards = exec_.TakeAll(fnFila(i));
        gathered.insert(gathered.end(), cards.rbegin(), cards.rend());
      }
      return gathered;
    case 12: gathered = exec_.GatherTableau(true); break;
    case 14: {
      const TTableView view = exec_.View();
      int height = 0;
      for (int i = 0; i < exec_.TableauPiles(); ++i) height = std::max(height, view.Count(fnFila(i)));
      for (int row = height - 1; row >= 0; --row) {
        for (int i = exec_.TableauPiles() - 1; i >= 0; --i) {
          const int card = view.CardAt(fnFila(i), row);
          if (card > 0) gathered.push_back(card);
        }
      }
      for (int i = 0; i < exec_.TableauPiles(); ++i) state_.table.SetPile(fnFila(i), "");
      break;
    }
    case 15: {
      gathered = exec_.GatherTableau(false);
      const std::vector<int> reserve = exec_.TakeAll(fnAppogg(0));
      gathered.insert(gathered.end(), reserve.begin(), reserve.end());
      return gathered;
    }
    case 6: {
      gathered = exec_.GatherTableau(false);
      std::vector<int> waste = exec_.TakeAll(kMazzoVis);
      std::size_t at = 0;
      for (auto card = waste.rbegin(); card != waste.rend(); ++card, at += 3) {
        if (at > gathered.size()) at = 0;
        gathered.insert(gathered.begin() + static_cast<std::ptrdiff_t>(at), *card);
      }
      return gathered;
    }
    case 10:
    case 18:
      gathered = exec_.GatherTableau(false);
      if (style == 10) {
        for (int i = 0; i < exec_.Reserves(); ++i) {
          const std::vector<int> reserve = exec_.TakeAll(fnAppogg(i));
          gathered.insert(gathered.end(), reserve.begin(), reserve.end());
        }
      }
      return gathered;
    default: return exec_.GatherTableau(false);
  }
  // Styles 12 and 14 put the cards on the stock as they come, then turn the stock over.
  std::reverse(gathered.begin(), gathered.end());
  return gathered;
}

void TRedealDealBack::DealBack(int style, const std::vector<int>& order) {
  switch (style) {
    case 6: DealBackInTurn(style, AcesFirst(order)); return;
    case 8: LeadingRunDealBack(order); return;
    case 9: UnderWasteDealBack(order); return;
    case 15: ClockDealBack(order); return;
    case 10:
    case 18: {
      // The stock takes everything face down, the first card to deal on top.
      std::vector<int> stock;
      if (style == 18) {
        for (int i = 0; i < exec_.Reserves(); ++i) {
          const std::vector<int> reserve = exec_.TakeAll(fnAppogg(i));
          stock.insert(stock.end(), reserve.begin(), reserve.end());
        }
      }
      stock.insert(stock.end(), order.rbegin(), order.rend());
      for (const int card : stock) state_.cards.fnSetCardFace(card, TCardFace::Down);
      state_.table.SetPile(kMazzo, CodesText(stock));
      return;
    }
    default: DealBackInTurn(style, order); return;
  }
}

void TRedealDealBack::DealBackInTurn(int style, const std::vector<int>& order) {
  const int piles = exec_.TableauPiles();
  if (piles == 0) return;
  const bool fanWithHoles = exec_.Rule(rule::kTableauArrangement) == 8;
  const int dealCount = exec_.Rule(rule::kTableauDeal);
  const TCardFace face = dealCount == exec_.Rule(rule::kTableauFaces) ? TCardFace::Up : TCardFace::Down;
  // Styles 1, 6 and 12 fill a pile to its deal count before the next one.
  const bool fillEach = style == 1 || style == 6 || style == 12;
  std::size_t next = 0;
  for (int pile = 0; next < order.size(); pile = (pile + 1) % piles) {
    if (style == 6 && pile == 0 && next > 0) break;
    do {
      exec_.Append(fnFila(pile), order[next++], face);
      if (fanWithHoles) state_.table.SetPile(fnFila(pile), state_.table.Pile(fnFila(pile)) + "000");
    } while (fillEach && next < order.size() && exec_.View().Count(fnFila(pile)) < dealCount * (fanWithHoles ? 2 : 1));
  }
  // Cards a bounded deal had no room for wait on the waste.
  for (; next < order.size(); ++next) exec_.Append(kMazzoVis, order[next], TCardFace::Up);
  if (exec_.Rule(rule::kTableauFaces) == 1 && dealCount != 1) {
    for (int i = 0; i < piles; ++i) {
      const int top = exec_.View().Top(fnFila(i));
      if (top > 0) state_.cards.fnSetCardFace(top, TCardFace::Up);
    }
  }
}

std::vector<int> TRedealDealBack::AcesFirst(std::vector<int> order) {
  const auto isAce = [](int card) { return fnCardRank(card) == kAce; };
  const auto firstOther = std::find_if_not(order.begin(), order.end(), isAce);
  std::stable_partition(firstOther, order.end(), isAce);
  std::size_t aces = 0;
  while (aces < order.size() && isAce(order[aces])) ++aces;
  for (std::size_t n = 0; n < aces; ++n) {
    for (int f = 0; f < exec_.View().Foundations(); ++f) {
      if (!exec_.View().IsEmpty(fnDest(f))) continue;
      exec_.Append(fnDest(f), order[n], TCardFace::Up);
      break;
    }
  }
  // A card that found no empty foundation stays in the deal.
  std::vector<int> rest;
  for (std::size_t n = 0; n < aces; ++n) {
    if (!exec_.View().FindCard(order[n])) rest.push_back(order[n]);
  }
  rest.insert(rest.end(), order.begin() + static_cast<std::ptrdiff_t>(aces), order.end());
  while (rest.size() > 54) {
    exec_.Append(kMazzoVis, rest.back(), TCardFace::Up);
    rest.pop_back();
  }
  return rest;
}

void TRedealDealBack::LeadingRunDealBack(const std::vector<int>& order) {
  const int positions = exec_.Rule(rule::kTableauDeal);
  std::size_t next = 0;
  for (int i = 0; i < exec_.TableauPiles(); ++i) {
    while (next < order.size() && exec_.View().Count(fnFila(i)) < positions) {
      const int card = order[next++];
      state_.table.fnFindCardInPile(kMazzo, card, TFindOp::Remove);
      exec_.Append(fnFila(i), card, TCardFace::Up);
    }
  }
}

void TRedealDealBack::UnderWasteDealBack(const std::vector<int>& order) {
  std::string waste = state_.table.Pile(kMazzoVis);
  for (const int card : order) {
    waste.insert(0, fnCardText(card));
    state_.cards.fnSetCardFace(card, TCardFace::Up);
  }
  for (int i = 0; i < exec_.TableauPiles(); ++i) {
    if (IsStandingPile(i) || exec_.Rule(rule::kTableauDeal + i) == 0 || waste.empty()) continue;
    exec_.Append(fnFila(i), fnParseCardText(std::string_view(waste).substr(waste.size() - 3)).value_or(0),
                 TCardFace::Up);
    waste.resize(waste.size() - 3);
  }
  state_.table.SetPile(kMazzoVis, waste);
}

void TRedealDealBack::ClockDealBack(const std::vector<int>& order) {
  constexpr int kHours = 13;  // tableau piles 1–12 and reserve 1
  state_.table.SetPile(kMazzo, "");
  int hour = 1;
  for (const int card : order) {
    if (fnCardRank(card) == hour) {
      exec_.Append(kMazzo, card, TCardFace::Down);
      continue;
    }
    exec_.Append(hour == kHours ? fnAppogg(0) : fnFila(hour - 1), card, TCardFace::Up);
    hour = hour % kHours + 1;
  }
}

}  // namespace tablerun
