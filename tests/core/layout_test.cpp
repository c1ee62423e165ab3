#include "model/layout.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tablerun {
namespace {

// Rule slots and their values; a later pair for the same slot wins.
using TSlots = std::vector<std::pair<TRuleSlot, int>>;

TSlots fnJoin(std::initializer_list<TSlots> parts) {
  TSlots joined;
  for (const TSlots& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// A layout code as the games list writes it ("2001": row kind 2, variant 001)
// and how many piles of the family the game has.
TSlots fnFamily(TRuleSlot kindSlot, TRuleSlot variantSlot, TRuleSlot countSlot, int code, int count) {
  return {{kindSlot, code / 1000}, {variantSlot, code % 1000}, {countSlot, count}};
}
TSlots fnStock(int code, int count) {
  return fnFamily(rule::kStockLayoutKind, rule::kStockLayoutVariant, rule::kStockPiles, code, count);
}
TSlots fnFoundations(int code, int count) {
  return fnFamily(rule::kFoundationLayoutKind, rule::kFoundationLayoutVariant, rule::kFoundations, code, count);
}
TSlots fnTableau(int code, int count) {
  return fnFamily(rule::kTableauLayoutKind, rule::kTableauLayoutVariant, rule::kTableauPiles, code, count);
}
TSlots fnReserves(int code, int count) {
  return fnFamily(rule::kReserveLayoutKind, rule::kReserveLayoutVariant, rule::kReserves, code, count);
}
TSlots fnSecondWaste(int code, int count) {
  return fnFamily(rule::kSecondWasteLayoutKind, rule::kSecondWasteLayoutVariant, rule::kSecondWastePlaced, code, count);
}

TGameRules fnRules(const TSlots& slots) {
  TGameRules rules;
  for (const auto& [slot, value] : slots) rules.Set(slot, static_cast<int16_t>(value));
  return rules;
}

// A maximised window on a 1024 × 768 screen: table 1024 × 672 under a 50-pixel
// tool bar, window 738 high with a 46-pixel frame.
TLayoutMetrics fnWindow(char cardSize = 'B') { return fnMaximisedWindowMetrics(1024, 768, cardSize, 9); }

// "Name X Y" of every pile on the table, Y in table coordinates.
std::vector<std::string> fnPlaced(const TMainGame& game) {
  std::vector<std::string> placed;
  const auto add = [&](TPileRef pile, int x, int y) {
    if (!game.IsPileAbsent(pile))
      placed.push_back(fnPileName(pile) + " " + std::to_string(x) + " " + std::to_string(y));
  };
  const int scroll = game.ScrollY();
  for (int i = 0; i < 3; ++i) add({TPileGroup::Mazzo, i}, game.MazzoX(i), game.MazzoY(i) + scroll);
  for (int i = 0; i < 16; ++i) add({TPileGroup::Dest, i}, game.DestX(i), game.DestY(i) + scroll);
  for (int i = 0; i < 40; ++i) add({TPileGroup::Fila, i}, game.FilaX(i), game.FilaY(i));
  for (int i = 0; i < 12; ++i) add({TPileGroup::Appogg, i}, game.AppoggX(i), game.AppoggY(i) + scroll);
  return placed;
}

std::vector<std::string> fnPlaced(const TSlots& shape, const TLayoutMetrics& metrics) {
  TMainGame game;
  fnLayoutTable(fnRules(shape), metrics, game);
  return fnPlaced(game);
}

std::vector<int> fnTableauX(const TMainGame& game, int piles) {
  std::vector<int> x;
  for (int i = 0; i < piles; ++i) x.push_back(game.FilaX(i));
  return x;
}

const TSlots kKlondike =
    fnJoin({fnStock(1004, 2),
            fnFoundations(1007, 4),
            fnTableau(2001, 7),
            {{rule::kTableauArrangement, 1}, {rule::kStockShown, 1}, {rule::kStockTurnsToWaste, 1}}});

TEST(Layout, SevenPilesOnA790PixelWidthLie91PixelsApart) {
  TLayoutMetrics metrics = fnWindow();
  metrics.tableWidth = 792;
  TMainGame game;
  fnLayoutTable(fnRules(fnTableau(2001, 7)), metrics, game);
  EXPECT_EQ(fnTableauX(game, 7), (std::vector<int>{86, 177, 268, 359, 450, 541, 632}));
  EXPECT_EQ(game.FilaY(6), 50 + 10 + 10 + 96);
  EXPECT_TRUE(game.IsPileAbsent({TPileGroup::Fila, 7}));
}

TEST(Layout, LowWindowsHaveNarrowMarginsAndANarrowerTable) {
  struct TCase {
    int windowHeight;
    int firstX;  // (792 − margin cut − 2 − 497 − 120) / 2
    int rowY;    // top + 2 margins + card height
  };
  for (const TCase& c : {TCase{500, 86, 166}, TCase{499, 81, 156}, TCase{300, 81, 156}}) {
    SCOPED_TRACE(c.windowHeight);
    TLayoutMetrics metrics = fnWindow();
    metrics.tableWidth = 792;
    metrics.windowHeight = c.windowHeight;
    TMainGame game;
    fnLayoutTable(fnRules(fnTableau(2001, 7)), metrics, game);
    EXPECT_EQ(game.FilaX(0), c.firstX);
    EXPECT_EQ(game.FilaX(1) - game.FilaX(0), 91);
    EXPECT_EQ(game.FilaY(0), c.rowY);
  }
}

// Whole tables worked out by hand on the maximised 1024 × 768 window.
TEST(Layout, WholeTablesOfTheCommonShapes) {
  struct TCase {
    const char* name;
    TSlots shape;
    std::vector<std::string> placed;
    int rowSpacing;  // entry 72
  };
  const TCase cases[] = {
      {"stock over the first piles, foundations over the last",
       kKlondike,
       {"Mazzo 202 75", "Mazzo_Vis 293 75", "Dest1 475 75", "Dest2 566 75", "Dest3 657 75", "Dest4 748 75",
        "Fila1 202 181", "Fila2 293 181", "Fila3 384 181", "Fila4 475 181", "Fila5 566 181", "Fila6 657 181",
        "Fila7 748 181"},
       738 - 181},
      {"stock columns left of the tableau, a reserve below the waste",
       fnJoin({fnStock(1011, 2),
               fnFoundations(1022, 4),
               fnTableau(2011, 4),
               fnReserves(2012, 1),
               {{rule::kTableauArrangement, 1}, {rule::kStockShown, 1}, {rule::kStockTurnsToWaste, 1}}}),
       {"Mazzo 245 75", "Mazzo_Vis 331 75", "Dest1 447 75", "Dest2 533 75", "Dest3 619 75", "Dest4 705 75",
        "Fila1 447 181", "Fila2 533 181", "Fila3 619 181", "Fila4 705 181", "Appogg1 331 181"},
       738 - 181},
      {"rows moved up, wider gaps under stock and waste",
       fnJoin({fnStock(1004, 2),
               fnFoundations(1007, 8),
               fnTableau(2015, 10),
               {{rule::kTableauArrangement, 1}, {rule::kStockShown, 1}, {rule::kStockTurnsToWaste, 1}}}),
       {"Mazzo 93 65",   "Mazzo_Vis 179 65", "Dest1 264 65",  "Dest2 349 65",  "Dest3 434 65",
        "Dest4 519 65",  "Dest5 604 65",     "Dest6 689 65",  "Dest7 774 65",  "Dest8 859 65",
        "Fila1 93 166",  "Fila2 179 166",    "Fila3 264 166", "Fila4 349 166", "Fila5 434 166",
        "Fila6 519 166", "Fila7 604 166",    "Fila8 689 166", "Fila9 774 166", "Fila10 859 166"},
       738 - 166},
      {"foundations on row 3 bound the tableau's fan",
       fnJoin({fnFoundations(3002, 4), fnTableau(1001, 4), {{rule::kTableauArrangement, 1}}}),
       {"Dest1 354 272", "Dest2 435 272", "Dest3 516 272", "Dest4 597 272", "Fila1 339 60", "Fila2 430 60",
        "Fila3 521 60", "Fila4 612 60"},
       272 - 60},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TMainGame game;
    fnLayoutTable(fnRules(c.shape), fnWindow(), game);
    EXPECT_EQ(fnPlaced(game), c.placed);
    EXPECT_EQ(game.Get(entries::kRowSpacing), c.rowSpacing);
    EXPECT_EQ(game.Get(entries::kColumnSpacing), 71);
  }
}

TEST(Layout, FanStepsFollowTheCardSizeAndTheArrangements) {
  struct TCase {
    char size;
    int tableau, reserves, foundations, sideways;  // the arrangements
    int down, downFaceDown, right, rightFaceDown, arrangement6, offset105, offset106;
  };
  const TCase cases[] = {
      {'X', 1, 0, 0, 0, 24, 6, 0, 0, 0, 12, 8}, {'X', 12, 0, 0, 0, 60, 15, 0, 0, 0, 12, 8},
      {'B', 7, 0, 0, 0, 18, 4, 0, 0, 0, 12, 8}, {'M', 0, 13, 0, 0, 28, 8, 0, 0, 0, 8, 6},
      {'L', 0, 1, 0, 0, 3, 3, 0, 0, 0, 4, 3},   {'S', 2, 0, 0, 0, 0, 0, 14, 4, 0, 12, 8},
      {'L', 0, 0, 2, 0, 0, 0, 3, 3, 0, 4, 3},   {'B', 3, 0, 0, 1, 0, 0, 12, 4, 0, 12, 8},
      {'M', 6, 0, 0, 0, 0, 0, 0, 0, 5, 8, 6},   {'S', 1, 2, 0, 0, 21, 5, 14, 4, 0, 12, 8},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(1, c.size) + " arrangement " + std::to_string(c.tableau));
    TMainGame game;
    fnLayoutTable(fnRules(fnJoin({fnTableau(2001, 7),
                                  {{rule::kTableauArrangement, c.tableau},
                                   {rule::kReserveArrangement, c.reserves},
                                   {rule::kFoundationArrangement, c.foundations},
                                   {rule::kSplitTableauArrangement, c.sideways}}})),
                  fnWindow(c.size), game);
    EXPECT_EQ(game.Get(entries::kFanDownFaceUp), c.down);
    EXPECT_EQ(game.Get(entries::kFanDownFaceDown), c.downFaceDown);
    EXPECT_EQ(game.Get(entries::kFanRightFaceUp), c.right);
    EXPECT_EQ(game.Get(entries::kFanRightFaceDown), c.rightFaceDown);
    EXPECT_EQ(game.Get(entries::kFanArrangement6), c.arrangement6);
    EXPECT_EQ(game.Get(entries::kFanArrangement6Across), c.arrangement6);
    EXPECT_EQ(game.Get(entries::kCardOffset105), c.offset105);
    EXPECT_EQ(game.Get(entries::kCardOffset106), c.offset106);
    EXPECT_EQ(game.Get(entries::kFanArrangement4), 6);
    EXPECT_EQ(game.Get(entries::kFanArrangement5), 3);
    EXPECT_EQ(game.Get(entries::kFanArrangement5Across), 3);
  }
}

TEST(Layout, ALaterLayoutReplacesTheStepsOfTheEarlierOne) {
  TMainGame game;
  fnLayoutTable(fnRules(kKlondike), fnWindow('B'), game);
  EXPECT_EQ(game.Get(entries::kFanDownFaceUp), 18);
  fnLayoutTable(fnRules(kKlondike), fnWindow('X'), game);
  EXPECT_EQ(game.Get(entries::kFanDownFaceUp), 24);
  EXPECT_EQ(game.Get(entries::kFanDownFaceDown), 6);
  fnLayoutTable(fnRules(fnJoin({fnTableau(2001, 7), {{rule::kTableauArrangement, 2}}})), fnWindow('X'), game);
  EXPECT_EQ(game.Get(entries::kFanDownFaceUp), 0);
  EXPECT_EQ(game.Get(entries::kFanDownFaceDown), 0);
  EXPECT_EQ(game.Get(entries::kFanRightFaceUp), 16);
  EXPECT_TRUE(game.IsPileAbsent(kMazzo));
  EXPECT_TRUE(game.IsPileAbsent({TPileGroup::Dest, 0}));
}

TEST(Layout, PilesTheLayoutDoesNotPlaceStayAbsent) {
  struct TCase {
    const char* name;
    TSlots change;
    bool stockPlaced;
  };
  for (const TCase& c :
       {TCase{"stock variant of no rule", fnStock(1007, 2), false}, TCase{"no reserves", fnReserves(1005, 0), true},
        TCase{"second waste not placed", fnSecondWaste(1006, 0), true}}) {
    SCOPED_TRACE(c.name);
    TMainGame game;
    fnLayoutTable(fnRules(fnJoin({kKlondike, c.change})), fnWindow(), game);
    EXPECT_NE(game.IsPileAbsent(kMazzo), c.stockPlaced);
    EXPECT_NE(game.IsPileAbsent(kMazzoVis), c.stockPlaced);
    EXPECT_TRUE(game.IsPileAbsent(kMazzoWaste));
    for (int i = 0; i < 12; ++i) EXPECT_EQ(game.AppoggX(i), -10003);
    for (int i = 4; i < 16; ++i) EXPECT_EQ(game.DestX(i), -10001);
    for (int i = 7; i < 40; ++i) EXPECT_EQ(game.FilaX(i), -10002);
  }
}

TEST(Layout, TheSquareBringsItsStockCloserOnNarrowTables) {
  struct TCase {
    int tableWidth;
    int firstX, stockX, secondWasteX;
  };
  // Columns 81 apart; the stock lies gap + 71 left of the square, the second
  // waste gap right of its last column.
  for (const TCase& c :
       {TCase{1024, 349, 349 - 71 - 70, 349 + 243 + 71 + 70}, TCase{606, 140, 140 - 71 - 35, 140 + 243 + 71 + 35},
        TCase{546, 110, 110 - 71 - 15, 110 + 243 + 71 + 15},
        TCase{506, 71 + 12 + 15, 98 - 71 - 15, 98 + 243 + 71 + 15}}) {
    SCOPED_TRACE(c.tableWidth);
    TLayoutMetrics metrics = fnWindow();
    metrics.tableWidth = c.tableWidth;
    TMainGame game;
    fnLayoutTable(fnRules(fnJoin({fnStock(0, 1), fnFoundations(1007, 4), fnTableau(1051, 16), fnSecondWaste(1006, 1)})),
                  metrics, game);
    // The four-row block starts at 50 + (672 − 50 − 4 × 96 − 30) / 2.
    EXPECT_EQ(game.FilaX(0), c.firstX);
    EXPECT_EQ(game.FilaY(0), 154);
    EXPECT_EQ(game.FilaX(15), c.firstX + 243);
    EXPECT_EQ(game.FilaY(15), 154 + 3 * 106);
    EXPECT_EQ(game.MazzoX(0), c.stockX);
    EXPECT_EQ(game.MazzoX(2), c.secondWasteX);
    EXPECT_EQ(game.MazzoY(0), 154 + 106 + 53);
    EXPECT_EQ(game.MazzoY(2), 154 + 106 + 53);
    EXPECT_TRUE(game.IsPileAbsent(kMazzoVis));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(game.IsPileAbsent({TPileGroup::Dest, i}));
  }
}

TEST(Layout, HandMadeVariantsNotWrittenYetLieAsOneRow) {
  EXPECT_EQ(fnPlaced(fnTableau(2060, 9), fnWindow()), fnPlaced(fnTableau(2001, 9), fnWindow()));
  // "102" is no hand-made variant: its piles get their row only.
  EXPECT_TRUE(fnPlaced(fnTableau(2102, 9), fnWindow()).empty());
}

TEST(Layout, TheLastReserveOfAReserveRowPushesTheTableauRight) {
  struct TCase {
    int tableauCode;
    int firstX;
  };
  // Reserves 5, 81, 157, 233; the tableau of six would start at 248.
  for (const TCase& c : {TCase{1001, 233 + 71 + 86}, TCase{2001, 248}}) {
    SCOPED_TRACE(c.tableauCode);
    TMainGame game;
    fnLayoutTable(fnRules(fnJoin({fnTableau(c.tableauCode, 6), fnReserves(1005, 4)})), fnWindow(), game);
    EXPECT_EQ(game.AppoggX(3), 233);
    EXPECT_EQ(fnTableauX(game, 6), (std::vector<int>{c.firstX, c.firstX + 91, c.firstX + 182, c.firstX + 273,
                                                     c.firstX + 364, c.firstX + 455}));
  }
}

// Counts and rows that would divide by zero: every placed pile lies in sight.
TEST(Layout, OddCountsGiveSanePositions) {
  struct TCase {
    const char* name;
    TSlots shape;
    int tableWidth;
    std::vector<std::string> placed;
  };
  const TCase cases[] = {
      {"wrapping rows, rows slot 0: one row",
       fnJoin({fnTableau(2018, 4), {{rule::kTableauRows, 0}}}),
       1024,
       {"Fila1 15 260", "Fila2 233 260", "Fila3 451 260", "Fila4 669 260"}},
      {"wrapping rows, more rows than piles: one pile a row",
       fnJoin({fnTableau(2018, 3), {{rule::kTableauRows, 9}}}),
       1024,
       {"Fila1 15 260", "Fila2 15 366", "Fila3 15 472"}},
      {"one pile squeezed into a narrow table", fnTableau(2014, 1), 60, {"Fila1 3 166"}},
      {"one pile with rows moved up", fnTableau(3015, 1), 60, {"Fila1 3 " + std::to_string(50 + 25 + 2 * 96)}},
      {"negative counts place nothing",
       fnJoin({fnFoundations(1001, -1), fnTableau(2011, -4), fnReserves(1006, -2)}),
       1024,
       {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TLayoutMetrics metrics = fnWindow();
    metrics.tableWidth = c.tableWidth;
    EXPECT_EQ(fnPlaced(c.shape, metrics), c.placed);
  }
}

TEST(Layout, PositionsAreCopiedForPaintingWithTheScrollPosition) {
  TMainGame game;
  fnLayoutTable(fnRules(kKlondike), fnWindow(), game, 40);
  EXPECT_EQ(game.ScrollY(), 40);
  EXPECT_EQ(game.MazzoY(0), 75 - 40);
  EXPECT_EQ(game.FilaY(0), 181);
  struct TCopy {
    TMainGameEntry entry;
    int value;
  };
  using namespace entries;
  for (const TCopy& copy :
       {TCopy{kMazzoCopyX, 202}, TCopy{kMazzoCopyX + 1, 293}, TCopy{kMazzoCopyX + 2, -10000},
        TCopy{kMazzoCopyWindowY, 35}, TCopy{kMazzoCopyWindowY + 1, 35}, TCopy{kMazzoCopyWindowY + 2, -10040},
        TCopy{kMazzoCopyY, 75}, TCopy{kMazzoCopyY + 2, -10000}, TCopy{kDestCopyX, 475}, TCopy{kDestCopyX + 3, 748},
        TCopy{kDestCopyX + 4, -10001}, TCopy{kDestCopyWindowY, 35}, TCopy{kDestCopyY, 75}, TCopy{kDestCopyY + 3, 75},
        TCopy{kDestCopyY + 4, -10001}}) {
    EXPECT_EQ(game.Get(copy.entry), copy.value) << "entry " << copy.entry.index;
  }
}

TEST(Layout, AFanToTheRightGetsTheRoomUpToTheNextPile) {
  struct TCase {
    int rows;
    int room;
  };
  // Three rows of six: piles 71 + 106 apart. Eighteen rows: the second pile
  // lies below the first, so the room reaches the first foundation.
  for (const TCase& c : {TCase{3, 177}, TCase{18, 617 - 39}}) {
    SCOPED_TRACE(c.rows);
    TMainGame game;
    fnLayoutTable(
        fnRules(fnJoin({fnStock(5, 1),
                        fnFoundations(1008, 4),
                        fnTableau(2018, 18),
                        {{rule::kTableauArrangement, 2}, {rule::kStockShown, 1}, {rule::kTableauRows, c.rows}}})),
        fnWindow(), game);
    EXPECT_EQ(game.Get(entries::kColumnSpacing), c.room);
  }
}

}  // namespace
}  // namespace tablerun
