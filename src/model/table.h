// The table of the current game: the four pile groups, their snapshot and the
// card operations the rest of the program performs on them by pile name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/card_status_table.h"
#include "model/game_rules.h"
#include "model/pile_groups.h"
#include "model/pile_names.h"

namespace tablerun {

// What fnFindCardInPile does with the card it finds.
enum class TFindOp {
  Report = 0,
  Remove = 1,               // the pile closes up
  LeaveHole = 2,            // "000" keeps the position
  RemoveWithHoleBelow = 3,  // as Remove, and a hole directly below goes too
};

class TTable {
 public:
  TTable(TCardStatusTable& cards, const TGameRules& rules) : cards_(cards), rules_(rules) {}

  // The pile list; empty for a reference outside the groups.
  const std::string& Pile(TPileRef pile) const { return piles_.Pile(pile); }
  // Refuses a reference outside the groups and text that is not a pile list.
  bool SetPile(TPileRef pile, std::string_view text);
  void Clear() { piles_.Clear(); }

  // Callers save, run an operation that changes the piles, and restore.
  void SaveSnapshot() { snapshot_ = piles_; }
  void RestoreSnapshot() { piles_ = snapshot_; }

  // 0 when the pile is empty, ends in a hole, or the name is not a pile.
  int fnTopCard(std::string_view name) const;
  // Only a Fila, Dest, Appogg or Mazzo_Vis pile takes a card this way.
  bool fnAddCardToPile(std::string_view name, int code, std::optional<TCardFace> face = std::nullopt);
  bool fnIsTopOfTableau(int code) const;

  // Acts on the first occurrence of the code, counted from the bottom; false,
  // changing nothing, when the pile does not hold it.
  bool fnFindCardInPile(TPileRef pile, int code, TFindOp op);
  // Searches Mazzo_Vis, the tableau piles in use, every Dest, Mazzo,
  // Mazzo_Waste and every Appogg, in that order, and acts on the first pile
  // that holds the code. Returns that pile's kind code (kKindSecondWaste for
  // Mazzo_Waste) or −1.
  int fnFindCard(int code, TFindOp op);
  int fnFindAndRemove(int code) { return fnFindCard(code, TFindOp::Remove); }
  int fnFindAndLeaveHole(int code) { return fnFindCard(code, TFindOp::LeaveHole); }

 private:
  // Rule slot 375, held within the tableau group.
  int TableauInUse() const;

  TCardStatusTable& cards_;
  const TGameRules& rules_;
  TPileGroups piles_;
  TPileGroups snapshot_;
};

}  // namespace tablerun
