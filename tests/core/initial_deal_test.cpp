#include "engine/deal/initial_deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

#include "engine/state/table_view.h"
#include "model/card.h"
#include "support/game_state.h"
#include "support/table_text.h"

namespace tablerun {
namespace {

using testing::PileText;

// The deck of game number 1, index 0 first.
const std::vector<int> kDeckOfOne = {40, 4,  43, 39, 15, 6,  16, 45, 18, 35, 34, 7,  49, 11, 25, 24, 26, 27,
                                     46, 30, 48, 10, 12, 32, 21, 2,  41, 3,  42, 5,  14, 44, 17, 13, 33, 9,
                                     19, 23, 52, 22, 37, 38, 51, 28, 8,  29, 47, 31, 20, 50, 36, 1};

class InitialDeal : public ::testing::Test {
 protected:
  testing::TGameState game;
  TTablerunState& state = game.state;

  TTableView View() const { return TTableView(state.table, state.rules, state.cards); }
  std::vector<int> Cards(TPileRef pile) const {
    std::vector<int> cards;
    for (int at = 0; at < View().Count(pile); ++at) cards.push_back(View().CardAt(pile, at));
    return cards;
  }
  // "u" or "d" per position, "-" for a hole.
  std::string Faces(TPileRef pile) const {
    std::string faces;
    for (const int card : Cards(pile)) faces += card == 0 ? '-' : state.cards.fnIsCardFaceDown(card) ? 'd' : 'u';
    return faces;
  }
  std::vector<int> AllCards() const {
    std::vector<int> all;
    for (const auto group : {TPileGroup::Mazzo, TPileGroup::Dest, TPileGroup::Fila, TPileGroup::Appogg}) {
      for (int entry = 0; entry < fnPileGroupSize(group); ++entry) {
        for (const int card : Cards({group, entry})) {
          if (card > 0) all.push_back(card);
        }
      }
    }
    std::sort(all.begin(), all.end());
    return all;
  }
  void Deal(const std::map<TRuleSlot, int>& given) {
    game.SetRules(given);
    ASSERT_TRUE(fnInitialDeal(state));
  }
};

TEST_F(InitialDeal, StockThenSevenPilesWithTheirTopCardsUp) {
  std::map<TRuleSlot, int> given = {{rule::kStockDeal, 24}, {rule::kStockFace, 1}, {rule::kTableauPiles, 7}};
  for (int pile = 0; pile < 7; ++pile) {
    given[rule::kTableauDeal + pile] = pile + 1;
    given[rule::kTableauFaces + pile] = 1;
  }
  Deal(given);
  EXPECT_EQ(Cards(kMazzo), std::vector<int>(kDeckOfOne.begin(), kDeckOfOne.begin() + 24));
  EXPECT_EQ(Faces(kMazzo), std::string(24, 'd'));
  std::size_t next = 24;
  for (int pile = 0; pile < 7; ++pile) {
    const auto first = kDeckOfOne.begin() + static_cast<std::ptrdiff_t>(next);
    EXPECT_EQ(Cards(fnFila(pile)), std::vector<int>(first, first + pile + 1)) << "pile " << pile;
    EXPECT_EQ(Faces(fnFila(pile)), std::string(static_cast<std::size_t>(pile), 'd') + "u");
    next += static_cast<std::size_t>(pile) + 1;
  }
}

TEST_F(InitialDeal, FaceUpStockWhenSlotSevenIsZero) {
  Deal({{rule::kStockDeal, 52}, {rule::kStockFace, 0}});
  EXPECT_EQ(Faces(kMazzo), std::string(52, 'u'));
}

TEST_F(InitialDeal, AceStartersOnFoundationsSetTheirBaseRanks) {
  Deal({{rule::kFoundations, 4},
        {rule::kFoundationStarter, 93},
        {rule::kFoundationStarter + 1, 93},
        {rule::kFoundationStarter + 2, 93},
        {rule::kFoundationStarter + 3, 93},
        {rule::kFoundationBase, 7},
        {rule::kFoundationBase + 1, 7},
        {rule::kFoundationBase + 2, 7},
        {rule::kFoundationBase + 3, 7},
        {rule::kStockDeal, 48}});
  for (int f = 0; f < 4; ++f) {
    EXPECT_EQ(Cards(fnDest(f)), std::vector<int>{f * 13 + 1});
    EXPECT_EQ(state.rules.Get(rule::kFoundationBase + f), 1);
  }
  EXPECT_EQ(AllCards().size(), 52u);
}

TEST_F(InitialDeal, StarterCodes) {
  struct TCase {
    int code;
    int foundation;
    int card;
  };
  // The deck of game 1 begins 040 004 043 039 015 006 016 045 018: its first Five is 018; 040 + 3 × 13
  // wraps round the 52 cards to 027.
  for (const TCase& c :
       std::vector<TCase>{{5, 2, 31}, {20, 0, 40}, {55, 0, 18}, {91, 2, 27}, {95, 1, 26}, {95, 5, 14}, {107, 0, 7}}) {
    game.SetRules({{rule::kFoundations, 6}, {rule::kFoundationStarter + c.foundation, c.code}});
    ASSERT_TRUE(fnInitialDeal(state));
    EXPECT_EQ(Cards(fnDest(c.foundation)), std::vector<int>{c.card}) << "code " << c.code;
    EXPECT_EQ(state.rules.Get(rule::kFoundationBase + c.foundation), fnCardRank(c.card));
  }
}

TEST_F(InitialDeal, StartersChooseAmongFoundationsAlreadyStarted) {
  // 040 is the Ace of spades, 004 the Four of hearts: 043 (a Four) and 039 (a King) are passed over.
  Deal({{rule::kFoundations, 3},
        {rule::kFoundationStarter, 20},
        {rule::kFoundationStarter + 1, 21},
        {rule::kFoundationStarter + 2, 22}});
  EXPECT_EQ(Cards(fnDest(0)), std::vector<int>{40});
  EXPECT_EQ(Cards(fnDest(1)), std::vector<int>{4});
  EXPECT_EQ(Cards(fnDest(2)), std::vector<int>{15});
}

TEST_F(InitialDeal, AStarterTheDeckNoLongerHoldsPlacesNothing) {
  // Queens and Kings are filtered out, so the King starter finds no card.
  Deal({{rule::kDeckArrangement, 16},
        {rule::kFoundations, 2},
        {rule::kFoundationStarter, 95},
        {rule::kFoundationStarter + 1, 91},
        {rule::kFoundationBase, 9},
        {rule::kStockDeal, 52}});
  EXPECT_TRUE(Cards(fnDest(0)).empty());
  EXPECT_EQ(state.rules.Get(rule::kFoundationBase), 9);
  const std::vector<int> all = AllCards();
  EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());
  EXPECT_EQ(all.size(), 44u);
}

TEST_F(InitialDeal, KingOrBelowBaseBecomesTheRankBelowFoundationOne) {
  Deal({{rule::kFoundationBase, 1},
        {rule::kTableauEmpty, 91},
        {rule::kTableauEmpty + 1, 91},
        {rule::kTableauEmpty + 2, 5}});
  EXPECT_EQ(state.rules.Get(rule::kTableauEmpty), 13);
  EXPECT_EQ(state.rules.Get(rule::kTableauEmpty + 1), 13);
  EXPECT_EQ(state.rules.Get(rule::kTableauEmpty + 2), 5);
  Deal({{rule::kFoundationBase, 8}, {rule::kTableauEmpty, 91}});
  EXPECT_EQ(state.rules.Get(rule::kTableauEmpty), 7);
}

TEST_F(InitialDeal, DeckFiltersKeepOnlyTheirCards) {
  struct TCase {
    int filter;
    int piles;
    int cardsInPlay;
    std::size_t kept;
    std::function<bool(int)> allowed;
  };
  const std::vector<TCase> cases = {
      {16, 0, 52, 44, [](int c) { return fnCardRank(c) < 12; }},
      // The second phase of 21 then takes the Aces to the foundations.
      {21, 0, 52, 36, [](int c) { return fnCardRank(c) > 1 && fnCardRank(c) < 11; }},
      {9, 8, 52, 8, [](int c) { return c <= 8; }},
      {9, 16, 52, 16, [](int c) { return c <= 13 || (c >= 27 && c <= 29); }},
      {11, 5, 104, 5, [](int c) { return fnCardRank(c) <= 5; }},
      {14, 0, 52, 9, [](int c) { return fnCardSuit(c) == 3 && fnCardRank(c) <= 9; }},
      {12, 3, 104, 12, [](int c) { return c % 2 == 1; }},
      {12, 5, 104, 40, [](int) { return true; }},
  };
  for (const TCase& c : cases) {
    game.SetRules({{rule::kDeckArrangement, c.filter},
                   {rule::kTableauPiles, c.piles},
                   {rule::kCards, c.cardsInPlay},
                   {rule::kStockDeal, 200}});
    ASSERT_TRUE(fnInitialDeal(state));
    const std::vector<int> stock = Cards(kMazzo);
    EXPECT_EQ(stock.size(), c.kept) << "filter " << c.filter << " with " << c.piles << " piles";
    EXPECT_TRUE(std::all_of(stock.begin(), stock.end(), c.allowed)) << "filter " << c.filter;
    std::vector<int> ranks;
    for (const int card : stock) ranks.push_back(fnCardRank(card));
    if (c.filter == 11 || c.filter == 14) {
      std::sort(ranks.begin(), ranks.end());
      EXPECT_EQ(std::adjacent_find(ranks.begin(), ranks.end()), ranks.end()) << "filter " << c.filter;
    }
  }
}

TEST_F(InitialDeal, ArrangementsOfTheRemainingDeck) {
  struct TCase {
    int arrangement;
    TPileRef pile;
    std::string cards;
    std::string faces;
  };
  // Tableau piles of four cards each, from the deck of game 1; the rest stays in the deck.
  const std::vector<TCase> cases = {
      {15, fnFila(0), "040 004 043 000 000 000 000 000 000", "ddd------"},
      {15, fnFila(4), "000 027 046 030 000 000 000 000 000", "-ddu-----"},
      {8, fnFila(0), "000 004 043 039", "-ddu"},
      {8, fnFila(12), "019 023 052 022", "dddu"},
      {13, fnDest(1), "038", "u"},
      {20, fnDest(0), "039", "u"},
      {20, fnDest(1), "", ""},
      {6, fnFila(9), "036", "u"},
      {5, fnFila(0), "040 004 043 039 028", "ddduu"},
  };
  for (const TCase& c : cases) {
    std::map<TRuleSlot, int> given = {
        {rule::kDeckArrangement, c.arrangement}, {rule::kFoundations, 4}, {rule::kTableauPiles, 13}};
    for (int p = 0; p < 9; ++p) {
      given[rule::kTableauDeal + p] = 4;
      given[rule::kTableauFaces + p] = 1;
    }
    given[rule::kTableauDeal + 12] = 4;
    given[rule::kTableauFaces + 12] = 1;
    game.SetRules(given);
    ASSERT_TRUE(fnInitialDeal(state));
    EXPECT_EQ(PileText(state.table, fnPileName(c.pile)), c.cards) << "arrangement " << c.arrangement;
    EXPECT_EQ(Faces(c.pile), c.faces) << "arrangement " << c.arrangement;
  }
}

TEST_F(InitialDeal, ArrangementsKeepTheirPromise) {
  const auto tableau = [this](int piles) {
    std::vector<std::vector<int>> all;
    for (int p = 0; p < piles; ++p) all.push_back(Cards(fnFila(p)));
    return all;
  };
  struct TCase {
    int arrangement;
    std::map<TRuleSlot, int> given;
    std::function<void()> check;
  };
  const std::vector<TCase> cases = {
      {1,
       {{rule::kTableauPiles, 13}, {rule::kStockDeal, 10}},
       [&] {
         // Pile 7 is dealt 026, the King of diamonds; it goes under the stock.
         EXPECT_EQ(Cards(kMazzo).front(), 26);
         EXPECT_EQ(Faces(fnFila(6)), "u");
         for (const auto& pile : tableau(13)) {
           ASSERT_EQ(pile.size(), 1u);
           EXPECT_NE(fnCardRank(pile.front()), 13);
         }
         EXPECT_EQ(AllCards().size(), 23u);
       }},
      {2,
       {{rule::kTableauPiles, 4}},
       [&] {
         for (const auto& pile : tableau(4)) {
           ASSERT_FALSE(pile.empty());
           EXPECT_EQ(fnCardRank(pile.front()), 13);
           EXPECT_EQ(std::count_if(pile.begin(), pile.end(), [](int c) { return fnCardRank(c) == 13; }), 1);
         }
       }},
      {3,
       {{rule::kTableauPiles, 4},
        {rule::kTableauDeal, 6},
        {rule::kTableauDeal + 1, 6},
        {rule::kTableauDeal + 2, 6},
        {rule::kTableauDeal + 3, 6}},
       [&] {
         for (const auto& pile : tableau(4)) {
           EXPECT_EQ(pile.size(), 6u);
           std::vector<int> ranks;
           for (const int card : pile) {
             if (card > 0) ranks.push_back(fnCardRank(card));
           }
           std::sort(ranks.begin(), ranks.end());
           EXPECT_EQ(std::adjacent_find(ranks.begin(), ranks.end()), ranks.end());
         }
       }},
      {9,
       {{rule::kTableauPiles, 16}},
       [&] {
         // The first phase keeps codes 1–13 and 27–29; the pile that got 029 is emptied.
         const auto piles = tableau(16);
         EXPECT_EQ(std::count_if(piles.begin(), piles.end(), [](const auto& pile) { return pile.empty(); }), 1);
         EXPECT_EQ(AllCards().size(), 15u);
         for (const int card : AllCards()) EXPECT_NE(card, 29);
       }},
      {17,
       {{rule::kTableauPiles, 12}, {rule::kReserves, 1}},
       [&] {
         const auto piles = tableau(12);
         for (int p = 0; p < 12; ++p) {
           for (const int card : piles[static_cast<std::size_t>(p)]) EXPECT_NE(fnCardRank(card), p + 1);
         }
         for (const int card : Cards(fnAppogg(0))) EXPECT_NE(fnCardRank(card), 13);
         EXPECT_EQ(Faces(kMazzo), std::string(Cards(kMazzo).size(), 'd'));
         EXPECT_EQ(AllCards().size(), 52u);
       }},
      {18,
       {{rule::kTableauPiles, 16}},
       [&] {
         int sum = 0;
         for (const auto& pile : tableau(16)) {
           ASSERT_EQ(pile.size(), 1u);
           EXPECT_FALSE(fnIsFaceCard(pile.front()));
           sum += fnCardRank(pile.front());
         }
         EXPECT_EQ(state.mainGame.Get(entries::kFamilyScratch) + state.mainGame.Get((entries::kFamilyScratch + 1)) +
                       state.mainGame.Get((entries::kFamilyScratch + 2)) +
                       state.mainGame.Get((entries::kFamilyScratch + 3)),
                   sum);
       }},
      {19,
       {{rule::kTableauPiles, 10}},
       [&] {
         for (const auto& pile : tableau(10)) {
           ASSERT_EQ(pile.size(), 1u);
           EXPECT_LE(fnCardRank(pile.front()), 10);
         }
       }},
  };
  for (const TCase& c : cases) {
    std::map<TRuleSlot, int> given = c.given;
    given[rule::kDeckArrangement] = c.arrangement;
    if (c.arrangement == 1 || c.arrangement == 9) {
      for (int p = 0; p < given[rule::kTableauPiles]; ++p) given[rule::kTableauDeal + p] = 1;
    }
    game.SetRules(given);
    ASSERT_TRUE(fnInitialDeal(state));
    SCOPED_TRACE("arrangement " + std::to_string(c.arrangement));
    c.check();
  }
}

TEST_F(InitialDeal, FourRowsOfTwelveWithAHoleAfterTheSixth) {
  Deal({{rule::kDeckArrangement, 22}, {rule::kTableauPiles, 4}});
  for (int p = 0; p < 4; ++p) {
    EXPECT_EQ(Faces(fnFila(p)), "uuuuuu-uuuuuu");
    for (const int card : Cards(fnFila(p))) EXPECT_NE(fnCardRank(card), 1);
  }
}

TEST_F(InitialDeal, KingsGoToTheBottomOfTheirPiles) {
  // The first thirteen cards of game 1 hold one King, 039.
  Deal({{rule::kKingsToBottom, 1}, {rule::kTableauPiles, 1}, {rule::kTableauDeal, 13}, {rule::kTableauFaces, 1}});
  EXPECT_EQ(PileText(state.table, "Fila1"), "039 040 004 043 015 006 016 045 018 035 034 007 049");
}

TEST_F(InitialDeal, TableauPileOneAlternatesCardsAndHoles) {
  Deal(
      {{rule::kTableauArrangement, 8}, {rule::kTableauPiles, 2}, {rule::kTableauDeal, 3}, {rule::kTableauDeal + 1, 3}});
  EXPECT_EQ(PileText(state.table, "Fila1"), "040 000 004 000 043");
  EXPECT_EQ(PileText(state.table, "Fila2"), "039 015 006");
}

TEST_F(InitialDeal, SecondWasteCardAndWasteDeal) {
  Deal({{rule::kSecondWasteStarter, 152}, {rule::kWasteDeal, 3}, {rule::kSecondWasteDeal, 2}});
  EXPECT_EQ(PileText(state.table, "Mazzo_Waste"), "052 039 015");
  EXPECT_EQ(PileText(state.table, "Mazzo_Vis"), "040 004 043");
  EXPECT_EQ(Faces(kMazzoVis), "uuu");
  EXPECT_EQ(Faces(kMazzoWaste), "uuu");
}

TEST_F(InitialDeal, FoundationStartModes) {
  // The first card left after one card to the stock is 004 (a Four of hearts).
  struct TCase {
    int mode;
    std::vector<int> baseRanks;  // foundations 1–9
  };
  const std::vector<TCase> cases = {
      {1, {4, 4, 4, 4, 4, 4, 4, 4, 4}},
      {4, {0, 4, 4, 4, 5, 5, 5, 5, 0}},
      {6, {4, 3, 2, 1, 13, 12, 11, 10, 9}},
      // Rule slot 59 is foundation 5's base rank as well.
      {8, {5, 5, 5, 5, 4, 3, 3, 3, 3}},
  };
  for (const TCase& c : cases) {
    game.SetRules({{rule::kFoundationStartMode, c.mode}, {rule::kFoundations, 9}, {rule::kStockDeal, 1}});
    ASSERT_TRUE(fnInitialDeal(state));
    for (int f = 0; f < 9; ++f)
      EXPECT_EQ(state.rules.Get(rule::kFoundationBase + f), c.baseRanks[static_cast<std::size_t>(f)])
          << "mode " << c.mode << " foundation " << f;
    EXPECT_EQ(Cards(fnDest(c.mode == 8 ? 4 : 0)), std::vector<int>{4}) << "mode " << c.mode;
  }
  // Mode 5 starts before the stock takes its card: the deck's first card, an
  // Ace (040), and every other Ace in deck order, one to each next foundation.
  game.SetRules({{rule::kFoundationStartMode, 5}, {rule::kFoundations, 9}, {rule::kStockDeal, 1}});
  ASSERT_TRUE(fnInitialDeal(state));
  std::vector<std::vector<int>> started;
  for (int f = 0; f < 5; ++f) started.push_back(Cards(fnDest(f)));
  EXPECT_EQ(started, (std::vector<std::vector<int>>{{40}, {27}, {14}, {1}, {}}));
  for (int f = 0; f < 16; ++f) EXPECT_EQ(state.rules.Get(rule::kFoundationBase + f), 1) << "foundation " << f;
}

TEST_F(InitialDeal, DealtCardsPlayToTheFoundationsPileByPile) {
  std::map<TRuleSlot, int> given = {{rule::kFoundations, 4},
                                    {rule::kTableauPiles, 13},
                                    {rule::kStarterPlayByPile, 1},
                                    {rule::kFoundationCapacity, 13}};
  for (int f = 0; f < 4; ++f) {
    given[rule::kFoundationBase + f] = 1;
    given[rule::kFoundationDirection + f] = 1;
    given[rule::kFoundationStarter + f] = 93;
    given[rule::kFoundationSize + f] = 13;
  }
  for (int p = 0; p < 12; ++p) {
    given[rule::kTableauDeal + p] = 4;
    given[rule::kTableauFaces + p] = 1;
  }
  Deal(given);
  for (int f = 0; f < 4; ++f) {
    const std::vector<int> run = Cards(fnDest(f));
    ASSERT_FALSE(run.empty());
    for (std::size_t at = 0; at < run.size(); ++at) EXPECT_EQ(run[at], f * 13 + static_cast<int>(at) + 1);
  }
  // The Two and Three of hearts lie in the dealt piles and follow the Ace.
  EXPECT_GE(Cards(fnDest(0)).size(), 3u);
  EXPECT_EQ(AllCards().size(), 52u);
}

TEST_F(InitialDeal, AcesReplacedFromTheStock) {
  std::map<TRuleSlot, int> given = {{rule::kFoundations, 4},
                                    {rule::kTableauPiles, 13},
                                    {rule::kFoundationStarter, 96},
                                    {rule::kStockDeal, 10},
                                    {rule::kFoundationCapacity, 13}};
  for (int f = 0; f < 4; ++f) {
    given[rule::kFoundationBase + f] = 1;
    given[rule::kFoundationDirection + f] = 1;
  }
  for (int p = 0; p < 13; ++p) given[rule::kTableauDeal + p] = 3;
  Deal(given);
  int aces = 0;
  for (int f = 0; f < 4; ++f) aces += static_cast<int>(Cards(fnDest(f)).size());
  for (int p = 0; p < 13; ++p) {
    for (const int card : Cards(fnFila(p))) EXPECT_NE(fnCardRank(card), 1) << "pile " << p;
  }
  // Every Ace dealt to the tableau took a stock card in its place.
  EXPECT_GT(aces, 0);
  EXPECT_EQ(static_cast<int>(Cards(kMazzo).size()), 10 - aces);
  EXPECT_EQ(AllCards().size(), 49u);
}

TEST_F(InitialDeal, HeartsKingUnderTheStockAndQueenOnPileOne) {
  Deal({{rule::kFamily, 22},
        {rule::kStockDeal, 30},
        {rule::kTableauPiles, 2},
        {rule::kTableauDeal, 11},
        {rule::kTableauDeal + 1, 11}});
  EXPECT_EQ(Cards(kMazzo).front(), 13);
  EXPECT_EQ(Cards(fnFila(0)).back(), 12);
  EXPECT_EQ(Faces(fnFila(0)).back(), 'u');
  EXPECT_EQ(AllCards().size(), 52u);
}

TEST_F(InitialDeal, AFailedDeckStartsNoGame) {
  game.SetRules({{rule::kCards, 100}, {rule::kStockDeal, 10}});
  EXPECT_FALSE(fnInitialDeal(state));
  EXPECT_TRUE(Cards(kMazzo).empty());
  ASSERT_EQ(game.screen.messages.size(), 1u);
  EXPECT_EQ(game.screen.messages.front().text, "Error 01 - fnGameNumberCardsArray");
}

TEST_F(InitialDeal, EveryBuiltInGameDealsEachCardOnce) {
  for (const auto& entry : testing::BuiltInCatalogue().Entries()) {
    testing::LoadBuiltInRules(state.rules, entry.code);
    state.config.Write(cfg::kGameNumber, "1234567");
    ASSERT_TRUE(fnInitialDeal(state)) << entry.name;
    const int cards = state.rules.Get(rule::kCards);
    std::vector<int> expected(static_cast<std::size_t>(cards));
    for (int code = 1; code <= cards; ++code) expected[static_cast<std::size_t>(code - 1)] = code;
    EXPECT_EQ(AllCards(), expected) << entry.name;
    const std::string stockFaces = Faces(kMazzo);
    const char stockFace = state.rules.Get(rule::kStockFace) == 0 ? 'u' : 'd';
    EXPECT_EQ(stockFaces, std::string(stockFaces.size(), stockFace)) << entry.name;
    for (int p = 0; p < View().TableauPiles(); ++p) {
      const int pattern = state.rules.Get(rule::kTableauFaces + p);
      const std::string faces = Faces(fnFila(p));
      if (pattern >= 1 && !faces.empty()) {
        EXPECT_EQ(faces.back(), 'u') << entry.name << " pile " << p;
      }
      if (pattern == 0) {
        EXPECT_EQ(faces.find('u'), std::string::npos) << entry.name << " pile " << p;
      }
    }
  }
}

}  // namespace
}  // namespace tablerun
