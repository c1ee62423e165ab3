// Every build code, a card it takes and a card it refuses. Tableau rows build
// on Fila1 (slots 135 empty, 175 direction, 215 build, 255 wrap); foundation
// rows on Dest1 (slots 55 base, 71 direction, 87 build) unless they say otherwise.
#include <gtest/gtest.h>

#include "support/legality_table.h"

namespace tablerun {
namespace {

using testing::ExpectPlacements;
using testing::TLegalityTable;

TEST(BuildCodes, SuitFiltersOfTheStandardRule) {
  ExpectPlacements({
      {"Fila1: 9S | Fila2: 8S", "215=0", "8S", "Fila1", true},
      {"Fila1: 9S | Fila2: 8C", "215=0", "8C", "Fila1", false},
      {"Fila1: 9S | Fila2: 8C", "215=1", "8C", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "215=1", "8H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H", "215=2", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 7H", "215=2", "7H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H", "215=3", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8C", "215=3", "8C", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "215=6", "8S", "Fila1", false},
      {"Fila2: 8S", "215=6 135=-1", "8S", "Fila1", true},  // the empty-pile rule still decides
  });
}

TEST(BuildCodes, DirectionWrapAndTheStopAtTheBaseRank) {
  ExpectPlacements({
      {"Fila1: 9S | Fila2: 10S", "175=1", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 8S", "175=1", "8S", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "175=2", "8S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10S", "175=2", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10S", "175=3", "10S", "Fila1", false},
      // Up: nothing goes on a card of foundation 0's base rank without the wrap flag.
      {"Fila1: 9S | Fila2: 10H", "175=1 215=2 55=9", "10H", "Fila1", false},
      {"Fila1: 9S | Fila2: 10H", "175=1 215=2 55=9 255=1", "10H", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "175=1 215=2 55=9 255=2", "10H", "Fila1", true},
      {"Fila1: KS | Fila2: AH", "175=1 215=2", "AH", "Fila1", true},
      {"Fila1: KS | Fila2: AH", "175=1 215=2 255=2", "AH", "Fila1", false},
      // Down: the stop at the base rank, and at an Ace under the letters 'Q', 'R', 'S'.
      {"Fila1: AS | Fila2: KH", "215=2 55=1", "KH", "Fila1", false},
      {"Fila1: AS | Fila2: KH", "215=2 55=1 255=1", "KH", "Fila1", true},
      {"Fila1: AS | Fila2: KH", "215=2 55=1 255=2", "KH", "Fila1", false},
      {"Fila1: 2S | Fila2: AH", "215=2 55=1 255=2", "AH", "Fila1", true},
      {"Fila1: 7S | Fila2: 6H", "215=2 55=7", "6H", "Fila1", false},
      {"Fila1: 7S | Fila2: 6H", "215=2 55=7 255=1", "6H", "Fila1", true},
      {"Fila1: AS | Fila2: KH", "215=2 55='R'", "KH", "Fila1", false},
      {"Fila1: AS | Fila2: KH", "215=2 55=5", "KH", "Fila1", true},
      // Foundations: an Ace on a King only when the foundation started above the Ace.
      {"Dest1: AH 2H | Fila1: 3H", "55=1 71=1", "3H", "Dest1", true},
      {"Dest1: AH 2H | Fila1: 3S", "55=1 71=1", "3S", "Dest1", false},
      {"Dest1: QH KH | Fila1: AH'", "55=1 71=1", "AH'", "Dest1", false},
      {"Dest1: QH KH | Fila1: AH'", "55=7 71=1", "AH'", "Dest1", true},
      {"Dest1: 2H AH | Fila1: KH", "55=13 71=0", "KH", "Dest1", false},
      {"Dest1: 2H AH | Fila1: KH", "55=5 71=0", "KH", "Dest1", true},
  });
}

TEST(BuildCodes, EmptyPileRules) {
  ExpectPlacements({
      {"Fila2: 5H", "135=-1", "5H", "Fila1", true},
      {"Fila2: 5H", "135=0", "5H", "Fila1", false},
      {"Fila2: KH", "135=13", "KH", "Fila1", true},
      {"Fila2: QH", "135=13", "QH", "Fila1", false},
      {"Fila2: QH", "135=13 55=-1", "QH", "Fila1", true},  // a foundation base of "any" opens every space
      {"Fila2: AH", "135='R'", "AH", "Fila1", false},
      {"Fila2: AH", "135='S'", "AH", "Fila1", false},
      {"Fila2: 5H", "135='V'", "5H", "Fila1", true},
      {"Fila2: 5H 4S", "135='V'", "5H", "Fila1", false},
      {"Mazzo_Vis: 5H", "135='W'", "5H", "Fila1", true},
      {"Appogg1: 5H", "135='W'", "5H", "Fila1", false},
      {"Appogg1: 5H", "135='X'", "5H", "Fila1", true},
      {"Fila2: 5H", "135='X'", "5H", "Fila1", false},
      {"Dest1: 5C | Dest2: 5D | Mazzo_Vis: 5H", "135='\\'", "5H", "Fila1", true},
      {"Dest1: 5C | Mazzo_Vis: 6H", "135='\\'", "6H", "Fila1", false},
      {"Mazzo_Vis: 6H", "135='\\'", "6H", "Fila1", true},
      {"Mazzo_Vis: 6H", "135=']'", "6H", "Fila1", false},
      {"Appogg1: 6H", "135=']'", "6H", "Fila1", true},
      {"Mazzo_Vis: 6H", "135='`'", "6H", "Fila1", true},
      {"Mazzo_Vis: 6H | Appogg2: 2C", "135='`'", "6H", "Fila1", false},
      {"Appogg1: 6H", "135='`'", "6H", "Fila1", true},
      {"Fila2: 6H", "135='`'", "6H", "Fila1", false},
      {"Fila2: 5H", "135=91", "5H", "Fila1", false},  // '[' is replaced at the deal
  });
}

TEST(BuildCodes, LetterGroupsBalanceColoursAndSuits) {
  // Four 'Q' foundations: Aces only, at most two of each colour.
  ExpectPlacements({
      {"Fila1: AH", "55*4='Q'", "AH", "Dest1", true},
      {"Fila1: 2H", "55*4='Q'", "2H", "Dest1", false},
      {"Dest2: AD | Dest3: AH' | Fila1: AH", "55*4='Q'", "AH", "Dest1", false},
      {"Dest2: AD | Dest3: AS | Fila1: AH", "55*4='Q'", "AH", "Dest1", true},
      {"Dest2: AH' | Fila1: AH", "55*4='Q'", "AH", "Dest1", true},  // 'Q' lets a suit repeat
      {"Dest2: AH' | Fila1: AH", "55*4='U'", "AH", "Dest1", false},
      {"Fila1: KS", "55*4='T'", "KS", "Dest1", true},
      {"Fila1: QS", "55*4='T'", "QS", "Dest1", false},
      {"Fila1: 2S", "55*4='Z'", "2S", "Dest1", true},
      {"Fila1: AS", "55*4='Z'", "AS", "Dest1", false},
      {"Fila1: AH", "55='Q'", "AH", "Dest1", false},  // a group of one holds no colour
  });
}

TEST(BuildCodes, SpecialCodesFourToTwenty) {
  ExpectPlacements({
      {"Fila1: AH", "55=1 71=1 87=4", "AH", "Dest1", false},
      {"Fila1: AH", "55=1 87=5", "AH", "Dest1", true},
      {"Fila1: 2H", "55=1 87=5", "2H", "Dest1", false},
      {"Dest1: AH | Fila1: 3H", "87=5", "3H", "Dest1", true},
      {"Dest1: AH | Fila1: 3S", "87=5", "3S", "Dest1", false},
      {"Fila2: 5H", "215=7", "5H", "Fila1", true},
      {"Fila2: 5H | Mazzo: 2C", "215=7", "5H", "Fila1", false},
      {"Fila1: 6S | Fila2: 5H", "215=7", "5H", "Fila1", false},
      {"Fila1: QH", "87=10", "QH", "Dest1", true},
      {"Fila1: KH", "87=10", "KH", "Dest1", false},
      {"Dest1: JH | Fila1: QH", "87=10", "QH", "Dest1", false},
      {"Fila1: 9S | Fila2: 8S", "215=11", "8S", "Fila1", true},
      {"Fila1: KS | Fila2: QS", "215=11", "QS", "Fila1", false},
      {"Fila1: JS | Fila2: QS", "215=11 175=2", "QS", "Fila1", false},
      {"Fila1: 2H | Fila2: KS", "215=12", "KS", "Fila1", true},
      {"Fila1: 5H | Fila2: 7S", "215=14", "7S", "Fila1", true},
      {"Fila1: QH | Fila2: AS", "215=14", "AS", "Fila1", true},
      {"Fila1: 5H | Fila2: 6S", "215=14", "6S", "Fila1", false},
      {"Fila1: 5H | Fila2: 8C", "215=15", "8C", "Fila1", true},
      {"Fila1: 5H | Fila2: 7C", "215=15", "7C", "Fila1", false},
      {"Fila1: 5H | Fila2: 9C", "215=16", "9C", "Fila1", true},
      {"Fila1: 5H | Fila2: 8C", "215=16", "8C", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 2H", "215=17", "2H", "Fila1", true},
      {"Fila1: 9S | Fila2: 2H", "215=17", "2H", "Fila1", false},
      {"Fila2: 2H", "215=18", "2H", "Fila1", true},
      {"Fila1: 9S | Fila2: 2H", "215=18", "2H", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 2H", "215=18", "2H", "Fila1", true},
      {"Fila1: 9S | Mazzo_Vis: 2H", "215=19", "2H", "Fila1", true},
      {"Fila1: 9S | Appogg1: 2H", "215=19", "2H", "Fila1", false},
      {"Dest1: 5H | Fila1: 6S", "87=20", "6S", "Dest1", true},
      {"Dest1: 5H | Fila1: 7S", "87=20", "7S", "Dest1", false},
      {"Fila1: AS", "87=20", "AS", "Dest1", true},
      {"Fila1: 2S", "87=20", "2S", "Dest1", false},
      {"Dest1: KH | Fila1: AC", "87=20", "AC", "Dest1", true},
  });
}

TEST(BuildCodes, SpecialCodesTwentyOneToForty) {
  ExpectPlacements({
      {"Fila1: 9S | Fila2: 8H", "215=21", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8S", "215=21", "8S", "Fila1", false},
      {"Fila1: 9H | Mazzo_Vis: 5H", "87=22", "5H", "Dest1", true},
      {"Fila1: 3H | Mazzo_Vis: 5H", "87=22", "5H", "Dest1", false},
      {"Fila1: 9H | Mazzo_Vis: AH", "87=22", "AH", "Dest1", false},
      {"Dest1: 5H | Fila1: 6H", "87=23", "6H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H | Mazzo_Vis: 2C", "87=23", "6H", "Dest1", false},
      {"Fila1: 9S | Fila2: 8S", "215=24", "8S", "Fila1", true},
      {"Fila1: KS | Fila2: QS", "215=24", "QS", "Fila1", false},
      {"Fila1: QS | Fila2: KS", "215=24 175=2", "KS", "Fila1", false},
      {"Dest1: 3H | Fila1: 5H", "71=1 87=25", "5H", "Dest1", true},
      {"Dest1: 3H | Fila1: 4H", "71=1 87=25", "4H", "Dest1", false},
      {"Fila1: AH", "55=1 71=1 87=25", "AH", "Dest1", true},
      {"Dest1: 5H | Fila1: 3H", "71=0 87=25", "3H", "Dest1", true},
      {"Dest1: KH | Fila1: 2H", "71=1 87=61", "2H", "Dest1", true},
      {"Dest1: KH | Fila1: 3H", "71=1 87=61", "3H", "Dest1", false},
      {"Fila1: 9S | Fila2: 8H", "215=26", "8H", "Fila1", true},
      {"Fila1: 3C 9S 10S | Fila2: 9H", "215=26", "9H", "Fila1", false},
      {"Fila2: KH", "215=26 135=13", "KH", "Fila1", true},
      {"Fila2: QH", "215=26 135=13", "QH", "Fila1", false},
      {"Fila2: QH", "215=26 135=-1", "QH", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "215=27", "8H", "Fila1", true},
      {"Fila1: 9S | Appogg1: 8H", "215=27", "8H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8C", "215=27", "8C", "Fila1", false},
      {"Fila1: 9S | Fila2: 10H", "215=28", "10H", "Fila1", true},
      {"Fila1: 9S | Fila2: 7H", "215=28", "7H", "Fila1", false},
      {"Fila1: AS | Fila2: KH", "215=28", "KH", "Fila1", false},
      {"Fila2: 7H", "215=28", "7H", "Fila1", true},
      {"Fila1: 9S | Fila2: 10S", "215=60", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "215=60", "10H", "Fila1", false},
      {"Fila1: AH", "55*4='Q' 87=29", "AH", "Dest1", true},
      {"Fila1: 2H", "55*4='Q' 87=29", "2H", "Dest1", false},
      {"Dest1: AH | Fila1: 2H", "87=29", "2H", "Dest1", true},
      {"Dest1: AH | Fila1: 2S", "87=29", "2S", "Dest1", false},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH | Fila1: KH'", "87=29", "KH'", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH KH' | Fila1: QH'", "87=29", "QH'", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH KH' | Fila1: AH'", "87=29", "AH'", "Dest1", false},
      {"Fila1: 10S 9S | Fila2: 8S", "215=30", "8S", "Fila1", true},
      {"Fila1: 10S 9S | Fila2: 10S'", "215=30", "10S'", "Fila1", false},
      {"Fila1: 9S | Fila2: 10S", "215=30", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "215=30", "10H", "Fila1", false},
      {"Fila1: KS | Fila2: AS", "215=30", "AS", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "215=31", "8S", "Fila1", true},
      {"Fila1: AS | Fila2: KS", "215=31", "KS", "Fila1", false},
      {"Fila1: 9S | Fila2: 10S", "215=32", "10S", "Fila1", true},
      {"Fila1: KS | Fila2: AS", "215=32", "AS", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 2H", "215=33", "2H", "Fila1", true},
      {"Fila1: 9S 8S | Mazzo_Vis: 2H", "215=33", "2H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H", "215=34", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "215=34", "10H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H 7C", "215=34", "8H", "Fila1", false},  // only single cards on a card
      {"Fila2: 8H 7C", "215=34 135=-1", "8H", "Fila1", true},
      {"Fila1: KS | Fila2: AH", "215=35", "AH", "Fila1", true},
      {"Fila1: 9S | Fila2: 7H", "215=35", "7H", "Fila1", false},
      {"Fila1: 5H", "55=5 87=36", "5H", "Dest1", true},
      {"Fila1: 6H", "55=5 87=36", "6H", "Dest1", false},
      {"Fila1: 5H", "56=5 88=36", "5H", "Dest2", false},  // foundation 0 comes first
      {"Dest1: AH | Fila1: KS", "87=36", "KS", "Dest1", true},
      {"Dest1: 3H | Fila1: 6S", "87=37", "6S", "Dest1", true},
      {"Dest1: 7H | Fila1: AS", "87=37", "AS", "Dest1", true},
      {"Dest1: 3H | Fila1: 5S", "87=37", "5S", "Dest1", false},
      {"Fila1: KS | Fila2: 5H", "215=38", "5H", "Fila1", true},
      {"Fila1: KS | Fila2: QH", "215=38", "QH", "Fila1", false},
      {"Fila2: KH", "215=38", "KH", "Fila1", true},
      {"Fila2: 5H", "215=38", "5H", "Fila1", false},
      {"Fila1: 5H | Fila2: 6S", "215=39", "6S", "Fila1", true},
      {"Fila1: JH | Fila2: QS", "215=39", "QS", "Fila1", false},
      {"Fila2: AH", "215=39", "AH", "Fila1", true},
      {"Fila2: 2H", "215=39", "2H", "Fila1", false},
  });
}

TEST(BuildCodes, CodeFortyFollowsTheStockTurns) {
  TLegalityTable t;
  t.SetRules("87=40");
  t.Lay("Fila1: KH 5H | Fila2: 5S | Mazzo: 2C 3C");
  EXPECT_FALSE(t.Can("5H", "Dest1"));
  t.context.stockTurns = 18;  // 18 mod 13
  EXPECT_TRUE(t.Can("5S", "Dest1"));
  t.context.stockTurns = 26;  // a multiple of 13 calls the King
  t.Lay("Fila1: KH");
  EXPECT_TRUE(t.Can("KH", "Dest1"));
  t.Lay("Mazzo: 2C");  // the last card of stock and waste goes anywhere
  t.context.stockTurns = 3;
  EXPECT_TRUE(t.Can("5S", "Dest1"));
}

TEST(BuildCodes, SpecialCodesFortyOneToSixty) {
  ExpectPlacements({
      {"Dest1: QH | Fila1: AH", "87=41", "AH", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H", "87=41", "6H", "Dest1", false},
      {"Fila1: 3H", "55=3 87=41", "3H", "Dest1", true},
      {"Dest2: 3H | Fila1: 3H'", "55=3 87=41", "3H'", "Dest1", false},
      {"Dest1: 5H | Fila1: 6H", "87=42 374=8", "6H", "Dest1", true},
      {"Dest1: QH | Fila1: KH", "87=42 374=8", "KH", "Dest1", false},
      {"Dest1: QH | Dest7: KS | Fila1: KH", "87=42 374=8", "KH", "Dest1", true},
      {"Dest1: 5H | Fila1: 7H", "87=43", "7H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H", "87=43", "6H", "Dest1", false},
      {"Dest1: 5H | Fila1: 6S", "87=44", "6S", "Dest1", true},
      {"Dest1: QH | Fila1: KS", "87=44", "KS", "Dest1", false},
      {"Fila1: 9S | Fila2: 5H", "215=45", "5H", "Fila1", true},
      {"Fila1: 10S 9S | Fila2: 8H", "215=45", "8H", "Fila1", true},
      {"Fila1: 10S 9S | Fila2: 5H", "215=45", "5H", "Fila1", false},
      {"Fila1: 9S | Fila2: KH", "215=45", "KH", "Fila1", false},
      {"Dest1: 5H | Fila1: 6S", "87=46", "6S", "Dest1", true},
      {"Dest1: JH | Fila1: QS", "87=46", "QS", "Dest1", false},
      {"Fila1: 4H", "55=4 87=46", "4H", "Dest1", true},
      {"Fila1: 5H", "55=4 87=46", "5H", "Dest1", false},
      {"Dest1: 5H | Fila1: 9S | Mazzo_Vis: 6S", "87=49", "6S", "Dest1", true},
      {"Dest1: 5H | Mazzo_Vis: 6S", "87=49", "6S", "Dest1", false},
      {"Dest1: 5H | Fila1: 9S | Mazzo_Vis: 6S", "87=51", "6S", "Dest1", true},
      {"Dest1: 5H | Fila1: 9S | Mazzo_Vis: 6H", "87=51", "6H", "Dest1", false},
      {"Dest1: 5H | Fila1: 4S", "87=47", "4S", "Dest1", true},
      {"Dest1: KH | Fila1: QS", "87=47", "QS", "Dest1", false},
      {"Dest1: AH | Fila1: KS", "87=47", "KS", "Dest1", true},
      {"Fila1: 9S | Mazzo_Vis: 5H", "374=9 63=5 95=50", "5H", "Dest9", true},
      {"Mazzo_Vis: 5H", "374=9 63=5 95=50", "5H", "Dest9", false},
      {"Fila1: 9S | Mazzo_Vis: 5S", "374=9 63=5 95=52", "5S", "Dest9", true},
      {"Fila1: 9S | Mazzo_Vis: 5H", "374=9 63=5 95=52", "5H", "Dest9", false},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH | Fila1: AS", "56=1 88=53", "AS", "Dest2", true},
      {"Dest1: AH | Fila1: AS", "56=1 88=53", "AS", "Dest2", false},
      {"Dest1: 5H | Fila1: 6S", "87=53", "6S", "Dest1", true},
      {"Fila1: 9S | Fila2: 8H", "215=54", "8H", "Fila1", true},
      {"Fila1: AS | Fila2: KH", "215=54", "KH", "Fila1", false},
      {"Fila1: AS | Fila2: KH", "215=54 255=1", "KH", "Fila1", true},
      {"Mazzo_Vis: KH", "215=54 135=13", "KH", "Fila1", true},
      {"Fila2: KH", "215=54 135=13", "KH", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 10C", "215=55", "10C", "Fila1", true},
      {"Fila1: 9S | Fila2: 10C", "215=55", "10C", "Fila1", true},
      {"Fila1: 9S | Fila2: 10C | Mazzo_Vis: 2H", "215=55", "10C", "Fila1", false},
      {"Fila1: 9S | Fila2: 10H", "215=55", "10H", "Fila1", false},
      {"Fila1: 9S | Fila2: 9H", "215=56", "9H", "Fila1", true},
      {"Fila1: 9H | Fila2: 9S", "215=56 216=56", "9H", "Fila2", false},
      {"Fila2: 9H", "215=56 135=-1", "9H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H", "215=57", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H | Mazzo: 2C", "215=57", "8H", "Fila1", false},
  });
}

TEST(BuildCodes, SpecialCodesFiftyEightToSeventyNine) {
  ExpectPlacements({
      {"Fila1: AH", "87=58", "AH", "Dest1", true},
      {"Fila1: 2H", "87=58", "2H", "Dest1", false},
      {"Fila1: KH", "89=58", "KH", "Dest3", true},
      {"Fila1: AH", "89=58", "AH", "Dest3", false},
      {"Dest2: AS | Fila1: AH", "87=64", "AH", "Dest1", false},  // the Aces share a colour
      {"Dest2: AS | Fila1: AC", "87=64", "AC", "Dest1", true},
      {"Dest3: KH | Fila1: AH", "87=58", "AH", "Dest1", false},  // the Kings take the other colour
      {"Mazzo: 2C | Fila5: AH", "87=58", "AH", "Dest1", true},   // pile 4 feeds foundation 0
      {"Mazzo: 2C | Fila6: AH", "87=58", "AH", "Dest1", false},
      {"Dest1: AH | Fila1: 2H", "71=1 87=58", "2H", "Dest1", true},
      {"Dest1: AH | Fila1: 2H", "71=0 87=58", "2H", "Dest1", false},
      {"Dest1: 9H | Fila1: 8H", "87=62", "8H", "Dest1", true},
      {"Dest1: 9H | Fila1: 8S", "87=62", "8S", "Dest1", false},
      {"Dest1: KH | Fila1: QH", "87=62", "QH", "Dest1", false},
      {"Fila1: AH | Mazzo_Vis: JH", "55=11 87=62", "JH", "Dest1", true},
      {"Fila1: AS | Mazzo_Vis: JH", "55=11 87=62", "JH", "Dest1", false},
      {"Fila5: 9S | Fila6: 8S", "219=63", "8S", "Fila5", true},
      {"Fila5: 9S | Fila1: 8S", "219=63", "8S", "Fila5", false},  // the first four piles keep to their side
      {"Fila5: 9S | Fila6: 8H", "219=63", "8H", "Fila5", false},
      {"Mazzo_Vis: 5H", "215=67", "5H", "Fila1", true},
      {"Fila2: 5H", "215=67", "5H", "Fila1", false},
      {"Fila1: KS | Fila2: AH", "215=68", "AH", "Fila1", true},
      {"Fila1: 9S | Fila2: 7H", "215=68", "7H", "Fila1", false},
      {"Fila2: 7H", "215=68 135=-1", "7H", "Fila1", false},
      {"Fila2: 5H", "215=69", "5H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "215=69", "8H", "Fila1", false},
      // A grid three piles wide: 0 1 2 / 3 4 5 / 6 7 8.
      {"Fila4: 5H", "375=9 30=3 219=70", "5H", "Fila5", true},
      {"Fila2: 5H", "375=9 30=3 219=70", "5H", "Fila5", true},
      {"Fila3: 5H", "375=9 30=3 219=70", "5H", "Fila5", false},
      {"Fila6: 5H | Fila5: 2C", "375=9 30=3 218=71", "5H", "Fila4", true},
      {"Fila6: 5H", "375=9 30=3 218=71", "5H", "Fila4", false},
      {"Fila8: 5H | Fila5: 2C", "375=9 30=3 216=71", "5H", "Fila2", true},
      {"Fila1: AH", "87=73", "AH", "Dest1", true},
      {"Fila1: 2S", "88=73", "2S", "Dest2", true},
      {"Fila1: 3S", "88=73", "3S", "Dest2", false},
      {"Fila1: 9S | Fila2: 5H", "215=76", "5H", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "215=76", "10H", "Fila1", false},
      {"Dest1: AH AS AD | Fila1: AC", "87=77", "AC", "Dest1", true},
      {"Dest1: AH AS AD AC | Fila1: 2H", "87=77", "2H", "Dest1", true},
      {"Dest1: AH AS AD AC | Fila1: AH'", "87=77", "AH'", "Dest1", false},
      {"Dest1: KH | Fila1: AS", "87=78", "AS", "Dest1", true},
      {"Dest1: 5H | Fila1: 6S", "87=78", "6S", "Dest1", false},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH | Appogg1: KH", "87=79", "KH", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH | Mazzo_Vis: KH", "87=79", "KH", "Dest1", false},
      {"Dest1: AH 2H | Appogg1: 3H", "87=79", "3H", "Dest1", false},
      {"Dest1: AH 2H | Mazzo_Vis: 3S", "87=79", "3S", "Dest1", true},
  });
}

TEST(BuildCodes, JokerFoundations) {
  ExpectPlacements({
      {"Fila1: JK1", "55=-2 87=72", "JK1", "Dest1", false},
      {"Fila1: JK1", "55=-2 87=75", "JK1", "Dest1", true},
      {"Dest1: 5H | Fila1: JK1", "55=-2 87=72", "JK1", "Dest1", true},
      {"Fila1: 5H", "55=-2 87=72", "5H", "Dest1", true},  // nothing learned yet
      {"Fila1: 5H", "55=5 87=72", "5H", "Dest1", true},
      {"Fila1: 6H", "55=5 87=72", "6H", "Dest1", false},
      {"Dest2: 7S | Fila1: 6H", "55=-2 56=-2 87=72", "6H", "Dest1", false},  // learned from foundation 2
      {"Dest1: JK1 | Fila1: 6H", "55=5 87=72", "6H", "Dest1", true},
      {"Dest1: JK1 | Fila1: 7H", "55=5 87=72", "7H", "Dest1", false},
      {"Dest1: 5H JK1 | Fila1: 7H", "55=5 87=72", "7H", "Dest1", true},
      {"Dest1: 5H JK1 | Fila1: 7S", "55=5 87=72", "7S", "Dest1", false},
      {"Dest1: 5H | Fila1: 6H", "55=5 87=72", "6H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6S", "55=5 87=72", "6S", "Dest1", false},
      {"Dest2: 9H | Fila1: 5H", "55=5 87=72", "5H", "Dest1", false},  // four foundations, four suits
  });
}

TEST(BuildCodes, SpecialCodesEightyToHundred) {
  ExpectPlacements({
      {"Fila1: 9S | Mazzo_Vis: 10S", "215=80", "10S", "Fila1", true},
      {"Fila1: 9S | Mazzo_Vis: 10H", "215=80", "10H", "Fila1", false},
      {"Fila1: 9S | Fila2: 10S", "215=80", "10S", "Fila1", false},
      {"Fila1: KS | Appogg1: AS", "215=81", "AS", "Fila1", true},
      {"Fila1: KS | Fila2: AS", "215=81", "AS", "Fila1", false},
      {"Fila1: AH", "55=1 71=1 87=82", "AH", "Dest1", true},
      {"Fila1: AH | Mazzo: 2C", "55=1 71=1 87=82", "AH", "Dest1", false},
      {"Dest2: 3H | Fila1: AH'", "55=1 71=1 87=82", "AH'", "Dest1", false},
      {"Dest1: 2H | Fila1: AS", "87=83", "AS", "Dest1", true},
      {"Dest1: AH | Fila1: KS", "87=83", "KS", "Dest1", false},  // the foundation rests at rank i + 1
      {"Dest2: 3H | Fila1: 2S", "88=83", "2S", "Dest2", true},
      {"Dest1: AH | Fila1: 2C", "87=86", "2C", "Dest1", true},
      {"Dest1: AH | Fila1: 2D", "87=86", "2D", "Dest1", false},
      {"Fila1: 2H", "87=86", "2H", "Dest1", false},
      {"Dest1: 5H | Fila1: 4C", "87=87", "4C", "Dest1", true},
      {"Dest1: 5H | Fila1: 4H", "87=87", "4H", "Dest1", false},
      {"Dest1: 5H | Fila1: 7S", "87=91", "7S", "Dest1", true},
      {"Dest1: 5H | Fila1: 8S", "87=91", "8S", "Dest1", false},
      {"Dest1: 5H | Dest2: 3C 5C | Fila1: 6S", "87=91", "6S", "Dest1", false},  // learned: two at a time
      {"Dest1: 5H | Dest2: QC AC | Fila1: 7S", "87=91", "7S", "Dest1", true},
      {"Fila1: AH", "87=92", "AH", "Dest1", true},
      {"Fila1: 2H", "87=92", "2H", "Dest1", false},
      {"Fila2: 5H", "215=93 135=5", "5H", "Fila1", true},
      {"Fila2: 6H", "215=93 135=5", "6H", "Fila1", false},
      {"Fila1: 5H | Fila2: 8H", "215=93 135=5", "8H", "Fila1", true},
      {"Fila1: 5H | Fila2: 8S", "215=93 135=5", "8S", "Fila1", false},
      {"Fila1: 7S | Fila2: 5D", "215=93 135=5 136=7", "5D", "Fila1", true},  // two misplaced cards swap
      {"Fila1: 7S | Fila2: 5D", "215=93 135=5 136=8", "5D", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 8H", "215=94", "8H", "Fila1", true},
      {"Fila1: 9S | Appogg1: 8H", "215=94", "8H", "Fila1", true},
      {"Fila1: 9S | Appogg1: 8H | Appogg2: 2C", "215=94", "8H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "215=94", "8S", "Fila1", false},
      {"Mazzo_Vis: 5H", "215=94", "5H", "Fila1", true},
      {"Mazzo_Vis: 5H | Appogg1: 2C", "215=94", "5H", "Fila1", false},
      {"Dest1: AH | Mazzo_Vis: 2H", "87=95", "2H", "Dest1", true},
      {"Mazzo_Vis: 2H", "87=95", "2H", "Dest1", false},
      {"Dest2: AH | Fila1: AS", "55=1 71=1 87=96", "AS", "Dest1", true},
      {"Dest2: AH | Fila1: AH'", "55=1 71=1 87=96", "AH'", "Dest1", false},
      {"Dest1: AH | Fila1: 2S", "55=1 71=1 87=96", "2S", "Dest1", false},
      {"Dest1: 3H | Dest5: 4S | Fila1: 7C", "374=8 91=97", "7C", "Dest5", true},
      {"Dest1: 3H | Dest5: 4S | Fila1: 8C", "374=8 91=97", "8C", "Dest5", false},
      {"Dest1: 3H | Fila1: 4C", "374=8 87=97", "4C", "Dest1", false},  // no partner before the first half
      {"Dest1: AH | Fila1: 7H", "87=98", "7H", "Dest1", true},
      {"Dest1: AH | Fila1: 7S", "87=98", "7S", "Dest1", false},
      {"Fila1: AH", "375=16 87=99", "AH", "Dest1", true},
      {"Fila1: AH | Fila9: 5C", "375=16 87=99", "AH", "Dest1", false},  // a gap in front of a full row
      {"Mazzo_Vis: AH", "375=16 87=99", "AH", "Dest1", false},
      {"Mazzo: 2C | Fila1: 6S | Fila9: 5H | Fila17: 3C", "375=24 27=3 28=8 215=100", "5H", "Fila1", true},
      {"Mazzo: 2C | Fila1: 6S | Fila9: 5H", "375=24 27=3 28=8 215=100", "5H", "Fila1", false},
      {"Mazzo: 2C | Fila1: 6S | Fila17: 5H | Fila25: 3C", "375=32 27=4 28=8 215=100", "5H", "Fila1", false},
  });
}

TEST(BuildCodes, SpecialCodesHundredOneToHundredTwenty) {
  ExpectPlacements({
      {"Mazzo_Vis: 5H", "375=10 219=101", "5H", "Fila5", true},
      {"Fila1: 9S | Mazzo_Vis: 5H", "375=10 219=101", "5H", "Fila5", false},
      {"Mazzo_Vis: 5H", "375=10 217=101", "5H", "Fila3", false},
      {"Fila2: 9S | Mazzo_Vis: 10S", "375=10 216=101", "10S", "Fila2", true},
      {"Fila1: 2C | Fila2: 9S | Mazzo_Vis: 10S", "375=10 216=101", "10S", "Fila2", false},
      {"Dest1: 5H | Mazzo_Vis: 6H", "87=102", "6H", "Dest1", true},
      {"Dest1: 5H | Mazzo_Vis: 4H", "87=102", "4H", "Dest1", true},
      {"Dest1: 5H | Dest2: 3C 4C | Mazzo_Vis: 4H", "87=102", "4H", "Dest1", false},
      {"Dest1: 5H | Mazzo_Vis: 6S", "87=102", "6S", "Dest1", false},
      {"Dest1: 5H | Fila1: 6H", "87=104", "6H", "Dest1", true},
      {"Dest1: QH | Fila1: KH", "87=104", "KH", "Dest1", false},
      {"Dest2: AH | Fila1: 2H", "88=104", "2H", "Dest2", false},
      {"Fila1: 9S | Fila2: 8S", "215=105", "8S", "Fila1", true},
      {"Fila2: 8S", "215=105", "8S", "Fila1", false},
      {"Dest1: 5H | Fila1: 7H", "87=106", "7H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H", "87=106", "6H", "Dest1", false},
      {"Fila1: 9S | Fila2: 10S", "215=108", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10S | Mazzo: 2C", "215=108", "10S", "Fila1", false},
      {"Dest1: 5H | Fila1: 6H", "375=16 87=109", "6H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H | Appogg1: 2C | Fila9: 3C", "375=16 87=109", "6H", "Dest1", false},
      {"Fila3: AH", "87=110", "AH", "Dest1", true},
      {"Mazzo_Vis: AH", "87=110", "AH", "Dest1", false},
      {"Dest1: AH | Fila1: 7H", "87=110", "7H", "Dest1", true},
      {"Dest1: AH | Fila2: 7H", "87=110", "7H", "Dest1", false},
      {"Dest1: 5H | Mazzo_Vis: 6H", "71=1 87=111", "6H", "Dest1", true},
      {"Dest1: 5H | Fila9: 6H", "375=16 71=1 87=111", "6H", "Dest1", false},
      {"Dest2: 9H | Mazzo_Vis: 5S", "55=5 87=111", "5S", "Dest1", true},
      {"Dest2: 9H | Mazzo_Vis: 5H", "55=5 87=111", "5H", "Dest1", false},
      {"Fila1: 9S | Fila2: 8S", "215=112", "8S", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "215=112", "8H", "Fila1", false},
      {"Fila9: 9S | Fila2: 8S", "375=16 223=112", "8S", "Fila9", false},
      {"Fila1: AH", "55=1 87=114", "AH", "Dest1", true},
      {"Appogg1: AH", "55=1 87=114", "AH", "Dest1", false},
      {"Fila14: 9S | Mazzo_Vis: 8H", "375=22 228=115", "8H", "Fila14", true},
      {"Fila14: 9S | Fila1: 8H", "375=22 228=115", "8H", "Fila14", false},
      {"Mazzo_Vis: 5H", "375=22 215=115", "5H", "Fila1", true},
      {"Fila1: 9S | Mazzo_Vis: 8H", "375=22 215=115", "8H", "Fila1", false},
      {"Fila4: 5H", "375=9 219=116", "5H", "Fila5", true},
      {"Fila3: 5H", "375=9 219=116", "5H", "Fila5", false},
      {"Fila6: AH", "375=9 87=117", "AH", "Dest1", true},
      {"Fila1: AH", "375=9 87=117", "AH", "Dest1", true},
      {"Fila1: AH | Fila4: 2C", "375=9 87=117", "AH", "Dest1", false},
      {"Dest1: 5H | Fila1: 6S", "87=118", "6S", "Dest1", true},
      {"Dest1: AH | Fila1: AS", "56=1 88=118", "AS", "Dest2", false},
      {"Dest1: AH | Fila1: KH", "374=9 95=120", "KH", "Dest9", true},
      {"Dest1: AH | Fila1: KS", "374=9 95=120", "KS", "Dest9", false},
  });
}

TEST(BuildCodes, SpecialCodesHundredTwentyOneToHundredFortyFour) {
  ExpectPlacements({
      {"Fila2: JH", "215=121", "JH", "Fila1", true},
      {"Fila2: QH", "215=121", "QH", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "215=121", "8S", "Fila1", true},
      {"Fila1: 5H", "87=122", "5H", "Dest1", true},
      {"Dest1: 5S | Fila1: 5H", "88=122", "5H", "Dest2", true},
      {"Dest1: 5S | Fila1: 5C", "88=122", "5C", "Dest2", false},
      {"Fila1: 5H", "55=5 87=123", "5H", "Dest1", true},  // entry 122 holds suit 0, hearts
      {"Fila1: 5S", "55=5 87=123", "5S", "Dest1", false},
      {"Dest1: 5S | Fila1: 5H", "55=5 87=123", "5H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H", "59=7 71=1 87=124", "6H", "Dest1", true},
      {"Dest1: 6H | Fila1: 7H", "59=7 71=1 87=124", "7H", "Dest1", false},
      {"Fila1: 7S", "374=5 59=7 91=124", "7S", "Dest5", true},
      {"Fila1: 8S", "374=5 59=7 91=124", "8S", "Dest5", false},
      {"Dest1: 5H | Fila1: 6H", "87=125", "6H", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH | Fila1: AH'", "87=125", "AH'", "Dest1", false},
      {"Fila1: 9S | Fila2: 9H", "215=126", "9H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "215=126", "8H", "Fila1", false},
      {"Fila1: AH", "87=127", "AH", "Dest1", true},
      {"Dest2: AH | Fila1: AH'", "87=127", "AH'", "Dest1", false},
      {"Fila1: AH", "90=128", "AH", "Dest4", true},
      {"Dest1: 5H | Fila1: AH", "90=128", "AH", "Dest4", false},
      {"Dest4: AH | Fila1: JH", "91=128 374=8", "JH", "Dest5", true},
      {"Dest4: AH | Fila1: JS", "91=128 374=8", "JS", "Dest5", false},
      {"Fila1: 9S", "55=9 87=128 374=8", "9S", "Dest1", true},
      {"Dest2: 9H | Dest3: 9D | Dest6: 9C | Fila1: 9S", "55=9 87=128 374=8", "9S", "Dest1", false},
      {"Fila1: 9S | Fila2: 8S", "215=129", "8S", "Fila1", true},
      {"Fila1: 9S | Fila2: 8S | Mazzo: 2C", "215=129", "8S", "Fila1", false},
      {"Fila5: 9S | Fila6: 8S", "375=9 219=130", "8S", "Fila5", true},
      {"Fila5: 9S | Fila1: 8S", "375=9 219=130", "8S", "Fila5", false},
      {"Mazzo_Vis: 5H", "215=130", "5H", "Fila1", true},
      {"Fila6: 5H", "215=130", "5H", "Fila1", false},
      {"Dest1: 5H | Fila2: 6H", "71=1 87=131", "6H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H | Fila3: 2C", "71=1 87=131", "6H", "Dest1", false},
      {"Dest1: 5H | Fila1: 6S", "87=132", "6S", "Dest1", true},
      {"Fila1: AH", "87=132", "AH", "Dest1", true},
      {"Dest1: AH | Fila1: AS", "88=132", "AS", "Dest2", false},
      {"Fila1: 9S | Fila2: 7H", "215=133", "7H", "Fila1", true},
      {"Fila1: AS | Fila2: QH", "215=133", "QH", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "215=133", "8H", "Fila1", false},
      {"Mazzo_Vis: 5H", "215=134", "5H", "Fila1", true},
      {"Fila3: 5H", "215=134", "5H", "Fila1", false},
      {"Fila2: 5H | Mazzo_Vis: 6S", "216=134", "6S", "Fila2", true},
      {"Fila1: 5H | Fila3: 4S", "215=134", "4S", "Fila1", false},
      {"Fila1: 5H | Fila5: 4S", "215=134", "4S", "Fila1", true},
      {"Fila1: AH", "87=135", "AH", "Dest1", true},
      {"Dest1: AH | Fila1: KS", "88=135", "KS", "Dest2", true},
      {"Dest1: AH | Fila1: KH", "88=135", "KH", "Dest2", false},
      {"Fila6: 5H", "375=9 219=136 139=-1", "5H", "Fila5", false},
      {"Fila6: 5H", "375=9 215=136 135=-1", "5H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "215=136", "8H", "Fila1", true},
      {"Fila1: 9S | Mazzo_Vis: 8H", "215=137", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "215=137", "8H", "Fila1", false},
      {"Fila1: AH", "87=138", "AH", "Dest1", true},
      {"Mazzo_Vis: AH", "87=138", "AH", "Dest1", false},
      {"Fila15: 5H", "375=26 215=139", "5H", "Fila1", true},
      {"Fila3: 5H", "375=26 216=139", "5H", "Fila2", false},
      {"Dest1: AH | Fila1: AS", "88=140", "AS", "Dest2", true},
      {"Dest1: AH | Fila1: AD", "88=140", "AD", "Dest2", false},
      {"Mazzo_Vis: 5H", "87=141", "5H", "Dest1", true},
      {"Mazzo_Vis: KH", "87=141", "KH", "Dest1", false},
      {"Mazzo_Vis: KH", "90=141", "KH", "Dest4", true},
      {"Mazzo_Vis: AH", "87=142", "AH", "Dest1", true},
      {"Fila1: 9S | Mazzo_Vis: AH", "87=142", "AH", "Dest1", false},
      {"Fila1: 9S | Appogg1: 8S", "215=143", "8S", "Fila1", true},
      {"Fila1: 9S | Appogg1: 8S | Appogg3: 2C", "215=143", "8S", "Fila1", false},
      {"Dest1: AH | Appogg1: 2H", "87=144", "2H", "Dest1", true},
      {"Dest1: AH | Appogg1: 2H | Appogg3: 2C", "87=144", "2H", "Dest1", false},
  });
}

TEST(BuildCodes, GridRulesNeedAWidth) {
  // A grid of no columns has no neighbours.
  ExpectPlacements({
      {"Fila4: 5H", "375=9 30=0 219=70", "5H", "Fila5", false},
      {"Fila6: 5H | Fila5: 2C", "375=9 30=0 218=71", "5H", "Fila4", false},
      {"Fila6: 5H | Fila5: 2C", "375=9 30=-3 218=71", "5H", "Fila4", false},
  });
}

}  // namespace
}  // namespace tablerun
