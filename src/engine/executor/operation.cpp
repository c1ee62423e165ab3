#include "engine/executor/operation.h"

#include <array>
#include <charconv>
#include <utility>

#include "engine/state/table_view.h"

namespace tablerun {
namespace {

// The number that follows a prefix; nothing when the rest is no number.
std::optional<int> NumberAfter(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix)) return std::nullopt;
  const std::string_view digits = name.substr(prefix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

constexpr std::array<std::pair<std::string_view, TStockAction>, 9> kStockNames{{
    {"Mazzo_Vis", TStockAction::TurnToWaste},
    {"Mazzo_Waste", TStockAction::TurnToSecondWaste},
    {"Mazzo_Redeal", TStockAction::GatheringRedeal},
    {"Add_Tableaus", TStockAction::DealTableaus},
    {"Add_Tableaus_Last", TStockAction::DealAllTableaus},
    {"Add_Reserves", TStockAction::DealReserves},
    {"Fill_Tableaus", TStockAction::FillTableaus},
    {"Selezionate_Fila", TStockAction::RefillGaps},
    {"Stock_To_Pile_Monte_Carlo", TStockAction::CloseGaps},
}};

}  // namespace

std::optional<TOperation> fnParseOperation(std::string_view name) {
  for (const auto& [stockName, action] : kStockNames) {
    if (name == stockName) return TStockOperation{action};
  }
  if (const auto pile = NumberAfter(name, "Add_Tableau_")) return TStockOperation{TStockAction::DealTableau, *pile};
  if (const auto pile = NumberAfter(name, "Add_Reserve_")) return TStockOperation{TStockAction::DealReserve, *pile};
  if (name == "Stock02") return TPileMove{kMazzoVis};
  if (name == "Waste") return TPileMove{kMazzoWaste};
  if (const auto foundation = NumberAfter(name, "Dest_Autoplay")) {
    const TPileRef to = fnDest(*foundation - 1);
    if (!fnIsPileRef(to)) return std::nullopt;
    return TPileMove{to, true};
  }
  const auto pile = fnParsePileName(name);
  // The stock group's names stand for stock operations, or for nothing.
  if (!pile || pile->group == TPileGroup::Mazzo) return std::nullopt;
  return TPileMove{*pile};
}

}  // namespace tablerun
