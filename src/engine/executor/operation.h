// What the move executor is asked to do: put a card on a pile, or run one of
// the stock's operations. Play passes these values; their names are only the
// text form, read where text comes in.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "model/pile_names.h"

namespace tablerun {

// A card onto a pile; from the tableau the cards above it go along where the
// game moves groups. Onto the waste it is a card put there, not a stock turn.
struct TPileMove {
  TPileRef to;
  // Sent by Autoplay, which has a sound of its own.
  bool autoplay = false;

  friend bool operator==(const TPileMove&, const TPileMove&) = default;
};

enum class TStockAction {
  TurnToWaste,        // the stock turned, or the waste turned over when the stock is spent
  TurnToSecondWaste,  // the same onto the second waste
  GatheringRedeal,    // the tableau taken in and dealt again
  DealTableaus,       // a card to each tableau pile its deal flag allows
  DealAllTableaus,    // a card to every tableau pile, deal flags ignored
  DealTableau,        // a card to tableau pile `pile`
  DealReserves,       // a card to each reserve its deal flag allows
  DealReserve,        // a card to reserve `pile`
  FillTableaus,       // a card to every empty tableau pile
  RefillGaps,         // every empty tableau pile refilled from the stock
  CloseGaps,          // the tableau's gaps closed up, then refilled from the stock
};

struct TStockOperation {
  TStockAction action;
  // 1-based, for DealTableau and DealReserve; a deal mode may name a pile the
  // game does not have, which deals nothing.
  int pile = 0;

  friend bool operator==(const TStockOperation&, const TStockOperation&) = default;
};

using TOperation = std::variant<TPileMove, TStockOperation>;

// The operation a name stands for: "Fila3", "Dest1", "Appogg2", "Dest_Autoplay1",
// "Stock02" (a card onto the waste), "Waste" (onto the second waste),
// "Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal", "Add_Tableaus",
// "Add_Tableaus_Last", "Add_Tableau_NN", "Add_Reserves", "Add_Reserve_N",
// "Fill_Tableaus", "Selezionate_Fila", "Stock_To_Pile_Monte_Carlo".
std::optional<TOperation> fnParseOperation(std::string_view name);

}  // namespace tablerun
