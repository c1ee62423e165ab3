// The questions move legality asks of the table: pile sizes, top and bottom
// cards, where a card lies and whether it lies face down, and the rule slots.
// It only reads; every answer is computed from the pile lists as they are now.
#pragma once

#include <optional>
#include <string>

#include "model/card_status_table.h"
#include "model/game_rules.h"
#include "model/table.h"

namespace tablerun {

// Where a card lies, as LocateCard reports it.
inline constexpr int kLocatedNowhere = 0;
inline constexpr int kLocatedInStock = -99;
inline constexpr int kLocatedInWaste = -98;
// Foundation i is −(i + 1), tableau pile i is i + 1, reserve i is −(21 + i).
inline constexpr bool fnLocatedInFoundation(int where) { return where <= -1 && where >= -16; }
inline constexpr bool fnLocatedInTableau(int where) { return where >= 1 && where <= 40; }
inline constexpr bool fnLocatedInReserve(int where) { return where <= -21 && where >= -32; }
// The 0-based index of the pile of its kind; −1 when the card lies elsewhere.
inline constexpr int fnLocatedTableau(int where) { return fnLocatedInTableau(where) ? where - 1 : -1; }
inline constexpr int fnLocatedReserve(int where) { return fnLocatedInReserve(where) ? -where - 21 : -1; }

// Foundation, tableau pile and reserve i (0-based).
inline constexpr TPileRef fnDest(int i) { return {TPileGroup::Dest, i}; }
inline constexpr TPileRef fnFila(int i) { return {TPileGroup::Fila, i}; }
inline constexpr TPileRef fnAppogg(int i) { return {TPileGroup::Appogg, i}; }

// A card's pile and its 0-based position counted from the bottom.
struct TCardPlace {
  TPileRef pile;
  int position;
};

class TTableView {
 public:
  TTableView(const TTable& table, const TGameRules& rules, const TCardStatusTable& cards)
      : table_(table), rules_(rules), cards_(cards) {}

  int Rule(TRuleSlot slot) const { return rules_.Get(slot); }
  // The piles of each kind the game uses (rule slots 374, 375, 376).
  int Foundations() const;
  int TableauPiles() const;
  int Reserves() const;
  // Whether the game has the pile: the first piles of each kind up to its
  // count; of the stock group, the first up to rule slot 373, and the second
  // waste when slot 377 places it.
  bool Uses(TPileRef pile) const;

  // Positions, holes included.
  int Count(TPileRef pile) const { return static_cast<int>(table_.Pile(pile).size() / 3); }
  bool IsEmpty(TPileRef pile) const { return table_.Pile(pile).empty(); }
  // 0 for a hole or a position the pile does not have.
  int CardAt(TPileRef pile, int position) const;
  int Top(TPileRef pile) const { return CardAt(pile, Count(pile) - 1); }
  int Bottom(TPileRef pile) const { return CardAt(pile, 0); }

  // What CheckBuild builds on: the top card, or −1 when no card lies on top.
  int Target(TPileRef pile) const {
    const int top = Top(pile);
    return top > 0 ? top : -1;
  }

  bool IsFaceDown(int card) const { return cards_.fnIsCardFaceDown(card); }

  // Questions about several piles at once.
  bool StockAndWasteEmpty() const { return IsEmpty(kMazzo) && IsEmpty(kMazzoVis); }
  bool AllReservesEmpty() const;
  // Tableau piles first to last, both included.
  bool AnyTableauEmpty(int first, int last) const;
  bool AnyTableauHolds(int first, int last) const;

  // Searches the stock, the waste, every foundation, the tableau piles and the
  // reserves in use, in that order; the second waste is not searched.
  std::optional<TCardPlace> FindCard(int card) const;
  // The same search as one integer: the kLocated values above.
  int LocateCard(int card) const;

 private:
  int InUse(TRuleSlot slot, TPileGroup group) const;

  const TTable& table_;
  const TGameRules& rules_;
  const TCardStatusTable& cards_;
};

}  // namespace tablerun
