#include "model/main_game.h"

#include <gtest/gtest.h>

#include "model/game_rules.h"

namespace tablerun {
namespace {

TEST(MainGame, EntriesStayInsideTheirTables) {
  TMainGame game;
  game.Set(TMainGameEntry{195}, -32768);
  game.Set(TMainGameEntry{196}, 5);
  game.Set(TMainGameEntry{-1}, 5);
  EXPECT_EQ(game.Get(TMainGameEntry{195}), -32768);
  EXPECT_EQ(game.Get(TMainGameEntry{196}), 0);
  EXPECT_EQ(game.Get(TMainGameEntry{-1}), 0);

  TGameRules rules;
  rules.Set(rule::kReferencePlayed, 7);
  rules.Set(TRuleSlot{503}, 9);
  EXPECT_EQ(rules.Get(rule::kReferencePlayed), 7);
  EXPECT_EQ(rules.Get(TRuleSlot{503}), 0);
  EXPECT_EQ(rules.Get(TRuleSlot{0}), 0);
}

// The positions held in entries, with the entry each pile index maps to.
struct TEntryPositions {
  const char* group;
  int (TMainGame::*x)(int) const;
  int (TMainGame::*y)(int) const;
  void (TMainGame::*setX)(int, int16_t);
  void (TMainGame::*setY)(int, int16_t);
  int xEntry;
  int yEntry;
  int count;
  int absent;
};

const TEntryPositions kEntryPositions[] = {
    {"Dest", &TMainGame::DestX, &TMainGame::DestY, &TMainGame::SetDestX, &TMainGame::SetDestY, 0, 17, 16, -10001},
    {"Appogg", &TMainGame::AppoggX, &TMainGame::AppoggY, &TMainGame::SetAppoggX, &TMainGame::SetAppoggY, 34, 47, 12,
     -10003},
    {"Mazzo", &TMainGame::MazzoX, &TMainGame::MazzoY, &TMainGame::SetMazzoX, &TMainGame::SetMazzoY, 60, 64, 3, -10000},
};

TEST(MainGame, EntryPositionsScrollOnlyY) {
  TMainGame game;
  game.Set(entries::kScrollY, 120);
  for (const TEntryPositions& range : kEntryPositions) {
    SCOPED_TRACE(range.group);
    for (int pile = 0; pile < range.count; ++pile) {
      (game.*range.setX)(pile, static_cast<int16_t>(100 + pile));
      (game.*range.setY)(pile, static_cast<int16_t>(500 + pile));
      EXPECT_EQ(game.Get(TMainGameEntry{range.xEntry + pile}), 100 + pile);
      EXPECT_EQ(game.Get(TMainGameEntry{range.yEntry + pile}), 500 + pile);
      EXPECT_EQ((game.*range.x)(pile), 100 + pile);
      EXPECT_EQ((game.*range.y)(pile), 380 + pile);
    }
    // A pile beyond the group reads absent and writes nowhere.
    (game.*range.setX)(range.count, 1);
    (game.*range.setY)(-1, 1);
    EXPECT_EQ((game.*range.x)(range.count), range.absent);
    EXPECT_EQ((game.*range.y)(-1), range.absent);
  }
  for (const int unused : {16, 33, 46, 59, 63, 67}) EXPECT_EQ(game.Get(TMainGameEntry{unused}), 0) << unused;
}

TEST(MainGame, TableauPositionsStayInTableCoordinates) {
  TMainGame game;
  game.Set(entries::kScrollY, 120);
  game.SetFilaX(39, 300);
  game.SetFilaY(39, 700);
  EXPECT_EQ(game.FilaX(39), 300);
  EXPECT_EQ(game.FilaY(39), 700);
  game.SetFilaY(40, 1);
  EXPECT_EQ(game.FilaY(40), -10002);
  EXPECT_EQ(game.FilaX(-1), -10002);
}

TEST(MainGame, ResetMarksEveryPileAbsent) {
  TMainGame game;
  for (const TEntryPositions& range : kEntryPositions) {
    for (int pile = 0; pile < range.count; ++pile) {
      (game.*range.setX)(pile, 10);
      (game.*range.setY)(pile, 10);
    }
  }
  for (int pile = 0; pile < 40; ++pile) {
    game.SetFilaX(pile, 10);
    game.SetFilaY(pile, 10);
  }
  game.ResetPositions();
  for (const TEntryPositions& range : kEntryPositions) {
    SCOPED_TRACE(range.group);
    for (int pile = 0; pile < range.count; ++pile) {
      EXPECT_EQ((game.*range.x)(pile), range.absent);
      EXPECT_EQ((game.*range.y)(pile), range.absent);
    }
  }
  for (int pile = 0; pile < 40; ++pile) {
    EXPECT_EQ(game.FilaX(pile), -10002);
    EXPECT_EQ(game.FilaY(pile), -10002);
  }
  for (const TPileGroup group : {TPileGroup::Mazzo, TPileGroup::Dest, TPileGroup::Fila, TPileGroup::Appogg}) {
    for (int entry = 0; entry < fnPileGroupSize(group); ++entry) EXPECT_TRUE(game.IsPileAbsent({group, entry}));
  }
}

TEST(MainGame, AbsenceByXOrScrolledY) {
  TMainGame game;
  game.SetDestX(0, 10);
  game.SetDestY(0, 20);
  EXPECT_FALSE(game.IsPileAbsent({TPileGroup::Dest, 0}));
  game.SetDestY(1, 20);  // its X still says absent
  EXPECT_TRUE(game.IsPileAbsent({TPileGroup::Dest, 1}));

  game.SetFilaX(0, -9999);  // the last coordinate still on the table
  game.SetFilaY(0, -4999);
  game.SetAppoggX(0, 0);
  game.SetAppoggY(0, -4999);
  game.Set(entries::kScrollY, 5000);
  EXPECT_FALSE(game.IsPileAbsent({TPileGroup::Fila, 0}));
  EXPECT_FALSE(game.IsPileAbsent({TPileGroup::Appogg, 0}));
  game.Set(entries::kScrollY, 5001);
  EXPECT_TRUE(game.IsPileAbsent({TPileGroup::Fila, 0}));
  EXPECT_TRUE(game.IsPileAbsent({TPileGroup::Appogg, 0}));
  EXPECT_TRUE(game.IsPileAbsent({TPileGroup::Mazzo, 3}));
}

}  // namespace
}  // namespace tablerun
