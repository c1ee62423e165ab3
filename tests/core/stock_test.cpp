// The stock: turning to the waste, dealing rows, turn-over and gathering redeals.
#include <gtest/gtest.h>

#include "engine/executor/executor.h"
#include "engine/executor/redeal_order.h"
#include "support/play_table.h"

namespace tablerun {
namespace {

using testing::TPlayTable;

// Turning games: rule slot 11 = 1.
constexpr const char* kTurning = "stock turns to waste=1 cards per turn=1 deals=-1 stock face=1";

TEST(Stock, TurnsTheCountPerPressWhileCardsLast) {
  TPlayTable t;
  t.Set("stock turns to waste=1 cards per turn=3", "Mazzo: #5H #6H");
  EXPECT_TRUE(t.executor.PressStock());
  EXPECT_EQ(t.Names("Mazzo_Vis"), "6H 5H");
  EXPECT_EQ(t.Names("Mazzo"), "");
}

TEST(Stock, TurnOverRedealRestoresTheTurningOrder) {
  TPlayTable t;
  t.Set(kTurning, "Mazzo: #4C #3C #2C #AC");
  for (int n = 0; n < 4; ++n) t.executor.PressStock();
  EXPECT_EQ(t.Names("Mazzo_Vis"), "AC 2C 3C 4C");
  EXPECT_FALSE(t.executor.PressStock());  // the press marks the stock
  EXPECT_EQ(t.state.mainGame.Get(entries::kStockPressed), 1);
  EXPECT_TRUE(t.executor.PressStock());  // the release redeals
  EXPECT_EQ(t.Names("Mazzo"), "#4C #3C #2C #AC");
  EXPECT_EQ(t.state.mainGame.Get(entries::kRedealRound), 2);
  t.executor.PressStock();
  EXPECT_EQ(t.Names("Mazzo_Vis"), "AC");  // the first card turned comes first again
}

TEST(Stock, ThreeDealsMeanTwoTurnOvers) {
  TPlayTable t;
  t.Set("stock turns to waste=1 cards per turn=3 deals=3", "Mazzo: 4C 3C 2C AC");
  int turnOvers = 0;
  for (int press = 0; press < 20; ++press) {
    const int round = t.state.mainGame.Get(entries::kRedealRound);
    t.executor.PressStock();
    if (t.state.mainGame.Get(entries::kRedealRound) > round) ++turnOvers;
  }
  EXPECT_EQ(turnOvers, 2);
  EXPECT_EQ(t.state.mainGame.Get(entries::kRedealRound), 3);
  EXPECT_EQ(t.Names("Mazzo"), "");
  const TSnapshot before = t.Snapshot();
  EXPECT_FALSE(t.executor.PressStock());
  EXPECT_EQ(t.Snapshot(), before);
}

TEST(Stock, WaitsForAnEmptyWasteWhenTheGameSaysSo) {
  TPlayTable t;
  t.Set("stock turns to waste=1 cards per turn=1 turn only with empty waste=1", "Mazzo: 3C 2C | Mazzo_Vis: AC");
  EXPECT_FALSE(t.executor.PressStock());
  t.state.table.SetPile(kMazzoVis, "");
  EXPECT_TRUE(t.executor.PressStock());
}

TEST(Stock, SecondWasteVariantTurnsToTheSecondWaste) {
  TPlayTable t;
  t.Set("stock turns to waste=1 cards per turn=1 second waste layout variant=1", "Mazzo: 3C 2C");
  EXPECT_TRUE(t.executor.PressStock());
  EXPECT_EQ(t.Names("Mazzo_Waste"), "2C");
  EXPECT_EQ(t.Names("Mazzo_Vis"), "");
}

struct TDealRow {
  const char* rules;
  const char* operation;
  const char* expected;  // tableau piles 1–4 after the deal, "/" between piles
};

TEST(Stock, DealFlagsDecideWhichPilesTakeACard) {
  for (const auto& [rules, operation, expected] : std::initializer_list<TDealRow>{
           {"tableau piles=4 tableau row deal*4=1", "Add_Tableaus", "KH AH/2H QH/JH/10H"},
           {"tableau piles=4 tableau row deal*4=1 tableau row deal[3]=0", "Add_Tableaus", "KH AH/2H QH//JH"},
           {"tableau piles=4 tableau row deal*4=1 tableau row deal[3]=7", "Add_Tableaus", "KH AH/2H QH//JH"},
           {"tableau piles=4 tableau row deal*4=1 tableau row deal=7", "Add_Tableaus", "KH AH/2H QH/JH/10H"},
           {"tableau piles=4 tableau row deal*4=1 tableau row deal[2]=6", "Add_Tableaus", "KH AH/2H #QH/JH/10H"},
           {"tableau piles=4 tableau row deal*4=0", "Add_Tableaus_Last", "KH AH/2H QH/JH/10H"},
           {"tableau piles=4 tableau row deal*4=1", "Add_Tableau_03", "KH/2H/AH/"},
           {"tableau piles=4 tableau row deal*4=1", "Fill_Tableaus", "KH/2H/AH/QH"},
       }) {
    TPlayTable t;
    t.Set(rules, "Fila1: KH | Fila2: 2H | Mazzo: #10H #JH #QH #AH");
    EXPECT_TRUE(t.Run(operation)) << rules << " " << operation;
    const std::string piles =
        t.Names("Fila1") + "/" + t.Names("Fila2") + "/" + t.Names("Fila3") + "/" + t.Names("Fila4");
    EXPECT_EQ(piles, expected) << rules << " " << operation;
  }
}

TEST(Stock, DealsToReservesWithTheirFlags) {
  TPlayTable t;
  t.Set("reserves=3 reserve row deal*3=1 reserve row deal[2]=5", "Mazzo: #3S #2S #AS");
  EXPECT_TRUE(t.Run("Add_Reserves"));
  EXPECT_EQ(t.Names("Appogg1") + "/" + t.Names("Appogg2") + "/" + t.Names("Appogg3"), "AS/#2S/3S");
}

// Reserve 1's flag 3: two rounds to the reserves while the stock lasts; the
// last eight cards go one to each tableau pile.
TEST(Stock, TheLastEightCardsGoToTheTableau) {
  struct TRow {
    const char* stock;
    const char* tableau;   // piles 1–8, "/" between piles
    const char* reserves;  // piles 1–2
  };
  for (const auto& [stock, tableau, reserves] : std::initializer_list<TRow>{
           {"#9D #8D #7D #6D #5D #4D #3D #2D", "2D/3D/4D/5D/6D/7D/8D/9D", "/"},
           {"#10D #9D #8D #7D #6D #5D #4D #3D #2D", "///////", "2D 4D/3D 5D"},
           {"#8D #7D #6D #5D #4D #3D #2D", "///////", "2D 4D/3D 5D"},
       }) {
    TPlayTable t;
    t.Set("tableau piles=8 tableau row deal*8=0 reserves=2 reserve row deal*2=3", std::string("Mazzo: ") + stock);
    EXPECT_TRUE(t.executor.PressStock()) << stock;
    std::string piles = t.Names("Fila1");
    for (int i = 2; i <= 8; ++i) piles += "/" + t.Names("Fila" + std::to_string(i));
    EXPECT_EQ(piles, tableau) << stock;
    EXPECT_EQ(t.Names("Appogg1") + "/" + t.Names("Appogg2"), reserves) << stock;
  }
}

TEST(Stock, PileNumbersBeyondTheGameAreSkipped) {
  TPlayTable t;
  // Flag 8 deals to the four piles after each flagged pile: pile 8 has none after it.
  t.Set("tableau piles=8 tableau row deal*8=0 tableau row deal=8 tableau row deal[8]=8",
        "Mazzo: #9D #8D #7D #6D #5D #4D #3D #2D");
  EXPECT_TRUE(t.executor.PressStock());
  EXPECT_EQ(t.Names("Fila2") + "/" + t.Names("Fila5"), "2D/5D");
  EXPECT_EQ(t.Names("Mazzo"), "#9D #8D #7D #6D");
  EXPECT_EQ(t.executor.History().undo.Size(), 1);
  EXPECT_FALSE(t.Run("Add_Tableau_09"));
  EXPECT_FALSE(t.Run("Add_Reserve_13"));
  EXPECT_EQ(t.executor.History().undo.Size(), 1);
}

TEST(Stock, GapsStopARowDeal) {
  TPlayTable t;
  t.Set("tableau piles=2 tableau row deal*2=2", "Fila2: 5C | Mazzo: 2D 3D");
  EXPECT_FALSE(t.executor.PressStock());
  ASSERT_EQ(t.screen.messages.size(), 1u);
  EXPECT_EQ(t.screen.messages[0].text, "Fill in any gaps in the tableau before dealing.");
  EXPECT_EQ(t.executor.History().undo.Size(), 0);
}

TEST(Stock, RedealOrderIsFixed) {
  EXPECT_EQ(fnRedealOrder({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), (std::vector<int>{5, 8, 0, 3, 1, 6, 2, 9, 4, 7}));
  // A whole deck tells the two steps apart, where ten cards cannot.
  std::vector<int> deck(52);
  for (int i = 0; i < 52; ++i) deck[static_cast<std::size_t>(i)] = i;
  EXPECT_EQ(fnRedealOrder(deck),
            (std::vector<int>{26, 29, 35, 38, 44, 47, 0,  3, 9,  12, 18, 21, 28, 32, 40, 43, 51, 1,
                              8,  13, 20, 24, 34, 39, 49, 2, 11, 16, 27, 33, 46, 4,  15, 22, 37, 45,
                              5,  10, 30, 41, 6,  17, 42, 7, 36, 14, 50, 19, 23, 48, 25, 31}));
  EXPECT_EQ(fnRedealOrder({7}), (std::vector<int>{7}));
  EXPECT_TRUE(fnRedealOrder({}).empty());
}

TEST(Stock, GatheringRedealRefillsPilesToTheirDealCount) {
  TPlayTable t;
  t.Set("tableau piles=18 foundations=4 redeal style=1 deals=2 tableau deal=3 tableau faces=3", "");
  for (int card = 1; card <= 52; ++card) {
    const TPileRef pile = fnFila((card - 1) % 18);
    t.state.table.SetPile(pile, t.state.table.Pile(pile) + fnCardText(card));
  }
  EXPECT_FALSE(t.executor.PressStock());
  EXPECT_TRUE(t.executor.PressStock());
  EXPECT_EQ(t.state.mainGame.Get(entries::kRedealRound), 2);
  std::vector<int> sizes;
  for (int i = 0; i < 18; ++i) sizes.push_back(static_cast<int>(t.state.table.Pile(fnFila(i)).size() / 3));
  std::vector<int> expected(17, 3);
  expected.push_back(1);
  EXPECT_EQ(sizes, expected);
  EXPECT_TRUE(t.executor.History().undoLog.LastHolds(TEventKind::Redeal));
  EXPECT_FALSE(t.executor.PressStock());  // the last deal is reached: the press marks nothing new
  t.executor.UndoMove();
  EXPECT_EQ(t.state.mainGame.Get(entries::kRedealRound), 1);
}

TEST(Stock, GatheringDealsBackInTheFixedOrder) {
  TPlayTable t;
  t.Set("tableau piles=2 redeal style=2 deals=-1 tableau deal=1 tableau faces=1",
        "Fila1: AH 2H 3H 4H 5H | Fila2: 6H 7H 8H 9H 10H");
  t.executor.PressStock();
  EXPECT_TRUE(t.executor.PressStock());
  // Gathered 5H 4H 3H 2H AH 10H 9H 8H 7H 6H, redealt 10H 7H 5H 2H 4H 9H 3H 6H AH 8H.
  EXPECT_EQ(t.Names("Fila1"), "10H 5H 4H 3H AH");
  EXPECT_EQ(t.Names("Fila2"), "7H 2H 9H 6H 8H");
}

struct TGapRow {
  const char* operation;
  const char* piles;
  const char* expected;  // tableau piles 1–4 and the stock, "/" between them
};

TEST(Stock, GapsInTheTableau) {
  for (const auto& [operation, piles, expected] : std::initializer_list<TGapRow>{
           {"Selezionate_Fila", "Fila2: 5C | Mazzo: #2D #3D #4D", "4D/5C/3D/2D/"},
           {"Stock_To_Pile_Monte_Carlo", "Fila2: 5C | Fila4: 6C 7C | Mazzo: #2D #3D", "5C/6C 7C/3D/2D/"},
           {"Stock_To_Pile_Monte_Carlo", "Fila2: 5C | Fila4: 6C", "5C/6C///"},
           {"CloseTableauGaps", "Fila2: 5C | Fila4: 6C | Fila3: 8C", "6C/5C/8C//"},
       }) {
    TPlayTable t;
    t.Set("tableau piles=4", piles);
    const bool done =
        std::string_view(operation) == "CloseTableauGaps" ? t.executor.CloseTableauGaps() : t.Run(operation);
    EXPECT_TRUE(done) << operation << " on " << piles;
    const std::string table = t.Names("Fila1") + "/" + t.Names("Fila2") + "/" + t.Names("Fila3") + "/" +
                              t.Names("Fila4") + "/" + t.Names("Mazzo");
    EXPECT_EQ(table, expected) << operation << " on " << piles;
    EXPECT_EQ(t.executor.History().undo.Size(), 1);
  }
  TPlayTable full;
  full.Set("tableau piles=2", "Fila1: 5C | Fila2: 6C | Mazzo: 2D");
  EXPECT_FALSE(full.Run("Stock_To_Pile_Monte_Carlo"));
  EXPECT_FALSE(full.executor.CloseTableauGaps());
  EXPECT_EQ(full.screen.messages.back().text, "No tableau space to fill.");
}

struct TStyleRow {
  int style;
  const char* expected;  // stock, waste, tableau piles 1 and 2, "/" between them
};

TEST(Stock, GatheringStyles) {
  for (const auto& [style, expected] : std::initializer_list<TStyleRow>{
           {4, "#5H #4H #3H #2H #AH///"},
           {11, "AH 2H 3H 4H 5H///"},
           {7, "//2H 3H AH/5H 4H"},
           {16, "#3H #2H #AH #5H/4H//"},
           {10, "#4H #5H #2H #3H #AH///"},
           {12, "//AH 2H 3H/4H 5H"},
           {13, "//3H AH/4H 5H 2H"},
           {19, "//5H AH 2H/3H 4H"},
       }) {
    TPlayTable t;
    t.Set("tableau piles=2 deals=-1 tableau deal=3 tableau faces=3 redeal style=" + std::to_string(style),
          "Fila1: AH 2H 3H | Fila2: 4H 5H");
    t.executor.PressStock();
    EXPECT_TRUE(t.executor.PressStock()) << style;
    const std::string table =
        t.Names("Mazzo") + "/" + t.Names("Mazzo_Vis") + "/" + t.Names("Fila1") + "/" + t.Names("Fila2");
    EXPECT_EQ(table, expected) << "style " << style;
    t.executor.UndoMove();
    EXPECT_EQ(t.Names("Fila1") + "/" + t.Names("Fila2"), "AH 2H 3H/4H 5H") << style;
    EXPECT_EQ(t.state.mainGame.Get(entries::kRedealRound), 1) << style;
  }
}

TEST(Stock, WasteToReservesOncePerGame) {
  TPlayTable t;
  t.Set("reserves=8 redeal style=20 deals=-1", "Mazzo_Vis: AS 2S 3S");
  t.executor.PressStock();
  EXPECT_TRUE(t.executor.PressStock());
  EXPECT_EQ(t.Names("Appogg1") + "/" + t.Names("Appogg3"), "AS/3S");
  t.state.table.SetPile(kMazzoVis, fnCardText(44));
  t.executor.PressStock();
  EXPECT_FALSE(t.executor.PressStock());
}

}  // namespace
}  // namespace tablerun
