// The names of the executor's operations, read where text comes in.
#include <gtest/gtest.h>

#include "engine/executor/operation.h"
#include "engine/state/table_view.h"

namespace tablerun {
namespace {

struct TNameRow {
  const char* name;
  std::optional<TOperation> expected;
};

TEST(Operation, NamesReadAsTheirOperations) {
  using enum TStockAction;
  for (const auto& [name, expected] : std::initializer_list<TNameRow>{
           {"Fila3", TPileMove{fnFila(2)}},
           {"Appogg01", TPileMove{fnAppogg(0)}},
           {"Dest2", TPileMove{fnDest(1)}},
           {"Dest_Autoplay2", TPileMove{fnDest(1), true}},
           // A card onto the waste or the second waste, unlike the stock turns below.
           {"Stock02", TPileMove{kMazzoVis}},
           {"Waste", TPileMove{kMazzoWaste}},
           {"Mazzo_Vis", TStockOperation{TurnToWaste}},
           {"Mazzo_Waste", TStockOperation{TurnToSecondWaste}},
           {"Mazzo_Redeal", TStockOperation{GatheringRedeal}},
           {"Add_Tableaus", TStockOperation{DealTableaus}},
           {"Add_Tableaus_Last", TStockOperation{DealAllTableaus}},
           {"Add_Tableau_03", TStockOperation{DealTableau, 3}},
           {"Add_Tableau_12", TStockOperation{DealTableau, 12}},
           {"Add_Reserves", TStockOperation{DealReserves}},
           {"Add_Reserve_2", TStockOperation{DealReserve, 2}},
           {"Fill_Tableaus", TStockOperation{FillTableaus}},
           {"Selezionate_Fila", TStockOperation{RefillGaps}},
           {"Stock_To_Pile_Monte_Carlo", TStockOperation{CloseGaps}},
           {"Mazzo", std::nullopt},
           {"Fila41", std::nullopt},
           {"Dest_Autoplay17", std::nullopt},
           {"Add_Tableau_", std::nullopt},
           {"Add_Reserve_2x", std::nullopt},
           {"Selezionate_Dest", std::nullopt},
       }) {
    EXPECT_EQ(fnParseOperation(name), expected) << name;
  }
}

}  // namespace
}  // namespace tablerun
