// Moving several cards at once: the group rule (slot 2), the group limit
// (slot 14) and the side-free test.
#include <gtest/gtest.h>

#include "support/legality_table.h"

namespace tablerun {
namespace {

using testing::CardCode;
using testing::TLegalityTable;

struct TGroupRow {
  const char* position;
  const char* slots;
  const char* card;
  int pileOrEmpty;  // the tableau pile judging the group; for the limit, 1 when the group goes to an empty pile
  bool allowed;
};

TEST(GroupRules, TheGroupRuleJudgesEveryPair) {
  for (const auto& [position, slots, card, pile, allowed] : std::initializer_list<TGroupRow>{
           {"Fila1: 9S 9H 2C", "group rule=0", "9S", 0, true},
           {"Fila1: 9S 8H 7C", "group rule=1 tableau build=3", "9S", 0, true},
           {"Fila1: 9S 8H 7H", "group rule=1 tableau build=3", "9S", 0, false},
           {"Fila1: 9S 8H 7H", "group rule=1 tableau build=3", "8H", 0, false},
           {"Fila1: 9S 8H 7C", "group rule=1 tableau build=3 tableau build[2]=0", "9S", 1,
            false},  // by the rules of the pile asked
           {"Fila1: 9S 8S 7S", "group rule=10 tableau build=2", "9S", 0, true},
           {"Fila1: 9S 8H", "group rule=10 tableau build=2", "9S", 0, false},
           {"Fila1: 9S 8S", "group rule=10 tableau direction=1", "9S", 0, false},  // the pile's direction still holds
           {"Fila1: 9S 8C", "group rule=11", "9S", 0, true},
           {"Fila1: 9S 8H", "group rule=11", "9S", 0, false},
           {"Fila1: 9S 8H", "group rule=12", "9S", 0, false},
           {"Fila1: 9S 8H", "group rule=99", "8H", 0, true},  // a single card always passes
           {"Fila1: 9S 8S", "group rule=99", "9S", 0, false},
           {"Fila1: 9S 8S", "group rule=1", "2C", 0, false},  // not on the table
           {"Fila1: 9S 8S", "group rule=1", "9S", 40, false},
       }) {
    TLegalityTable t;
    t.SetRules(slots);
    t.Lay(position);
    EXPECT_EQ(t.Legality().IsValidGroup(CardCode(card), pile), allowed) << card << " on " << position << " " << slots;
  }
  TLegalityTable t;
  t.SetRules("group rule=12");
  t.Lay("Fila1: 9S 8H");
  t.context.redealRound = 3;
  EXPECT_TRUE(t.Legality().IsValidGroup(CardCode("9S"), 0));
}

TEST(GroupRules, TheGroupLimitCountsFreePlaces) {
  // Two empty tableau piles (3 and 4) and one empty reserve.
  const char* spaces = "Fila1: 9S 8H 7S 6H | Fila2: 2C | Appogg2: 3C";
  const char* crowded = "Fila1: 9S 8H 7S | Fila2: 2C | Appogg2: 3C";
  for (const auto& [position, slots, card, toEmpty, allowed] : std::initializer_list<TGroupRow>{
           {spaces, "tableau piles=4 reserves=2 group limit=-5", "9S", 0, true},
           {spaces, "tableau piles=4 reserves=2 group limit=-5", "9S", 1, false},
           {spaces, "tableau piles=4 reserves=2 group limit=-5", "8H", 1, true},
           {crowded, "tableau piles=2 reserves=2 group limit=-5", "8H", 0,
            true},  // no empty pile: one more than the free cells
           {crowded, "tableau piles=2 reserves=2 group limit=-5", "9S", 0, false},
           {spaces, "tableau piles=4 reserves=2 group limit=-6", "9S", 0, false},
           {spaces, "tableau piles=4 reserves=2 group limit=-6", "8H", 0, true},
           {spaces, "tableau piles=4 reserves=2 group limit=-1", "9S", 1, true},
           {"Fila1: KS QH JC", "group limit=-12", "KS", 0, true},
           {"Fila1: KS QH JC", "group limit=-12", "QH", 0, false},
           {"Fila1: KS QH JC", "group limit=-12", "JC", 0, true},
           {"Fila1: 9S 8H 7S", "group limit=-13", "9S", 0, true},  // the whole pile
           {"Fila1: 9S 8H 7S", "group limit=-13", "8H", 0, false},
           {"Fila1: 9S 8H 7S", "group limit=-13", "7S", 0, true},
           {"Mazzo_Vis: 7S", "group limit=-13", "7S", 0, false},
           {"Fila3: 5H 4S | Fila1: 2C", "tableau piles=40 group limit=-15", "5H", 0, false},
           {"Fila3: 5H 4S", "tableau piles=40 group limit=-15", "5H", 0, true},
           {"Fila1: -- 5H 6H", "group limit=-16", "5H", 0, true},  // only holes before it
           {"Fila1: 2C 5H 6H", "group limit=-16", "5H", 0, false},
           {"Fila1: 2C 5H 6H", "group limit=-16", "2C", 0, true},
           {"Fila1: 2C 5H 6H -- --", "group limit=-16", "6H", 0, true},
           {"Fila1: 9S 8H", "group limit=-17", "8H", 0, true},
           {"Fila1: 9S 8H", "group limit=-3", "9S", 0, true},  // other negative values: the empty piles, at least 1
           {"Fila1: 9S 8H | Fila2: 2C | Fila3: 3C", "tableau piles=3 group limit=-3", "9S", 0, false},
           {"Fila1: 9S 8H | Fila2: 2C | Fila3: 3C", "tableau piles=3 group limit=-3", "8H", 0, true},
           {"Fila1: 9S 8H", "group limit=2", "9S", 0, true},
           {"Fila1: 9S 8H 7S", "group limit=2", "9S", 0, false},
           {"Fila1: 9S", "group limit=0", "9S", 0, false},
       }) {
    TLegalityTable t;
    t.SetRules(slots);
    t.Lay(position);
    EXPECT_EQ(t.Legality().GroupFitsLimit(CardCode(card), toEmpty == 1), allowed)
        << card << " on " << position << " " << slots << (toEmpty == 1 ? " to an empty pile" : "");
  }
}

TEST(GroupRules, AGroupToAnEmptyPileCountsThatPileOut) {
  TLegalityTable t;
  t.SetRules("tableau piles=4 reserves=2 group limit=-5 tableau build*4=3 tableau empty*4=-1 group rule=1");
  t.Lay("Fila1: 9S 8H 7S 6H | Fila2: 10H | Appogg2: 3C");
  EXPECT_TRUE(t.Can("9S", "Fila2"));   // onto a card: the lift has checked the limit
  EXPECT_FALSE(t.Can("9S", "Fila3"));  // 4 > 1 free cell + 2 empty piles
  EXPECT_TRUE(t.Can("8H", "Fila3"));
}

TEST(GroupRules, FreeAtTheSideOfItsRow) {
  const std::pair<const char*, bool> tableau[] = {
      {"Fila1: 5H", true},
      {"Fila4: 5H | Fila2: 2C", false},
      {"Fila4: 5H", true},
      {"Fila7: 5H | Fila10: 2C", false},
      {"Fila7: 5H | Fila6: 2C", true},
      {"Fila13: 5H | Fila11: 2C", false},
      {"Fila13: 5H | Fila1: 2C", true},
      {"Appogg3: 5H | Appogg1: 2C", false},
      {"Appogg3: 5H | Appogg4: 2C", true},
      {"Appogg7: 5H | Appogg10: 2C", false},
      {"Appogg11: 5H | Appogg10: 2C", true},
      {"Mazzo_Vis: 5H | Appogg1: 2C", true},
  };
  for (const auto& [position, free] : tableau) {
    TLegalityTable t;
    t.SetRules("tableau piles=40 reserves=12");
    t.Lay(position);
    EXPECT_EQ(t.Legality().IsFreeAtRowSide(CardCode("5H")), free) << position;
  }
}

}  // namespace
}  // namespace tablerun
