// Automatic moves: fills of empty piles, turn-ups, completed runs and
// Autoplay, each merged into the undo step of the move that caused it; and
// Autoplay remembered per game.
#include <gtest/gtest.h>

#include "engine/executor/autoplay_preference.h"
#include "engine/executor/executor.h"
#include "support/play_table.h"

namespace tablerun {
namespace {

using testing::TPlayTable;

// Foundations on the table, and the deal shown, as after a real set-up.
void PutFoundationsOnTable(TPlayTable& t) {
  for (int f = 0; f < 16; ++f) t.state.mainGame.SetDestX(f, static_cast<int16_t>(100 + f * 80));
  t.state.mainGame.Set(entries::kDealShown, 1);
}

struct TFillRow {
  const char* slots;
  const char* piles;
  const char* filled;  // tableau pile 1 after 5H left it
};

TEST(AutoFill, EmptyPileTakesCardsByFillMode) {
  for (const auto& [slots, piles, filled] : std::initializer_list<TFillRow>{
           {"auto fill=2", "Mazzo: #KD | Mazzo_Vis: 9H", "9H"},
           {"auto fill=2", "Mazzo: #KD", "KD"},
           {"auto fill=2", "", ""},
           {"auto fill=3", "Mazzo: #KD | Mazzo_Vis: 9H", "KD"},
           {"auto fill=1", "Appogg1: 3C 4C", "4C"},
           {"auto fill=2 release rows=1 release row piles=1", "Mazzo_Vis: 9H",
            ""},  // pile 1 lies in the rows that wait
           {"auto fill=5", "Mazzo_Vis: 7C 8C 9H 10H", "10H 9H 8C"},
           {"auto fill=18", "Mazzo: #2D #3D #4D #5D #6D", "#6D #5D #4D 3D"},
           {"auto fill=9", "Mazzo: #2D #3D #4D #5D #6D", "6D 5D 4D 3D"},
           {"auto fill=0", "Mazzo_Vis: 9H", ""},
       }) {
    TPlayTable t;
    t.Set(std::string("tableau piles=2 ") + slots, std::string("Fila1: 5H | Fila2: 6S | ") + piles);
    const TSnapshot before = t.Snapshot();
    ASSERT_TRUE(t.Move("5H", "Fila2"));
    EXPECT_EQ(t.Names("Fila1"), filled) << slots << " with " << piles;
    // One undo takes back the move with its fills.
    ASSERT_TRUE(t.executor.UndoMove());
    EXPECT_EQ(t.Snapshot(), before) << slots << " with " << piles;
  }
}

// Fill mode 7: only piles from the eleventh on take the stock's top card.
TEST(AutoFill, StockFillsThePilesFromTheEleventhOn) {
  TPlayTable t;
  std::string piles = "Mazzo: #2D #3D #4D";
  for (int i = 1; i <= 12; ++i) {
    if (i != 10 && i != 11) piles += " | Fila" + std::to_string(i) + ": KC";
  }
  t.Set("tableau piles=12 auto fill=7", piles);
  EXPECT_TRUE(t.executor.AutoFillEmptyPiles());
  EXPECT_EQ(t.Names("Fila10"), "");
  EXPECT_EQ(t.Names("Fila11"), "4D");
}

TEST(AutoFill, WaitsForTheFirstMoveWhereTheGameSaysSo) {
  TPlayTable t;
  t.Set("tableau piles=2 auto fill=2 tableau to foundation only=1", "Fila2: 6S | Mazzo_Vis: 9H");
  EXPECT_FALSE(t.executor.AutoFillEmptyPiles());
  EXPECT_EQ(t.Names("Fila1"), "");
  t.state.mainGame.Set(entries::kMoveCounter, 1);
  EXPECT_TRUE(t.executor.AutoFillEmptyPiles());
  EXPECT_EQ(t.Names("Fila1"), "9H");
}

TEST(AutoFill, AfterTheDealTheFilledTableCountsAsDealt) {
  TPlayTable t;
  t.Set("tableau piles=2 auto fill=2", "Fila2: 6S | Mazzo_Vis: 9H");
  t.executor.RunOpeningMoves();
  EXPECT_EQ(t.Names("Fila1"), "9H");
  EXPECT_TRUE(t.executor.History().undo.Empty());
  EXPECT_EQ(t.state.mainGame.Get(entries::kMoveCounter), 0);          // the player has not moved
  EXPECT_EQ(t.state.mainGame.Get(entries::kStatisticsEligible), -1);  // nor has the game started to count
  EXPECT_FALSE(t.executor.UndoMove());
}

TEST(AutoFill, AllButOnePileTakesAStockCard) {
  // Pile 6 stays empty when it is; otherwise the first empty pile does.
  for (const bool sixEmpty : {false, true}) {
    TPlayTable t;
    t.Set("tableau piles=9 auto fill=17",
          std::string("Fila1: KC | Fila2: KD | Fila4: KH | Fila5: KS | Fila7: QC | Fila8: QD | ") +
              (sixEmpty ? "" : "Fila6: QS | ") + "Mazzo: #2C #3C #4C");
    t.state.mainGame.Set(entries::kMoveCounter, 1);
    EXPECT_TRUE(t.executor.AutoFillEmptyPiles());
    EXPECT_EQ(t.Names("Fila3"), sixEmpty ? "4C" : "");
    EXPECT_EQ(t.Names("Fila9"), sixEmpty ? "3C" : "4C");
    EXPECT_EQ(t.Names("Fila6"), sixEmpty ? "" : "QS");
  }
}

TEST(AutoFill, HolesFilledFromTheStockComeBackOnUndo) {
  TPlayTable t;
  t.Set("tableau piles=2 auto fill=16", "Fila1: -- 5H | Fila2: 6S 2D | Mazzo: #KD #QD");
  const TSnapshot before = t.Snapshot();
  ASSERT_TRUE(t.Move("2D", "Fila1"));
  EXPECT_EQ(t.Names("Fila1"), "QD 5H 2D");
  ASSERT_TRUE(t.executor.UndoMove());
  EXPECT_EQ(t.Snapshot(), before);
}

TEST(TurnUp, FollowsTheGameAndTheSetting) {
  struct TRow {
    const char* slots;
    const char* setting;
    const char* left;
  };
  for (const auto& [slots, setting, left] : std::initializer_list<TRow>{{"auto face up=1", "Y", "9S"},
                                                                        {"auto face up=2", "Y", "9S"},
                                                                        {"auto face up=0", "Y", "#9S"},
                                                                        {"auto face up=1", "N", "#9S"}}) {
    TPlayTable t;
    t.Set(slots, "Fila1: #9S 8H | Fila2: 9C");
    t.state.config.Write(cfg::kAutomaticFaceUp, setting);
    ASSERT_TRUE(t.Move("8H", "Fila2"));
    EXPECT_EQ(t.Names("Fila1"), left) << slots << " " << setting;
    ASSERT_TRUE(t.executor.UndoMove());
    EXPECT_EQ(t.Names("Fila1"), "#9S 8H");
  }
}

TEST(CompletedRun, GoesToTheFirstEmptyRunFoundationAsOneStep) {
  struct TRow {
    const char* base;
    const char* pile;  // bottom first, before the last card arrives
    const char* last;
    bool transferred;
  };
  for (const auto& [base, pile, last, transferred] : std::initializer_list<TRow>{
           {"'S'", "#9D KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S", "AS", true},
           {"'_'", "#9D KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S", "AS", false},
           {"'_'", "#9D AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS", "KS", true},
           {"'S'", "KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2H", "AS", false},  // a suit breaks it
           {"'b'", "KS QH JS 10H 9S 8H 7S 6H 5S 4H 3S 2H", "AS", true},
           {"'c'", "9C 10D JS QH KS AH 2S 3H 4S 5H 6S 7H", "8S", true},
           {"'c'", "#9C 10D JS QH KS AH 2S 3H 4S 5H 6S 7H", "8S", false},  // twelve face up only
       }) {
    TPlayTable t;
    t.Set(std::string("tableau piles=2 foundations=2 foundation base*2=") + base,
          std::string("Fila1: ") + pile + " | Fila2: " + last);
    PutFoundationsOnTable(t);
    t.state.mainGame.Set(entries::kDealShown, 0);
    const TSnapshot before = t.Snapshot();
    ASSERT_TRUE(t.Move(last, "Fila1"));
    const std::string context = std::string(base) + " " + pile;
    EXPECT_EQ(t.state.table.Pile(fnDest(0)).size() / 3, transferred ? 13u : 0u) << context;
    EXPECT_EQ(t.executor.History().undo.Size(), 1) << context;
    ASSERT_TRUE(t.executor.UndoMove());
    EXPECT_EQ(t.Snapshot(), before) << context;
  }
}

TEST(CompletedRun, OffTheTableTheRunGoesToTheSecondWaste) {
  TPlayTable t;
  t.Set("tableau piles=2 foundations=1 foundation base='S'", "Fila1: KS QS JS 10S 9S 8S 7S 6S 5S 4S 3S 2S | Fila2: AS");
  ASSERT_TRUE(t.Move("AS", "Fila1"));
  EXPECT_EQ(t.Names("Fila1"), "");
  EXPECT_EQ(t.Names("Mazzo_Waste"), "AS 2S 3S 4S 5S 6S 7S 8S 9S 10S JS QS KS");
}

// Foundation 1 builds hearts up from the Ace; two decks, so two Twos compete.
constexpr const char* kHeartsUp =
    "foundations=1 foundation base=1 foundation direction=1 foundation build=0 foundation capacity=26";

TEST(Autoplay, ReservesAreTriedAgainAfterEachTableauCard) {
  TPlayTable t;
  t.Set(kHeartsUp, "Fila1: AH | Fila2: 2H' | Appogg1: 2H | Fila5: 9C | Fila6: 10D");
  PutFoundationsOnTable(t);
  t.executor.SetAutoplay(true);
  const TSnapshot before = t.Snapshot();
  ASSERT_TRUE(t.Move("9C", "Fila6"));
  EXPECT_EQ(t.Names("Dest1"), "AH 2H");
  EXPECT_EQ(t.Names("Fila2"), "2H'");
  ASSERT_TRUE(t.executor.UndoMove());
  EXPECT_EQ(t.Snapshot(), before);
}

TEST(Autoplay, OnlyTopCardsToFoundationsAndTurnsUpOnlyWhereAllowed) {
  for (const int faceUp : {0, 1, 2}) {
    TPlayTable t;
    t.Set(std::string(kHeartsUp) + " auto face up=" + std::to_string(faceUp),
          "Fila1: AH 2H 9S | Fila2: #3H | Fila3: 8H | Appogg1: 7S | Mazzo_Vis: 5S");
    PutFoundationsOnTable(t);
    t.executor.SetAutoplay(true);
    EXPECT_EQ(t.Names("Dest1"), "");  // nothing is free to go
    EXPECT_EQ(t.Names("Fila2"), faceUp == 1 ? "3H" : "#3H") << faceUp;
    EXPECT_EQ(t.Names("Fila1"), "AH 2H 9S");
    EXPECT_EQ(t.Names("Mazzo_Vis"), "5S");
  }
}

TEST(Autoplay, SwitchedOffItLeavesTheTableAlone) {
  TPlayTable t;
  t.Set(kHeartsUp, "Fila1: AH | Fila5: 9C | Fila6: 10D");
  PutFoundationsOnTable(t);
  ASSERT_TRUE(t.Move("9C", "Fila6"));
  EXPECT_EQ(t.Names("Fila1"), "AH");
  // Switched on, it plays at once, as a step of its own.
  t.executor.SetAutoplay(true);
  EXPECT_EQ(t.Names("Dest1"), "AH");
  ASSERT_TRUE(t.executor.UndoMove());
  EXPECT_EQ(t.Names("Fila1"), "AH");
  EXPECT_EQ(t.Names("Fila6"), "10D 9C");
}

TEST(AutoplayPreference, OneCharacterPerGameAndAKeyPerCustomGame) {
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TIniFile store(fs, screen, "/nonexistent/Cfg.dat", TIniFile::TAccess::InspectOnly);
  EXPECT_TRUE(fnReadGameAutoplay(store, 12));
  fnStoreGameAutoplay(store, 12, false);
  EXPECT_EQ(store.ReadString("Autoplay", "Games", ""), "YYYYYYYYYYYYNYYYYYYYYY");
  EXPECT_FALSE(fnReadGameAutoplay(store, 12));
  EXPECT_TRUE(fnReadGameAutoplay(store, 11));
  EXPECT_TRUE(fnReadGameAutoplay(store, 400));
  fnStoreGameAutoplay(store, 8005, false);
  EXPECT_EQ(store.ReadString("Autoplay", "Cust_8005", ""), "N");
  EXPECT_FALSE(fnReadGameAutoplay(store, 8005));
  EXPECT_TRUE(fnReadGameAutoplay(store, 8006));
  store.WriteString("Autoplay", "Cust_8006", "");
  EXPECT_TRUE(fnReadGameAutoplay(store, 8006));
}

}  // namespace
}  // namespace tablerun
