// Redeals: the waste turned over into the stock, and the gathering redeals
// that take the tableau in and deal it again.
#include <algorithm>

#include "engine/executor/executor.h"
#include "engine/executor/redeal_order.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

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

bool TMoveExecutor::TurnOverRedeal() {
  // The press only marks the stock; the release redeals.
  if (Entry(entries::kStockPressed) == 0) {
    SetEntry(entries::kStockPressed, 1);
    state_.screen.RequestRepaint();
    return false;
  }
  SetEntry(entries::kStockPressed, 0);
  SetEntry(entries::kRedealRound, Entry(entries::kRedealRound) + 1);
  RecordUndo();
  PourWasteIntoStock();
  if (state_.config.Read(cfg::kRedealAnimation) != "N") {
    PlaySound(cfg::kSoundRedeal, "Redeal");
  } else {
    PlaySound(cfg::kSoundRedealStill, "Red_no_a");
  }
  return true;
}

void TMoveExecutor::PourWasteIntoStock() {
  // The waste's top card becomes the stock's bottom card, so the cards turn
  // again in the order they were first turned.
  const TCardFace face = Rule(rule::kStockFace) == 0 ? TCardFace::Up : TCardFace::Down;
  std::string stock;
  for (const int card : TakeAll(kMazzoVis)) {
    stock += fnCardText(card);
    state_.cards.fnSetCardFace(card, face);
  }
  state_.table.SetPile(kMazzo, stock);
}

bool TMoveExecutor::GatheringRedeal() {
  if ((StockSize() != 0 && Rule(rule::kRedealStyle) != 6) || !RedealAllowed()) return false;
  if (Entry(entries::kStockPressed) == 0) {
    SetEntry(entries::kStockPressed, 1);
    state_.screen.RequestRepaint();
    return false;
  }
  SetEntry(entries::kStockPressed, 0);
  RecordUndo();
  SetEntry(entries::kRedealRound, Entry(entries::kRedealRound) + 1);
  if (GatherRedeal()) return true;
  DiscardLastUndo();
  SetEntry(entries::kRedealRound, Entry(entries::kRedealRound) - 1);
  return false;
}

std::vector<int> TMoveExecutor::TakeAll(TPileRef pile) {
  const std::string& text = state_.table.Pile(pile);
  std::vector<int> cards;
  for (std::size_t at = text.size(); at >= 3; at -= 3) {
    const int card = fnParseCardText(std::string_view(text).substr(at - 3, 3)).value_or(0);
    if (card > 0) cards.push_back(card);
  }
  state_.table.SetPile(pile, "");
  return cards;
}

std::vector<int> TMoveExecutor::GatherTableau(bool lastPileFirst) {
  std::vector<int> gathered;
  const int piles = TableauPiles();
  for (int n = 0; n < piles; ++n) {
    const std::vector<int> cards = TakeAll(fnFila(lastPileFirst ? piles - 1 - n : n));
    gathered.insert(gathered.end(), cards.begin(), cards.end());
  }
  return gathered;
}

bool TMoveExecutor::GatherRedeal() {
  const int style = Rule(rule::kRedealStyle);
  if (style != 15 && style != 20) history_.undoLog.ReplaceLast(TEventKind::Redeal);
  bool moved = false;
  switch (style) {
    case 4:
    case 5:
    case 11:
    case 16:
      moved = OntoStockGroup(style);
      break;
    case 7:
      moved = BottomCardsToTop();
      break;
    case 13:
      moved = Sow();
      break;
    case 19:
      moved = PassTopCards();
      break;
    case 20:
      moved = WasteToReserves();
      break;
    default:
      moved = GatherAndDealBack(style);
      break;
  }
  if (moved) PlaySound(cfg::kSoundShuffle, "Shuffle");
  state_.screen.RequestRepaint();
  return moved;
}

bool TMoveExecutor::GatherAndDealBack(int style) {
  std::vector<int> order = GatherForDealing(style);
  if (order.empty()) return false;
  // These styles deal back in the order they gathered.
  if (style != 12 && style != 14 && style != 15) order = fnRedealOrder(std::move(order));
  DealBack(style, order);
  return true;
}

