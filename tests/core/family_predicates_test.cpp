#include "engine/legality/family_predicates.h"

#include <gtest/gtest.h>

#include "support/legality_table.h"

namespace tablerun {
namespace {

using testing::CardCode;
using testing::TLegalityTable;

TEST(FamilyPredicates, ReservesOpenFromTheEndOfTheirRow) {
  TLegalityTable t;
  t.SetRules("reserves=12 reserve lift rule=-14");
  t.Lay("Appogg1: 2C | Appogg3: 3C | Appogg6: 4C | Appogg9: 5C | Appogg11: 6C | Appogg12: 7C");
  const TMoveLegality legality = t.Legality();
  const std::pair<int, bool> reserves[] = {{0, false}, {2, true},  {5, false}, {8, true},
                                           {10, true}, {11, true}, {-1, false}};
  for (const auto& [reserve, free] : reserves) EXPECT_EQ(fnReserveIsFree(legality.View(), reserve), free) << reserve;
  EXPECT_FALSE(legality.CanLeave(CardCode("2C")));
  EXPECT_TRUE(legality.CanLeave(CardCode("3C")));
}

TEST(FamilyPredicates, TheInnerGridOpensFromItsBorder) {
  TLegalityTable t;
  t.SetRules("tableau piles=26");
  std::string border;
  for (int p = 1; p <= 14; ++p) border += "Fila" + std::to_string(p) + ": 2C | ";
  t.Lay(border + "Fila15: 5H");
  EXPECT_FALSE(fnInnerGridIsFree(t.Legality().View(), 14));
  t.Lay("Fila1:");  // column 0 opens: piles 14, 18 and 22
  for (int p = 14; p <= 25; ++p) EXPECT_EQ(fnInnerGridIsFree(t.Legality().View(), p), p % 4 == 2) << p;
  t.Lay("Fila1: 2C | Fila14:");  // row 0 opens through pile 13
  for (int p = 14; p <= 25; ++p) EXPECT_EQ(fnInnerGridIsFree(t.Legality().View(), p), p <= 17) << p;
  EXPECT_FALSE(fnInnerGridIsFree(t.Legality().View(), 13));
  EXPECT_FALSE(fnInnerGridIsFree(t.Legality().View(), 26));
}

TEST(FamilyPredicates, TheGridFillsFromNeighbourToNeighbour) {
  TLegalityTable t;
  t.SetRules("tableau piles=25 tableau build*25=113");
  t.Lay("Mazzo_Vis: 5H 6H");
  EXPECT_TRUE(t.Can("6H", "Fila13"));  // the first card goes anywhere
  t.Lay("Fila1: 2C");
  t.context.familyValue = 0;  // the last card went to the top-left corner
  EXPECT_TRUE(t.Can("6H", "Fila2"));
  EXPECT_TRUE(t.Can("6H", "Fila6"));
  EXPECT_FALSE(t.Can("6H", "Fila7"));
  EXPECT_FALSE(t.Can("6H", "Fila1"));
  t.Lay("Fila2: 3C | Fila6: 4C");  // no free neighbour left: anywhere again
  EXPECT_TRUE(t.Can("6H", "Fila7"));
  t.Lay("Fila6: | Fila7: 4C");
  t.context.familyValue = 6;  // the middle of the grid has four neighbours
  for (int p = 1; p <= 25; ++p) {
    const bool neighbour = p == 6 || p == 12 || p == 8 || p == 2;
    EXPECT_EQ(t.Can("6H", "Fila" + std::to_string(p)), neighbour && p != 2) << p;
  }
}

TEST(FamilyPredicates, RowsReleaseWhenThePilesBelowAreEmpty) {
  TLegalityTable t;
  t.SetRules("tableau piles=8 release rows=2 release row piles=3");
  t.Lay("Fila1: 5H | Fila4: 6H | Fila2: 7H | Fila8: 8H");
  const TMoveLegality legality = t.Legality();
  EXPECT_FALSE(fnRowReleases(legality.View(), 0));
  EXPECT_TRUE(fnRowReleases(legality.View(), 1));
  EXPECT_TRUE(fnRowReleases(legality.View(), 3));
  EXPECT_TRUE(fnRowReleases(legality.View(), 7));  // beyond the rows
  EXPECT_FALSE(legality.CanLeave(CardCode("5H")));
  EXPECT_TRUE(legality.CanLeave(CardCode("6H")));
  EXPECT_TRUE(legality.CanLeave(CardCode("8H")));
}

TEST(FamilyPredicates, EveryTwentiethTableauMoveReleasesTheTableau) {
  TLegalityTable t;
  t.SetRules("family=23 foundation base=1");
  t.Lay("Fila1: AH | Mazzo_Vis: 2C");
  EXPECT_TRUE(t.Can("AH", "Dest1"));
  t.context.tableauMovesLogged = 7;
  EXPECT_FALSE(t.Can("AH", "Dest1"));
  t.context.tableauMovesLogged = 40;
  EXPECT_TRUE(t.Can("AH", "Dest1"));
  t.context.tableauMovesLogged = 7;
  t.Lay("Mazzo_Vis:");
  EXPECT_TRUE(t.Can("AH", "Dest1"));
}

TEST(FamilyPredicates, WhileTheWasteLastsCardsFillTheRowInOrder) {
  testing::ExpectPlacements({
      {"Fila1: KS | Mazzo_Vis: 2C KH", "tableau build*8=38", "KH", "Fila2", true},  // the first empty pile
      {"Fila1: KS | Mazzo_Vis: 2C KH", "tableau build*8=38", "KH", "Fila3", false},
      {"Fila1: KS 9C | Mazzo_Vis: 5H", "tableau build*8=38", "5H", "Fila1", true},  // the last pile of the row
      {"Fila1: KS | Fila2: KD | Mazzo_Vis: 5H", "tableau build*8=38", "5H", "Fila2", true},
      {"Fila1: KS | Fila2: KD | Mazzo_Vis: 5H", "tableau build*8=38", "5H", "Fila1", false},
      {"Fila1: KS | Fila2: KD 5H | Mazzo_Vis: 2C", "tableau build*8=38", "5H", "Fila1", false},  // tableau cards stay
      {"Fila1: QS | Mazzo_Vis: 2C QH", "tableau build*8=48", "QH", "Fila2", true},
  });
}

}  // namespace
}  // namespace tablerun
