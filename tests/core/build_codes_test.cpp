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
      {"Fila1: 9S | Fila2: 8S", "tableau build=0", "8S", "Fila1", true},
      {"Fila1: 9S | Fila2: 8C", "tableau build=0", "8C", "Fila1", false},
      {"Fila1: 9S | Fila2: 8C", "tableau build=1", "8C", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=1", "8H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H", "tableau build=2", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 7H", "tableau build=2", "7H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H", "tableau build=3", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8C", "tableau build=3", "8C", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=6", "8S", "Fila1", false},
      {"Fila2: 8S", "tableau build=6 tableau empty=-1", "8S", "Fila1", true},  // the empty-pile rule still decides
  });
}

TEST(BuildCodes, DirectionWrapAndTheStopAtTheBaseRank) {
  ExpectPlacements({
      {"Fila1: 9S | Fila2: 10S", "tableau direction=1", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 8S", "tableau direction=1", "8S", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau direction=2", "8S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10S", "tableau direction=2", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10S", "tableau direction=3", "10S", "Fila1", false},
      // Up: nothing goes on a card of foundation 0's base rank without the wrap flag.
      {"Fila1: 9S | Fila2: 10H", "tableau direction=1 tableau build=2 foundation base=9", "10H", "Fila1", false},
      {"Fila1: 9S | Fila2: 10H", "tableau direction=1 tableau build=2 foundation base=9 tableau wrap=1", "10H", "Fila1",
       true},
      {"Fila1: 9S | Fila2: 10H", "tableau direction=1 tableau build=2 foundation base=9 tableau wrap=2", "10H", "Fila1",
       true},
      {"Fila1: KS | Fila2: AH", "tableau direction=1 tableau build=2", "AH", "Fila1", true},
      {"Fila1: KS | Fila2: AH", "tableau direction=1 tableau build=2 tableau wrap=2", "AH", "Fila1", false},
      // Down: the stop at the base rank, and at an Ace under the letters 'Q', 'R', 'S'.
      {"Fila1: AS | Fila2: KH", "tableau build=2 foundation base=1", "KH", "Fila1", false},
      {"Fila1: AS | Fila2: KH", "tableau build=2 foundation base=1 tableau wrap=1", "KH", "Fila1", true},
      {"Fila1: AS | Fila2: KH", "tableau build=2 foundation base=1 tableau wrap=2", "KH", "Fila1", false},
      {"Fila1: 2S | Fila2: AH", "tableau build=2 foundation base=1 tableau wrap=2", "AH", "Fila1", true},
      {"Fila1: 7S | Fila2: 6H", "tableau build=2 foundation base=7", "6H", "Fila1", false},
      {"Fila1: 7S | Fila2: 6H", "tableau build=2 foundation base=7 tableau wrap=1", "6H", "Fila1", true},
      {"Fila1: AS | Fila2: KH", "tableau build=2 foundation base='R'", "KH", "Fila1", false},
      {"Fila1: AS | Fila2: KH", "tableau build=2 foundation base=5", "KH", "Fila1", true},
      // Foundations: an Ace on a King only when the foundation started above the Ace.
      {"Dest1: AH 2H | Fila1: 3H", "foundation base=1 foundation direction=1", "3H", "Dest1", true},
      {"Dest1: AH 2H | Fila1: 3S", "foundation base=1 foundation direction=1", "3S", "Dest1", false},
      {"Dest1: QH KH | Fila1: AH'", "foundation base=1 foundation direction=1", "AH'", "Dest1", false},
      {"Dest1: QH KH | Fila1: AH'", "foundation base=7 foundation direction=1", "AH'", "Dest1", true},
      {"Dest1: 2H AH | Fila1: KH", "foundation base=13 foundation direction=0", "KH", "Dest1", false},
      {"Dest1: 2H AH | Fila1: KH", "foundation base=5 foundation direction=0", "KH", "Dest1", true},
  });
}

TEST(BuildCodes, EmptyPileRules) {
  ExpectPlacements({
      {"Fila2: 5H", "tableau empty=-1", "5H", "Fila1", true},
      {"Fila2: 5H", "tableau empty=0", "5H", "Fila1", false},
      {"Fila2: KH", "tableau empty=13", "KH", "Fila1", true},
      {"Fila2: QH", "tableau empty=13", "QH", "Fila1", false},
      {"Fila2: QH", "tableau empty=13 foundation base=-1", "QH", "Fila1",
       true},  // a foundation base of "any" opens every space
      {"Fila2: AH", "tableau empty='R'", "AH", "Fila1", false},
      {"Fila2: AH", "tableau empty='S'", "AH", "Fila1", false},
      {"Fila2: 5H", "tableau empty='V'", "5H", "Fila1", true},
      {"Fila2: 5H 4S", "tableau empty='V'", "5H", "Fila1", false},
      {"Mazzo_Vis: 5H", "tableau empty='W'", "5H", "Fila1", true},
      {"Appogg1: 5H", "tableau empty='W'", "5H", "Fila1", false},
      {"Appogg1: 5H", "tableau empty='X'", "5H", "Fila1", true},
      {"Fila2: 5H", "tableau empty='X'", "5H", "Fila1", false},
      {"Dest1: 5C | Dest2: 5D | Mazzo_Vis: 5H", "tableau empty='\\'", "5H", "Fila1", true},
      {"Dest1: 5C | Mazzo_Vis: 6H", "tableau empty='\\'", "6H", "Fila1", false},
      {"Mazzo_Vis: 6H", "tableau empty='\\'", "6H", "Fila1", true},
      {"Mazzo_Vis: 6H", "tableau empty=']'", "6H", "Fila1", false},
      {"Appogg1: 6H", "tableau empty=']'", "6H", "Fila1", true},
      {"Mazzo_Vis: 6H", "tableau empty='`'", "6H", "Fila1", true},
      {"Mazzo_Vis: 6H | Appogg2: 2C", "tableau empty='`'", "6H", "Fila1", false},
      {"Appogg1: 6H", "tableau empty='`'", "6H", "Fila1", true},
      {"Fila2: 6H", "tableau empty='`'", "6H", "Fila1", false},
      {"Fila2: 5H", "tableau empty=91", "5H", "Fila1", false},  // '[' is replaced at the deal
  });
}

TEST(BuildCodes, LetterGroupsBalanceColoursAndSuits) {
  // Four 'Q' foundations: Aces only, at most two of each colour.
  ExpectPlacements({
      {"Fila1: AH", "foundation base*4='Q'", "AH", "Dest1", true},
      {"Fila1: 2H", "foundation base*4='Q'", "2H", "Dest1", false},
      {"Dest2: AD | Dest3: AH' | Fila1: AH", "foundation base*4='Q'", "AH", "Dest1", false},
      {"Dest2: AD | Dest3: AS | Fila1: AH", "foundation base*4='Q'", "AH", "Dest1", true},
      {"Dest2: AH' | Fila1: AH", "foundation base*4='Q'", "AH", "Dest1", true},  // 'Q' lets a suit repeat
      {"Dest2: AH' | Fila1: AH", "foundation base*4='U'", "AH", "Dest1", false},
      {"Fila1: KS", "foundation base*4='T'", "KS", "Dest1", true},
      {"Fila1: QS", "foundation base*4='T'", "QS", "Dest1", false},
      {"Fila1: 2S", "foundation base*4='Z'", "2S", "Dest1", true},
      {"Fila1: AS", "foundation base*4='Z'", "AS", "Dest1", false},
      {"Fila1: AH", "foundation base='Q'", "AH", "Dest1", false},  // a group of one holds no colour
  });
}

TEST(BuildCodes, SpecialCodesFourToTwenty) {
  ExpectPlacements({
      {"Fila1: AH", "foundation base=1 foundation direction=1 foundation build=4", "AH", "Dest1", false},
      {"Fila1: AH", "foundation base=1 foundation build=5", "AH", "Dest1", true},
      {"Fila1: 2H", "foundation base=1 foundation build=5", "2H", "Dest1", false},
      {"Dest1: AH | Fila1: 3H", "foundation build=5", "3H", "Dest1", true},
      {"Dest1: AH | Fila1: 3S", "foundation build=5", "3S", "Dest1", false},
      {"Fila2: 5H", "tableau build=7", "5H", "Fila1", true},
      {"Fila2: 5H | Mazzo: 2C", "tableau build=7", "5H", "Fila1", false},
      {"Fila1: 6S | Fila2: 5H", "tableau build=7", "5H", "Fila1", false},
      {"Fila1: QH", "foundation build=10", "QH", "Dest1", true},
      {"Fila1: KH", "foundation build=10", "KH", "Dest1", false},
      {"Dest1: JH | Fila1: QH", "foundation build=10", "QH", "Dest1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=11", "8S", "Fila1", true},
      {"Fila1: KS | Fila2: QS", "tableau build=11", "QS", "Fila1", false},
      {"Fila1: JS | Fila2: QS", "tableau build=11 tableau direction=2", "QS", "Fila1", false},
      {"Fila1: 2H | Fila2: KS", "tableau build=12", "KS", "Fila1", true},
      {"Fila1: 5H | Fila2: 7S", "tableau build=14", "7S", "Fila1", true},
      {"Fila1: QH | Fila2: AS", "tableau build=14", "AS", "Fila1", true},
      {"Fila1: 5H | Fila2: 6S", "tableau build=14", "6S", "Fila1", false},
      {"Fila1: 5H | Fila2: 8C", "tableau build=15", "8C", "Fila1", true},
      {"Fila1: 5H | Fila2: 7C", "tableau build=15", "7C", "Fila1", false},
      {"Fila1: 5H | Fila2: 9C", "tableau build=16", "9C", "Fila1", true},
      {"Fila1: 5H | Fila2: 8C", "tableau build=16", "8C", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 2H", "tableau build=17", "2H", "Fila1", true},
      {"Fila1: 9S | Fila2: 2H", "tableau build=17", "2H", "Fila1", false},
      {"Fila2: 2H", "tableau build=18", "2H", "Fila1", true},
      {"Fila1: 9S | Fila2: 2H", "tableau build=18", "2H", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 2H", "tableau build=18", "2H", "Fila1", true},
      {"Fila1: 9S | Mazzo_Vis: 2H", "tableau build=19", "2H", "Fila1", true},
      {"Fila1: 9S | Appogg1: 2H", "tableau build=19", "2H", "Fila1", false},
      {"Dest1: 5H | Fila1: 6S", "foundation build=20", "6S", "Dest1", true},
      {"Dest1: 5H | Fila1: 7S", "foundation build=20", "7S", "Dest1", false},
      {"Fila1: AS", "foundation build=20", "AS", "Dest1", true},
      {"Fila1: 2S", "foundation build=20", "2S", "Dest1", false},
      {"Dest1: KH | Fila1: AC", "foundation build=20", "AC", "Dest1", true},
  });
}

TEST(BuildCodes, SpecialCodesTwentyOneToForty) {
  ExpectPlacements({
      {"Fila1: 9S | Fila2: 8H", "tableau build=21", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8S", "tableau build=21", "8S", "Fila1", false},
      {"Fila1: 9H | Mazzo_Vis: 5H", "foundation build=22", "5H", "Dest1", true},
      {"Fila1: 3H | Mazzo_Vis: 5H", "foundation build=22", "5H", "Dest1", false},
      {"Fila1: 9H | Mazzo_Vis: AH", "foundation build=22", "AH", "Dest1", false},
      {"Dest1: 5H | Fila1: 6H", "foundation build=23", "6H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H | Mazzo_Vis: 2C", "foundation build=23", "6H", "Dest1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=24", "8S", "Fila1", true},
      {"Fila1: KS | Fila2: QS", "tableau build=24", "QS", "Fila1", false},
      {"Fila1: QS | Fila2: KS", "tableau build=24 tableau direction=2", "KS", "Fila1", false},
      {"Dest1: 3H | Fila1: 5H", "foundation direction=1 foundation build=25", "5H", "Dest1", true},
      {"Dest1: 3H | Fila1: 4H", "foundation direction=1 foundation build=25", "4H", "Dest1", false},
      {"Fila1: AH", "foundation base=1 foundation direction=1 foundation build=25", "AH", "Dest1", true},
      {"Dest1: 5H | Fila1: 3H", "foundation direction=0 foundation build=25", "3H", "Dest1", true},
      {"Dest1: KH | Fila1: 2H", "foundation direction=1 foundation build=61", "2H", "Dest1", true},
      {"Dest1: KH | Fila1: 3H", "foundation direction=1 foundation build=61", "3H", "Dest1", false},
      {"Fila1: 9S | Fila2: 8H", "tableau build=26", "8H", "Fila1", true},
      {"Fila1: 3C 9S 10S | Fila2: 9H", "tableau build=26", "9H", "Fila1", false},
      {"Fila2: KH", "tableau build=26 tableau empty=13", "KH", "Fila1", true},
      {"Fila2: QH", "tableau build=26 tableau empty=13", "QH", "Fila1", false},
      {"Fila2: QH", "tableau build=26 tableau empty=-1", "QH", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=27", "8H", "Fila1", true},
      {"Fila1: 9S | Appogg1: 8H", "tableau build=27", "8H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8C", "tableau build=27", "8C", "Fila1", false},
      {"Fila1: 9S | Fila2: 10H", "tableau build=28", "10H", "Fila1", true},
      {"Fila1: 9S | Fila2: 7H", "tableau build=28", "7H", "Fila1", false},
      {"Fila1: AS | Fila2: KH", "tableau build=28", "KH", "Fila1", false},
      {"Fila2: 7H", "tableau build=28", "7H", "Fila1", true},
      {"Fila1: 9S | Fila2: 10S", "tableau build=60", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "tableau build=60", "10H", "Fila1", false},
      {"Fila1: AH", "foundation base*4='Q' foundation build=29", "AH", "Dest1", true},
      {"Fila1: 2H", "foundation base*4='Q' foundation build=29", "2H", "Dest1", false},
      {"Dest1: AH | Fila1: 2H", "foundation build=29", "2H", "Dest1", true},
      {"Dest1: AH | Fila1: 2S", "foundation build=29", "2S", "Dest1", false},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH | Fila1: KH'", "foundation build=29", "KH'", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH KH' | Fila1: QH'", "foundation build=29", "QH'", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH KH' | Fila1: AH'", "foundation build=29", "AH'", "Dest1", false},
      {"Fila1: 10S 9S | Fila2: 8S", "tableau build=30", "8S", "Fila1", true},
      {"Fila1: 10S 9S | Fila2: 10S'", "tableau build=30", "10S'", "Fila1", false},
      {"Fila1: 9S | Fila2: 10S", "tableau build=30", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "tableau build=30", "10H", "Fila1", false},
      {"Fila1: KS | Fila2: AS", "tableau build=30", "AS", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=31", "8S", "Fila1", true},
      {"Fila1: AS | Fila2: KS", "tableau build=31", "KS", "Fila1", false},
      {"Fila1: 9S | Fila2: 10S", "tableau build=32", "10S", "Fila1", true},
      {"Fila1: KS | Fila2: AS", "tableau build=32", "AS", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 2H", "tableau build=33", "2H", "Fila1", true},
      {"Fila1: 9S 8S | Mazzo_Vis: 2H", "tableau build=33", "2H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H", "tableau build=34", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "tableau build=34", "10H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H 7C", "tableau build=34", "8H", "Fila1", false},  // only single cards on a card
      {"Fila2: 8H 7C", "tableau build=34 tableau empty=-1", "8H", "Fila1", true},
      {"Fila1: KS | Fila2: AH", "tableau build=35", "AH", "Fila1", true},
      {"Fila1: 9S | Fila2: 7H", "tableau build=35", "7H", "Fila1", false},
      {"Fila1: 5H", "foundation base=5 foundation build=36", "5H", "Dest1", true},
      {"Fila1: 6H", "foundation base=5 foundation build=36", "6H", "Dest1", false},
      {"Fila1: 5H", "foundation base[2]=5 foundation build[2]=36", "5H", "Dest2", false},  // foundation 0 comes first
      {"Dest1: AH | Fila1: KS", "foundation build=36", "KS", "Dest1", true},
      {"Dest1: 3H | Fila1: 6S", "foundation build=37", "6S", "Dest1", true},
      {"Dest1: 7H | Fila1: AS", "foundation build=37", "AS", "Dest1", true},
      {"Dest1: 3H | Fila1: 5S", "foundation build=37", "5S", "Dest1", false},
      {"Fila1: KS | Fila2: 5H", "tableau build=38", "5H", "Fila1", true},
      {"Fila1: KS | Fila2: QH", "tableau build=38", "QH", "Fila1", false},
      {"Fila2: KH", "tableau build=38", "KH", "Fila1", true},
      {"Fila2: 5H", "tableau build=38", "5H", "Fila1", false},
      {"Fila1: 5H | Fila2: 6S", "tableau build=39", "6S", "Fila1", true},
      {"Fila1: JH | Fila2: QS", "tableau build=39", "QS", "Fila1", false},
      {"Fila2: AH", "tableau build=39", "AH", "Fila1", true},
      {"Fila2: 2H", "tableau build=39", "2H", "Fila1", false},
  });
}

TEST(BuildCodes, CodeFortyFollowsTheStockTurns) {
  TLegalityTable t;
  t.SetRules("foundation build=40");
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
      {"Dest1: QH | Fila1: AH", "foundation build=41", "AH", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H", "foundation build=41", "6H", "Dest1", false},
      {"Fila1: 3H", "foundation base=3 foundation build=41", "3H", "Dest1", true},
      {"Dest2: 3H | Fila1: 3H'", "foundation base=3 foundation build=41", "3H'", "Dest1", false},
      {"Dest1: 5H | Fila1: 6H", "foundation build=42 foundations=8", "6H", "Dest1", true},
      {"Dest1: QH | Fila1: KH", "foundation build=42 foundations=8", "KH", "Dest1", false},
      {"Dest1: QH | Dest7: KS | Fila1: KH", "foundation build=42 foundations=8", "KH", "Dest1", true},
      {"Dest1: 5H | Fila1: 7H", "foundation build=43", "7H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H", "foundation build=43", "6H", "Dest1", false},
      {"Dest1: 5H | Fila1: 6S", "foundation build=44", "6S", "Dest1", true},
      {"Dest1: QH | Fila1: KS", "foundation build=44", "KS", "Dest1", false},
      {"Fila1: 9S | Fila2: 5H", "tableau build=45", "5H", "Fila1", true},
      {"Fila1: 10S 9S | Fila2: 8H", "tableau build=45", "8H", "Fila1", true},
      {"Fila1: 10S 9S | Fila2: 5H", "tableau build=45", "5H", "Fila1", false},
      {"Fila1: 9S | Fila2: KH", "tableau build=45", "KH", "Fila1", false},
      {"Dest1: 5H | Fila1: 6S", "foundation build=46", "6S", "Dest1", true},
      {"Dest1: JH | Fila1: QS", "foundation build=46", "QS", "Dest1", false},
      {"Fila1: 4H", "foundation base=4 foundation build=46", "4H", "Dest1", true},
      {"Fila1: 5H", "foundation base=4 foundation build=46", "5H", "Dest1", false},
      {"Dest1: 5H | Fila1: 9S | Mazzo_Vis: 6S", "foundation build=49", "6S", "Dest1", true},
      {"Dest1: 5H | Mazzo_Vis: 6S", "foundation build=49", "6S", "Dest1", false},
      {"Dest1: 5H | Fila1: 9S | Mazzo_Vis: 6S", "foundation build=51", "6S", "Dest1", true},
      {"Dest1: 5H | Fila1: 9S | Mazzo_Vis: 6H", "foundation build=51", "6H", "Dest1", false},
      {"Dest1: 5H | Fila1: 4S", "foundation build=47", "4S", "Dest1", true},
      {"Dest1: KH | Fila1: QS", "foundation build=47", "QS", "Dest1", false},
      {"Dest1: AH | Fila1: KS", "foundation build=47", "KS", "Dest1", true},
      {"Fila1: 9S | Mazzo_Vis: 5H", "foundations=9 foundation base[9]=5 foundation build[9]=50", "5H", "Dest9", true},
      {"Mazzo_Vis: 5H", "foundations=9 foundation base[9]=5 foundation build[9]=50", "5H", "Dest9", false},
      {"Fila1: 9S | Mazzo_Vis: 5S", "foundations=9 foundation base[9]=5 foundation build[9]=52", "5S", "Dest9", true},
      {"Fila1: 9S | Mazzo_Vis: 5H", "foundations=9 foundation base[9]=5 foundation build[9]=52", "5H", "Dest9", false},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH | Fila1: AS", "foundation base[2]=1 foundation build[2]=53",
       "AS", "Dest2", true},
      {"Dest1: AH | Fila1: AS", "foundation base[2]=1 foundation build[2]=53", "AS", "Dest2", false},
      {"Dest1: 5H | Fila1: 6S", "foundation build=53", "6S", "Dest1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=54", "8H", "Fila1", true},
      {"Fila1: AS | Fila2: KH", "tableau build=54", "KH", "Fila1", false},
      {"Fila1: AS | Fila2: KH", "tableau build=54 tableau wrap=1", "KH", "Fila1", true},
      {"Mazzo_Vis: KH", "tableau build=54 tableau empty=13", "KH", "Fila1", true},
      {"Fila2: KH", "tableau build=54 tableau empty=13", "KH", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 10C", "tableau build=55", "10C", "Fila1", true},
      {"Fila1: 9S | Fila2: 10C", "tableau build=55", "10C", "Fila1", true},
      {"Fila1: 9S | Fila2: 10C | Mazzo_Vis: 2H", "tableau build=55", "10C", "Fila1", false},
      {"Fila1: 9S | Fila2: 10H", "tableau build=55", "10H", "Fila1", false},
      {"Fila1: 9S | Fila2: 9H", "tableau build=56", "9H", "Fila1", true},
      {"Fila1: 9H | Fila2: 9S", "tableau build=56 tableau build[2]=56", "9H", "Fila2", false},
      {"Fila2: 9H", "tableau build=56 tableau empty=-1", "9H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8H", "tableau build=57", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H | Mazzo: 2C", "tableau build=57", "8H", "Fila1", false},
  });
}

TEST(BuildCodes, SpecialCodesFiftyEightToSeventyNine) {
  ExpectPlacements({
      {"Fila1: AH", "foundation build=58", "AH", "Dest1", true},
      {"Fila1: 2H", "foundation build=58", "2H", "Dest1", false},
      {"Fila1: KH", "foundation build[3]=58", "KH", "Dest3", true},
      {"Fila1: AH", "foundation build[3]=58", "AH", "Dest3", false},
      {"Dest2: AS | Fila1: AH", "foundation build=64", "AH", "Dest1", false},  // the Aces share a colour
      {"Dest2: AS | Fila1: AC", "foundation build=64", "AC", "Dest1", true},
      {"Dest3: KH | Fila1: AH", "foundation build=58", "AH", "Dest1", false},  // the Kings take the other colour
      {"Mazzo: 2C | Fila5: AH", "foundation build=58", "AH", "Dest1", true},   // pile 4 feeds foundation 0
      {"Mazzo: 2C | Fila6: AH", "foundation build=58", "AH", "Dest1", false},
      {"Dest1: AH | Fila1: 2H", "foundation direction=1 foundation build=58", "2H", "Dest1", true},
      {"Dest1: AH | Fila1: 2H", "foundation direction=0 foundation build=58", "2H", "Dest1", false},
      {"Dest1: 9H | Fila1: 8H", "foundation build=62", "8H", "Dest1", true},
      {"Dest1: 9H | Fila1: 8S", "foundation build=62", "8S", "Dest1", false},
      {"Dest1: KH | Fila1: QH", "foundation build=62", "QH", "Dest1", false},
      {"Fila1: AH | Mazzo_Vis: JH", "foundation base=11 foundation build=62", "JH", "Dest1", true},
      {"Fila1: AS | Mazzo_Vis: JH", "foundation base=11 foundation build=62", "JH", "Dest1", false},
      {"Fila5: 9S | Fila6: 8S", "tableau build[5]=63", "8S", "Fila5", true},
      {"Fila5: 9S | Fila1: 8S", "tableau build[5]=63", "8S", "Fila5",
       false},  // the first four piles keep to their side
      {"Fila5: 9S | Fila6: 8H", "tableau build[5]=63", "8H", "Fila5", false},
      {"Mazzo_Vis: 5H", "tableau build=67", "5H", "Fila1", true},
      {"Fila2: 5H", "tableau build=67", "5H", "Fila1", false},
      {"Fila1: KS | Fila2: AH", "tableau build=68", "AH", "Fila1", true},
      {"Fila1: 9S | Fila2: 7H", "tableau build=68", "7H", "Fila1", false},
      {"Fila2: 7H", "tableau build=68 tableau empty=-1", "7H", "Fila1", false},
      {"Fila2: 5H", "tableau build=69", "5H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=69", "8H", "Fila1", false},
      // A grid three piles wide: 0 1 2 / 3 4 5 / 6 7 8.
      {"Fila4: 5H", "tableau piles=9 grid row width=3 tableau build[5]=70", "5H", "Fila5", true},
      {"Fila2: 5H", "tableau piles=9 grid row width=3 tableau build[5]=70", "5H", "Fila5", true},
      {"Fila3: 5H", "tableau piles=9 grid row width=3 tableau build[5]=70", "5H", "Fila5", false},
      {"Fila6: 5H | Fila5: 2C", "tableau piles=9 grid row width=3 tableau build[4]=71", "5H", "Fila4", true},
      {"Fila6: 5H", "tableau piles=9 grid row width=3 tableau build[4]=71", "5H", "Fila4", false},
      {"Fila8: 5H | Fila5: 2C", "tableau piles=9 grid row width=3 tableau build[2]=71", "5H", "Fila2", true},
      {"Fila1: AH", "foundation build=73", "AH", "Dest1", true},
      {"Fila1: 2S", "foundation build[2]=73", "2S", "Dest2", true},
      {"Fila1: 3S", "foundation build[2]=73", "3S", "Dest2", false},
      {"Fila1: 9S | Fila2: 5H", "tableau build=76", "5H", "Fila1", true},
      {"Fila1: 9S | Fila2: 10H", "tableau build=76", "10H", "Fila1", false},
      {"Dest1: AH AS AD | Fila1: AC", "foundation build=77", "AC", "Dest1", true},
      {"Dest1: AH AS AD AC | Fila1: 2H", "foundation build=77", "2H", "Dest1", true},
      {"Dest1: AH AS AD AC | Fila1: AH'", "foundation build=77", "AH'", "Dest1", false},
      {"Dest1: KH | Fila1: AS", "foundation build=78", "AS", "Dest1", true},
      {"Dest1: 5H | Fila1: 6S", "foundation build=78", "6S", "Dest1", false},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH | Appogg1: KH", "foundation build=79", "KH", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH | Mazzo_Vis: KH", "foundation build=79", "KH", "Dest1", false},
      {"Dest1: AH 2H | Appogg1: 3H", "foundation build=79", "3H", "Dest1", false},
      {"Dest1: AH 2H | Mazzo_Vis: 3S", "foundation build=79", "3S", "Dest1", true},
  });
}

TEST(BuildCodes, JokerFoundations) {
  ExpectPlacements({
      {"Fila1: JK1", "foundation base=-2 foundation build=72", "JK1", "Dest1", false},
      {"Fila1: JK1", "foundation base=-2 foundation build=75", "JK1", "Dest1", true},
      {"Dest1: 5H | Fila1: JK1", "foundation base=-2 foundation build=72", "JK1", "Dest1", true},
      {"Fila1: 5H", "foundation base=-2 foundation build=72", "5H", "Dest1", true},  // nothing learned yet
      {"Fila1: 5H", "foundation base=5 foundation build=72", "5H", "Dest1", true},
      {"Fila1: 6H", "foundation base=5 foundation build=72", "6H", "Dest1", false},
      {"Dest2: 7S | Fila1: 6H", "foundation base=-2 foundation base[2]=-2 foundation build=72", "6H", "Dest1",
       false},  // learned from foundation 2
      {"Dest1: JK1 | Fila1: 6H", "foundation base=5 foundation build=72", "6H", "Dest1", true},
      {"Dest1: JK1 | Fila1: 7H", "foundation base=5 foundation build=72", "7H", "Dest1", false},
      {"Dest1: 5H JK1 | Fila1: 7H", "foundation base=5 foundation build=72", "7H", "Dest1", true},
      {"Dest1: 5H JK1 | Fila1: 7S", "foundation base=5 foundation build=72", "7S", "Dest1", false},
      {"Dest1: 5H | Fila1: 6H", "foundation base=5 foundation build=72", "6H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6S", "foundation base=5 foundation build=72", "6S", "Dest1", false},
      {"Dest2: 9H | Fila1: 5H", "foundation base=5 foundation build=72", "5H", "Dest1",
       false},  // four foundations, four suits
  });
}

TEST(BuildCodes, SpecialCodesEightyToHundred) {
  ExpectPlacements({
      {"Fila1: 9S | Mazzo_Vis: 10S", "tableau build=80", "10S", "Fila1", true},
      {"Fila1: 9S | Mazzo_Vis: 10H", "tableau build=80", "10H", "Fila1", false},
      {"Fila1: 9S | Fila2: 10S", "tableau build=80", "10S", "Fila1", false},
      {"Fila1: KS | Appogg1: AS", "tableau build=81", "AS", "Fila1", true},
      {"Fila1: KS | Fila2: AS", "tableau build=81", "AS", "Fila1", false},
      {"Fila1: AH", "foundation base=1 foundation direction=1 foundation build=82", "AH", "Dest1", true},
      {"Fila1: AH | Mazzo: 2C", "foundation base=1 foundation direction=1 foundation build=82", "AH", "Dest1", false},
      {"Dest2: 3H | Fila1: AH'", "foundation base=1 foundation direction=1 foundation build=82", "AH'", "Dest1", false},
      {"Dest1: 2H | Fila1: AS", "foundation build=83", "AS", "Dest1", true},
      {"Dest1: AH | Fila1: KS", "foundation build=83", "KS", "Dest1", false},  // the foundation rests at rank i + 1
      {"Dest2: 3H | Fila1: 2S", "foundation build[2]=83", "2S", "Dest2", true},
      {"Dest1: AH | Fila1: 2C", "foundation build=86", "2C", "Dest1", true},
      {"Dest1: AH | Fila1: 2D", "foundation build=86", "2D", "Dest1", false},
      {"Fila1: 2H", "foundation build=86", "2H", "Dest1", false},
      {"Dest1: 5H | Fila1: 4C", "foundation build=87", "4C", "Dest1", true},
      {"Dest1: 5H | Fila1: 4H", "foundation build=87", "4H", "Dest1", false},
      {"Dest1: 5H | Fila1: 7S", "foundation build=91", "7S", "Dest1", true},
      {"Dest1: 5H | Fila1: 8S", "foundation build=91", "8S", "Dest1", false},
      {"Dest1: 5H | Dest2: 3C 5C | Fila1: 6S", "foundation build=91", "6S", "Dest1", false},  // learned: two at a time
      {"Dest1: 5H | Dest2: QC AC | Fila1: 7S", "foundation build=91", "7S", "Dest1", true},
      {"Fila1: AH", "foundation build=92", "AH", "Dest1", true},
      {"Fila1: 2H", "foundation build=92", "2H", "Dest1", false},
      {"Fila2: 5H", "tableau build=93 tableau empty=5", "5H", "Fila1", true},
      {"Fila2: 6H", "tableau build=93 tableau empty=5", "6H", "Fila1", false},
      {"Fila1: 5H | Fila2: 8H", "tableau build=93 tableau empty=5", "8H", "Fila1", true},
      {"Fila1: 5H | Fila2: 8S", "tableau build=93 tableau empty=5", "8S", "Fila1", false},
      {"Fila1: 7S | Fila2: 5D", "tableau build=93 tableau empty=5 tableau empty[2]=7", "5D", "Fila1",
       true},  // two misplaced cards swap
      {"Fila1: 7S | Fila2: 5D", "tableau build=93 tableau empty=5 tableau empty[2]=8", "5D", "Fila1", false},
      {"Fila1: 9S | Mazzo_Vis: 8H", "tableau build=94", "8H", "Fila1", true},
      {"Fila1: 9S | Appogg1: 8H", "tableau build=94", "8H", "Fila1", true},
      {"Fila1: 9S | Appogg1: 8H | Appogg2: 2C", "tableau build=94", "8H", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=94", "8S", "Fila1", false},
      {"Mazzo_Vis: 5H", "tableau build=94", "5H", "Fila1", true},
      {"Mazzo_Vis: 5H | Appogg1: 2C", "tableau build=94", "5H", "Fila1", false},
      {"Dest1: AH | Mazzo_Vis: 2H", "foundation build=95", "2H", "Dest1", true},
      {"Mazzo_Vis: 2H", "foundation build=95", "2H", "Dest1", false},
      {"Dest2: AH | Fila1: AS", "foundation base=1 foundation direction=1 foundation build=96", "AS", "Dest1", true},
      {"Dest2: AH | Fila1: AH'", "foundation base=1 foundation direction=1 foundation build=96", "AH'", "Dest1", false},
      {"Dest1: AH | Fila1: 2S", "foundation base=1 foundation direction=1 foundation build=96", "2S", "Dest1", false},
      {"Dest1: 3H | Dest5: 4S | Fila1: 7C", "foundations=8 foundation build[5]=97", "7C", "Dest5", true},
      {"Dest1: 3H | Dest5: 4S | Fila1: 8C", "foundations=8 foundation build[5]=97", "8C", "Dest5", false},
      {"Dest1: 3H | Fila1: 4C", "foundations=8 foundation build=97", "4C", "Dest1",
       false},  // no partner before the first half
      {"Dest1: AH | Fila1: 7H", "foundation build=98", "7H", "Dest1", true},
      {"Dest1: AH | Fila1: 7S", "foundation build=98", "7S", "Dest1", false},
      {"Fila1: AH", "tableau piles=16 foundation build=99", "AH", "Dest1", true},
      {"Fila1: AH | Fila9: 5C", "tableau piles=16 foundation build=99", "AH", "Dest1",
       false},  // a gap in front of a full row
      {"Mazzo_Vis: AH", "tableau piles=16 foundation build=99", "AH", "Dest1", false},
      {"Mazzo: 2C | Fila1: 6S | Fila9: 5H | Fila17: 3C",
       "tableau piles=24 release rows=3 release row piles=8 tableau build=100", "5H", "Fila1", true},
      {"Mazzo: 2C | Fila1: 6S | Fila9: 5H", "tableau piles=24 release rows=3 release row piles=8 tableau build=100",
       "5H", "Fila1", false},
      {"Mazzo: 2C | Fila1: 6S | Fila17: 5H | Fila25: 3C",
       "tableau piles=32 release rows=4 release row piles=8 tableau build=100", "5H", "Fila1", false},
  });
}

TEST(BuildCodes, SpecialCodesHundredOneToHundredTwenty) {
  ExpectPlacements({
      {"Mazzo_Vis: 5H", "tableau piles=10 tableau build[5]=101", "5H", "Fila5", true},
      {"Fila1: 9S | Mazzo_Vis: 5H", "tableau piles=10 tableau build[5]=101", "5H", "Fila5", false},
      {"Mazzo_Vis: 5H", "tableau piles=10 tableau build[3]=101", "5H", "Fila3", false},
      {"Fila2: 9S | Mazzo_Vis: 10S", "tableau piles=10 tableau build[2]=101", "10S", "Fila2", true},
      {"Fila1: 2C | Fila2: 9S | Mazzo_Vis: 10S", "tableau piles=10 tableau build[2]=101", "10S", "Fila2", false},
      {"Dest1: 5H | Mazzo_Vis: 6H", "foundation build=102", "6H", "Dest1", true},
      {"Dest1: 5H | Mazzo_Vis: 4H", "foundation build=102", "4H", "Dest1", true},
      {"Dest1: 5H | Dest2: 3C 4C | Mazzo_Vis: 4H", "foundation build=102", "4H", "Dest1", false},
      {"Dest1: 5H | Mazzo_Vis: 6S", "foundation build=102", "6S", "Dest1", false},
      {"Dest1: 5H | Fila1: 6H", "foundation build=104", "6H", "Dest1", true},
      {"Dest1: QH | Fila1: KH", "foundation build=104", "KH", "Dest1", false},
      {"Dest2: AH | Fila1: 2H", "foundation build[2]=104", "2H", "Dest2", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=105", "8S", "Fila1", true},
      {"Fila2: 8S", "tableau build=105", "8S", "Fila1", false},
      {"Dest1: 5H | Fila1: 7H", "foundation build=106", "7H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H", "foundation build=106", "6H", "Dest1", false},
      {"Fila1: 9S | Fila2: 10S", "tableau build=108", "10S", "Fila1", true},
      {"Fila1: 9S | Fila2: 10S | Mazzo: 2C", "tableau build=108", "10S", "Fila1", false},
      {"Dest1: 5H | Fila1: 6H", "tableau piles=16 foundation build=109", "6H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H | Appogg1: 2C | Fila9: 3C", "tableau piles=16 foundation build=109", "6H", "Dest1",
       false},
      {"Fila3: AH", "foundation build=110", "AH", "Dest1", true},
      {"Mazzo_Vis: AH", "foundation build=110", "AH", "Dest1", false},
      {"Dest1: AH | Fila1: 7H", "foundation build=110", "7H", "Dest1", true},
      {"Dest1: AH | Fila2: 7H", "foundation build=110", "7H", "Dest1", false},
      {"Dest1: 5H | Mazzo_Vis: 6H", "foundation direction=1 foundation build=111", "6H", "Dest1", true},
      {"Dest1: 5H | Fila9: 6H", "tableau piles=16 foundation direction=1 foundation build=111", "6H", "Dest1", false},
      {"Dest2: 9H | Mazzo_Vis: 5S", "foundation base=5 foundation build=111", "5S", "Dest1", true},
      {"Dest2: 9H | Mazzo_Vis: 5H", "foundation base=5 foundation build=111", "5H", "Dest1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=112", "8S", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=112", "8H", "Fila1", false},
      {"Fila9: 9S | Fila2: 8S", "tableau piles=16 tableau build[9]=112", "8S", "Fila9", false},
      {"Fila1: AH", "foundation base=1 foundation build=114", "AH", "Dest1", true},
      {"Appogg1: AH", "foundation base=1 foundation build=114", "AH", "Dest1", false},
      {"Fila14: 9S | Mazzo_Vis: 8H", "tableau piles=22 tableau build[14]=115", "8H", "Fila14", true},
      {"Fila14: 9S | Fila1: 8H", "tableau piles=22 tableau build[14]=115", "8H", "Fila14", false},
      {"Mazzo_Vis: 5H", "tableau piles=22 tableau build=115", "5H", "Fila1", true},
      {"Fila1: 9S | Mazzo_Vis: 8H", "tableau piles=22 tableau build=115", "8H", "Fila1", false},
      {"Fila4: 5H", "tableau piles=9 tableau build[5]=116", "5H", "Fila5", true},
      {"Fila3: 5H", "tableau piles=9 tableau build[5]=116", "5H", "Fila5", false},
      {"Fila6: AH", "tableau piles=9 foundation build=117", "AH", "Dest1", true},
      {"Fila1: AH", "tableau piles=9 foundation build=117", "AH", "Dest1", true},
      {"Fila1: AH | Fila4: 2C", "tableau piles=9 foundation build=117", "AH", "Dest1", false},
      {"Dest1: 5H | Fila1: 6S", "foundation build=118", "6S", "Dest1", true},
      {"Dest1: AH | Fila1: AS", "foundation base[2]=1 foundation build[2]=118", "AS", "Dest2", false},
      {"Dest1: AH | Fila1: KH", "foundations=9 foundation build[9]=120", "KH", "Dest9", true},
      {"Dest1: AH | Fila1: KS", "foundations=9 foundation build[9]=120", "KS", "Dest9", false},
  });
}

TEST(BuildCodes, SpecialCodesHundredTwentyOneToHundredFortyFour) {
  ExpectPlacements({
      {"Fila2: JH", "tableau build=121", "JH", "Fila1", true},
      {"Fila2: QH", "tableau build=121", "QH", "Fila1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=121", "8S", "Fila1", true},
      {"Fila1: 5H", "foundation build=122", "5H", "Dest1", true},
      {"Dest1: 5S | Fila1: 5H", "foundation build[2]=122", "5H", "Dest2", true},
      {"Dest1: 5S | Fila1: 5C", "foundation build[2]=122", "5C", "Dest2", false},
      {"Fila1: 5H", "foundation base=5 foundation build=123", "5H", "Dest1", true},  // entry 122 holds suit 0, hearts
      {"Fila1: 5S", "foundation base=5 foundation build=123", "5S", "Dest1", false},
      {"Dest1: 5S | Fila1: 5H", "foundation base=5 foundation build=123", "5H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H", "foundation base[5]=7 foundation direction=1 foundation build=124", "6H", "Dest1",
       true},
      {"Dest1: 6H | Fila1: 7H", "foundation base[5]=7 foundation direction=1 foundation build=124", "7H", "Dest1",
       false},
      {"Fila1: 7S", "foundations=5 foundation base[5]=7 foundation build[5]=124", "7S", "Dest5", true},
      {"Fila1: 8S", "foundations=5 foundation base[5]=7 foundation build[5]=124", "8S", "Dest5", false},
      {"Dest1: 5H | Fila1: 6H", "foundation build=125", "6H", "Dest1", true},
      {"Dest1: AH 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH | Fila1: AH'", "foundation build=125", "AH'", "Dest1", false},
      {"Fila1: 9S | Fila2: 9H", "tableau build=126", "9H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=126", "8H", "Fila1", false},
      {"Fila1: AH", "foundation build=127", "AH", "Dest1", true},
      {"Dest2: AH | Fila1: AH'", "foundation build=127", "AH'", "Dest1", false},
      {"Fila1: AH", "foundation build[4]=128", "AH", "Dest4", true},
      {"Dest1: 5H | Fila1: AH", "foundation build[4]=128", "AH", "Dest4", false},
      {"Dest4: AH | Fila1: JH", "foundation build[5]=128 foundations=8", "JH", "Dest5", true},
      {"Dest4: AH | Fila1: JS", "foundation build[5]=128 foundations=8", "JS", "Dest5", false},
      {"Fila1: 9S", "foundation base=9 foundation build=128 foundations=8", "9S", "Dest1", true},
      {"Dest2: 9H | Dest3: 9D | Dest6: 9C | Fila1: 9S", "foundation base=9 foundation build=128 foundations=8", "9S",
       "Dest1", false},
      {"Fila1: 9S | Fila2: 8S", "tableau build=129", "8S", "Fila1", true},
      {"Fila1: 9S | Fila2: 8S | Mazzo: 2C", "tableau build=129", "8S", "Fila1", false},
      {"Fila5: 9S | Fila6: 8S", "tableau piles=9 tableau build[5]=130", "8S", "Fila5", true},
      {"Fila5: 9S | Fila1: 8S", "tableau piles=9 tableau build[5]=130", "8S", "Fila5", false},
      {"Mazzo_Vis: 5H", "tableau build=130", "5H", "Fila1", true},
      {"Fila6: 5H", "tableau build=130", "5H", "Fila1", false},
      {"Dest1: 5H | Fila2: 6H", "foundation direction=1 foundation build=131", "6H", "Dest1", true},
      {"Dest1: 5H | Fila1: 6H | Fila3: 2C", "foundation direction=1 foundation build=131", "6H", "Dest1", false},
      {"Dest1: 5H | Fila1: 6S", "foundation build=132", "6S", "Dest1", true},
      {"Fila1: AH", "foundation build=132", "AH", "Dest1", true},
      {"Dest1: AH | Fila1: AS", "foundation build[2]=132", "AS", "Dest2", false},
      {"Fila1: 9S | Fila2: 7H", "tableau build=133", "7H", "Fila1", true},
      {"Fila1: AS | Fila2: QH", "tableau build=133", "QH", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=133", "8H", "Fila1", false},
      {"Mazzo_Vis: 5H", "tableau build=134", "5H", "Fila1", true},
      {"Fila3: 5H", "tableau build=134", "5H", "Fila1", false},
      {"Fila2: 5H | Mazzo_Vis: 6S", "tableau build[2]=134", "6S", "Fila2", true},
      {"Fila1: 5H | Fila3: 4S", "tableau build=134", "4S", "Fila1", false},
      {"Fila1: 5H | Fila5: 4S", "tableau build=134", "4S", "Fila1", true},
      {"Fila1: AH", "foundation build=135", "AH", "Dest1", true},
      {"Dest1: AH | Fila1: KS", "foundation build[2]=135", "KS", "Dest2", true},
      {"Dest1: AH | Fila1: KH", "foundation build[2]=135", "KH", "Dest2", false},
      {"Fila6: 5H", "tableau piles=9 tableau build[5]=136 tableau empty[5]=-1", "5H", "Fila5", false},
      {"Fila6: 5H", "tableau piles=9 tableau build=136 tableau empty=-1", "5H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=136", "8H", "Fila1", true},
      {"Fila1: 9S | Mazzo_Vis: 8H", "tableau build=137", "8H", "Fila1", true},
      {"Fila1: 9S | Fila2: 8H", "tableau build=137", "8H", "Fila1", false},
      {"Fila1: AH", "foundation build=138", "AH", "Dest1", true},
      {"Mazzo_Vis: AH", "foundation build=138", "AH", "Dest1", false},
      {"Fila15: 5H", "tableau piles=26 tableau build=139", "5H", "Fila1", true},
      {"Fila3: 5H", "tableau piles=26 tableau build[2]=139", "5H", "Fila2", false},
      {"Dest1: AH | Fila1: AS", "foundation build[2]=140", "AS", "Dest2", true},
      {"Dest1: AH | Fila1: AD", "foundation build[2]=140", "AD", "Dest2", false},
      {"Mazzo_Vis: 5H", "foundation build=141", "5H", "Dest1", true},
      {"Mazzo_Vis: KH", "foundation build=141", "KH", "Dest1", false},
      {"Mazzo_Vis: KH", "foundation build[4]=141", "KH", "Dest4", true},
      {"Mazzo_Vis: AH", "foundation build=142", "AH", "Dest1", true},
      {"Fila1: 9S | Mazzo_Vis: AH", "foundation build=142", "AH", "Dest1", false},
      {"Fila1: 9S | Appogg1: 8S", "tableau build=143", "8S", "Fila1", true},
      {"Fila1: 9S | Appogg1: 8S | Appogg3: 2C", "tableau build=143", "8S", "Fila1", false},
      {"Dest1: AH | Appogg1: 2H", "foundation build=144", "2H", "Dest1", true},
      {"Dest1: AH | Appogg1: 2H | Appogg3: 2C", "foundation build=144", "2H", "Dest1", false},
  });
}

TEST(BuildCodes, GridRulesNeedAWidth) {
  // A grid of no columns has no neighbours.
  ExpectPlacements({
      {"Fila4: 5H", "tableau piles=9 grid row width=0 tableau build[5]=70", "5H", "Fila5", false},
      {"Fila6: 5H | Fila5: 2C", "tableau piles=9 grid row width=0 tableau build[4]=71", "5H", "Fila4", false},
      {"Fila6: 5H | Fila5: 2C", "tableau piles=9 grid row width=-3 tableau build[4]=71", "5H", "Fila4", false},
  });
}

}  // namespace
}  // namespace tablerun
