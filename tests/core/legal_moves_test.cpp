// Positions of built-in games, with their rules as the games list gives them.
#include "engine/legality/legal_moves.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/built_in_games.h"
#include "support/legality_table.h"

namespace tablerun {
namespace {

using testing::TLegalityTable;

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kSpider = 3;

struct TGameRow {
  int game;
  const char* position;
  const char* card;
  const char* destination;
  bool allowed;
};

TEST(LegalMoves, PlacementsInBuiltInGames) {
  const char* threeCellsTaken =
      "Fila1: 9S 8H 7S 6H | Fila3: 2C | Fila4: 3C | Fila5: 4C | Fila6: 5C | Fila7: 6C | "
      "Appogg1: 2D | Appogg2: 3D | Appogg3: 4D";
  for (const auto& [game, position, card, destination, allowed] : std::initializer_list<TGameRow>{
           {kKlondike, "Fila1: #3C KS | Fila2: QH", "QH", "Fila1", true},
           {kKlondike, "Fila1: #3C KS | Fila2: QS", "QS", "Fila1", false},
           {kKlondike, "Fila1: #KS | Fila2: QH", "QH", "Fila1", false},
           {kKlondike, "Fila2: #5C KH", "KH", "Fila1", true},
           {kKlondike, "Fila2: #5C QH", "QH", "Fila1", false},
           {kKlondike, "Fila1: AS | Fila2: KH", "KH", "Fila1", false},
           {kKlondike, "Fila1: #3C KS | Fila2: #4C QH JC 10D", "QH", "Fila1", true},
           {kKlondike, "Fila1: #3C KS | Fila2: #4C QH JH", "QH", "Fila1", false},
           {kKlondike, "Mazzo_Vis: AH", "AH", "Dest1", true},
           {kKlondike, "Mazzo_Vis: 2H", "2H", "Dest1", false},
           {kKlondike, "Dest1: AH | Mazzo_Vis: 2H", "2H", "Dest1", true},
           {kKlondike, "Dest1: AH | Mazzo_Vis: 2S", "2S", "Dest1", false},
           {kKlondike, "Fila1: #3C KS | Mazzo_Vis: QH", "QH", "Appogg1", false},
           {kFreeCell, "Fila1: 9S | Fila2: 8H", "8H", "Fila1", true},
           {kFreeCell, "Fila1: 9S | Fila2: 8S", "8S", "Fila1", false},
           {kFreeCell, "Fila1: 9S", "9S", "Appogg1", true},
           {kFreeCell, "Fila1: 9S | Appogg1: 2C", "9S", "Appogg1", false},
           {kFreeCell, "Fila2: 5H", "5H", "Fila1", true},
           {kFreeCell, "Fila1: AS", "AS", "Dest3", true},
           {kFreeCell, threeCellsTaken, "9S", "Fila2", false},  // four cards, one cell and two spaces
           {kFreeCell, threeCellsTaken, "8H", "Fila2", true},
           {kSpider, "Fila1: 9S 8S 7S | Fila2: 10H", "9S", "Fila2", true},
           {kSpider, "Fila1: 9S 8H 7S | Fila2: 10H", "9S", "Fila2", false},  // a run of one suit only
           {kSpider, "Fila1: 9S 8H 7S | Fila2: 10H", "8H", "Fila2", false},
           {kSpider, "Fila1: 9S 8H 7S | Fila2: 8D", "7S", "Fila2", true},
           {kSpider, "Fila1: 9S 8S", "9S", "Fila2", true},
           {kSpider, "Fila1: KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S AS", "AS", "Dest1", false},
       }) {
    TLegalityTable t;
    testing::LoadBuiltInRules(t.rules, game);
    t.Lay(position);
    EXPECT_EQ(t.Can(card, destination), allowed)
        << "game " << game << ": " << card << " -> " << destination << " on " << position;
  }
}

std::vector<std::string> MovesOf(int game, const char* position) {
  TLegalityTable t;
  testing::LoadBuiltInRules(t.rules, game);
  t.Lay(position);
  std::vector<std::string> lines;
  for (const TCardMove& move : fnLegalMoves(t.table, t.rules, t.cards, t.context)) {
    EXPECT_EQ(move.card, t.Legality().View().CardAt(move.from, move.position));
    lines.push_back(fnPileName(move.from) + " " + std::to_string(move.position + 1) + " -> " + fnPileName(move.to));
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

TEST(LegalMoves, EveryMoveOfAKlondikePosition) {
  EXPECT_EQ(
      MovesOf(kKlondike,
              "Fila1: KS | Fila2: #3C QH | Fila3: #4D JC | Fila4: #9D 2D | Fila5: #8C 5S | "
              "Fila6: #7H 10S 9H | Fila7: #6H JD | Mazzo_Vis: AH | Mazzo: #5D"),
      (std::vector<std::string>{"Fila2 2 -> Fila1", "Fila3 2 -> Fila2", "Fila6 2 -> Fila7", "Mazzo_Vis 1 -> Dest1",
                                "Mazzo_Vis 1 -> Dest2", "Mazzo_Vis 1 -> Dest3", "Mazzo_Vis 1 -> Dest4"}));
}

TEST(LegalMoves, EveryMoveOfAFreeCellPosition) {
  // One free cell, no space: at most two cards move together.
  EXPECT_EQ(MovesOf(kFreeCell,
                    "Fila1: 9S 8H 7S 6H | Fila2: 10H | Fila3: 2C | Fila4: 3C | Fila5: 4C | Fila6: 5C | "
                    "Fila7: 6C | Fila8: AD | Appogg1: 2D | Appogg2: 3D | Appogg3: 4D"),
            (std::vector<std::string>{
                "Appogg1 1 -> Appogg4", "Appogg1 1 -> Fila4", "Appogg2 1 -> Appogg4", "Appogg2 1 -> Fila5",
                "Appogg3 1 -> Appogg4", "Appogg3 1 -> Fila6", "Fila1 4 -> Appogg4",   "Fila2 1 -> Appogg4",
                "Fila3 1 -> Appogg4",   "Fila4 1 -> Appogg4", "Fila5 1 -> Appogg4",   "Fila6 1 -> Appogg4",
                "Fila6 1 -> Fila1",     "Fila7 1 -> Appogg4", "Fila8 1 -> Appogg4",   "Fila8 1 -> Dest1",
                "Fila8 1 -> Dest2",     "Fila8 1 -> Dest3",   "Fila8 1 -> Dest4",     "Fila8 1 -> Fila3"}));
}

TEST(LegalMoves, EveryMoveOfASpiderPosition) {
  EXPECT_EQ(MovesOf(kSpider,
                    "Fila1: #5D 9S 8S 7S | Fila2: 10H | Fila3: 8D | Fila4: KC | Fila5: KD | Fila6: KH | "
                    "Fila7: KS' | Fila8: KC' | Fila9: KD' | Fila10: KH'"),
            (std::vector<std::string>{"Fila1 2 -> Fila2", "Fila1 4 -> Fila3"}));
}

}  // namespace
}  // namespace tablerun