std::vector<int> TMoveExecutor::GatherForDealing(int style) {
  std::vector<int> gathered;
  switch (style) {
    case 8:
      // Each pile keeps its leading run from the Two, a hole marks where the run ends.
      for (int i = 0; i < TableauPiles(); ++i) {
        const TPileRef pile = fnFila(i);
        const TTableView view = View();
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
        const std::vector<int> above = TakeAll(pile);
        gathered.insert(gathered.end(), above.begin(), above.end());
        state_.table.SetPile(pile, run + "000");
      }
      for (const int card : gathered) state_.cards.fnSetCardFace(card, TCardFace::Down);
      state_.table.SetPile(kMazzo, state_.table.Pile(kMazzo) + CodesText(gathered));
      return gathered;
    case 9:
      for (int i = 0; i < TableauPiles(); ++i) {
        if (IsStandingPile(i)) continue;
        // A pile is taken whole, bottom card first, so no card is left behind.
        std::vector<int> cards = TakeAll(fnFila(i));
        gathered.insert(gathered.end(), cards.rbegin(), cards.rend());
      }
      return gathered;
    case 12:
      gathered = GatherTableau(true);
      break;
    case 14: {
      const TTableView view = View();
      int height = 0;
      for (int i = 0; i < TableauPiles(); ++i) height = std::max(height, view.Count(fnFila(i)));
      for (int row = height - 1; row >= 0; --row) {
        for (int i = TableauPiles() - 1; i >= 0; --i) {
          const int card = view.CardAt(fnFila(i), row);
          if (card > 0) gathered.push_back(card);
        }
      }
      for (int i = 0; i < TableauPiles(); ++i) state_.table.SetPile(fnFila(i), "");
      break;
    }
    case 15: {
      gathered = GatherTableau(false);
      const std::vector<int> reserve = TakeAll(fnAppogg(0));
      gathered.insert(gathered.end(), reserve.begin(), reserve.end());
      return gathered;
    }
    case 6: {
      gathered = GatherTableau(false);
      std::vector<int> waste = TakeAll(kMazzoVis);
      std::size_t at = 0;
      for (auto card = waste.rbegin(); card != waste.rend(); ++card, at += 3) {
        if (at > gathered.size()) at = 0;
        gathered.insert(gathered.begin() + static_cast<std::ptrdiff_t>(at), *card);
      }
      return gathered;
    }
    case 10:
    case 18:
      gathered = GatherTableau(false);
      if (style == 10) {
        for (int i = 0; i < Reserves(); ++i) {
          const std::vector<int> reserve = TakeAll(fnAppogg(i));
          gathered.insert(gathered.end(), reserve.begin(), reserve.end());
        }
      }
      return gathered;
    default:
      return GatherTableau(false);
  }
  // Styles 12 and 14 put the cards on the stock as they come, then turn the stock over.
  std::reverse(gathered.begin(), gathered.end());
  return gathered;
}

void TMoveExecutor::DealBack(int style, const std::vector<int>& order) {
  switch (style) {
    case 6:
      DealBackInTurn(style, AcesFirst(order));
      return;
    case 8:
      LeadingRunDealBack(order);
      return;
    case 9:
      UnderWasteDealBack(order);
      return;
    case 15:
      ClockDealBack(order);
      return;
    case 10:
    case 18: {
      // The stock takes everything face down, the first card to deal on top.
      std::vector<int> stock;
      if (style == 18) {
        for (int i = 0; i < Reserves(); ++i) {
          const std::vector<int> reserve = TakeAll(fnAppogg(i));
          stock.insert(stock.end(), reserve.begin(), reserve.end());
        }
      }
      stock.insert(stock.end(), order.rbegin(), order.rend());
      for (const int card : stock) state_.cards.fnSetCardFace(card, TCardFace::Down);
      state_.table.SetPile(kMazzo, CodesText(stock));
      return;
    }
    default:
      DealBackInTurn(style, order);
      return;
  }
}

void TMoveExecutor::DealBackInTurn(int style, const std::vector<int>& order) {
  const int piles = TableauPiles();
  if (piles == 0) return;
  const bool fanWithHoles = Rule(rule::kTableauArrangement) == 8;
  const int dealCount = Rule(rule::kTableauDeal);
  const TCardFace face = dealCount == Rule(rule::kTableauFaces) ? TCardFace::Up : TCardFace::Down;
  // Styles 1, 6 and 12 fill a pile to its deal count before the next one.
  const bool fillEach = style == 1 || style == 6 || style == 12;
  std::size_t next = 0;
  for (int pile = 0; next < order.size(); pile = (pile + 1) % piles) {
    if (style == 6 && pile == 0 && next > 0) break;
    do {
      Append(fnFila(pile), order[next++], face);
      if (fanWithHoles) state_.table.SetPile(fnFila(pile), state_.table.Pile(fnFila(pile)) + "000");
    } while (fillEach && next < order.size() && View().Count(fnFila(pile)) < dealCount * (fanWithHoles ? 2 : 1));
  }
  // Cards a bounded deal had no room for wait on the waste.
  for (; next < order.size(); ++next) Append(kMazzoVis, order[next], TCardFace::Up);
  if (Rule(rule::kTableauFaces) == 1 && dealCount != 1) {
    for (int i = 0; i < piles; ++i) {
      const int top = View().Top(fnFila(i));
      if (top > 0) state_.cards.fnSetCardFace(top, TCardFace::Up);
    }
  }
}

std::vector<int> TMoveExecutor::AcesFirst(std::vector<int> order) {
  const auto isAce = [](int card) { return fnCardRank(card) == kAce; };
  const auto firstOther = std::find_if_not(order.begin(), order.end(), isAce);
  std::stable_partition(firstOther, order.end(), isAce);
  std::size_t aces = 0;
  while (aces < order.size() && isAce(order[aces])) ++aces;
  for (std::size_t n = 0; n < aces; ++n) {
    for (int f = 0; f < View().Foundations(); ++f) {
      if (!View().IsEmpty(fnDest(f))) continue;
      Append(fnDest(f), order[n], TCardFace::Up);
      break;
    }
  }
  // A card that found no empty foundation stays in the deal.
  std::vector<int> rest;
  for (std::size_t n = 0; n < aces; ++n) {
    if (!View().FindCard(order[n])) rest.push_back(order[n]);
  }
  rest.insert(rest.end(), order.begin() + static_cast<std::ptrdiff_t>(aces), order.end());
  while (rest.size() > 54) {
    Append(kMazzoVis, rest.back(), TCardFace::Up);
    rest.pop_back();
  }
  return rest;
}

void TMoveExecutor::LeadingRunDealBack(const std::vector<int>& order) {
  const int positions = Rule(rule::kTableauDeal);
  std::size_t next = 0;
  for (int i = 0; i < TableauPiles(); ++i) {
    while (next < order.size() && View().Count(fnFila(i)) < positions) {
      const int card = order[next++];
      state_.table.fnFindCardInPile(kMazzo, card, TFindOp::Remove);
      Append(fnFila(i), card, TCardFace::Up);
    }
  }
}

void TMoveExecutor::UnderWasteDealBack(const std::vector<int>& order) {
  std::string waste = state_.table.Pile(kMazzoVis);
  for (const int card : order) {
    waste.insert(0, fnCardText(card));
    state_.cards.fnSetCardFace(card, TCardFace::Up);
  }
  for (int i = 0; i < TableauPiles(); ++i) {
    if (IsStandingPile(i) || Rule(rule::kTableauDeal + i) == 0 || waste.empty()) continue;
    Append(fnFila(i), fnParseCardText(std::string_view(waste).substr(waste.size() - 3)).value_or(0), TCardFace::Up);
    waste.resize(waste.size() - 3);
  }
  state_.table.SetPile(kMazzoVis, waste);
}

void TMoveExecutor::ClockDealBack(const std::vector<int>& order) {
  constexpr int kHours = 13;  // tableau piles 1–12 and reserve 1
  state_.table.SetPile(kMazzo, "");
  int hour = 1;
  for (const int card : order) {
    if (fnCardRank(card) == hour) {
      Append(kMazzo, card, TCardFace::Down);
      continue;
    }
    Append(hour == kHours ? fnAppogg(0) : fnFila(hour - 1), card, TCardFace::Up);
    hour = hour % kHours + 1;
  }
}

}  // namespace tablerun
