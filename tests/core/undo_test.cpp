// Undo history: state lines, the event log, undo and redo round trips, merged
// automatic steps, the undo settings and restart.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/executor/executor.h"
#include "engine/history/event_log.h"
#include "engine/history/table_state_lines.h"
#include "support/play_table.h"

namespace tablerun {
namespace {

using testing::TPlayTable;

TEST(TableStateLines, CarryCodesFacesAndHoles) {
  TPlayTable t;
  t.Set("", "Fila1: #3C -- KS | Appogg12: AH");
  EXPECT_EQ(fnStateLine(t.state.table, t.state.cards, fnFila(0)), "029000000521");
  EXPECT_EQ(fnStateLine(t.state.table, t.state.cards, fnFila(1)), "");
  const TSnapshot snapshot = t.Snapshot();
  EXPECT_EQ(snapshot[19], "029000000521");
  EXPECT_EQ(snapshot[70], "0011");

  TPlayTable other;
  ASSERT_TRUE(fnRestoreSnapshot(other.state.table, other.state.cards, snapshot));
  EXPECT_EQ(other.Names("Fila1"), "#3C -- KS");
  EXPECT_EQ(other.Names("Appogg12"), "AH");
  for (const char* bad : {"0291x", "02910", "2130", "02910290"}) {
    EXPECT_EQ(fnIsStateLine(bad), std::string_view(bad) == "02910290") << bad;
  }
  TSnapshot broken = snapshot;
  broken[0] = "9991";
  EXPECT_FALSE(fnRestoreSnapshot(other.state.table, other.state.cards, broken));
  EXPECT_EQ(other.Names("Mazzo"), "");
}

TEST(EventLog, EntriesKindsAndMerges) {
  TEventLog log;
  log.AppendEmpty();
  log.AppendEmpty();
  log.ReplaceLast(TEventKind::StockTurn);
  EXPECT_EQ(log.Text(), ",002,");
  EXPECT_EQ(log.Last(), "002");
  log.AppendEmpty();
  log.ReplaceLast(TEventKind::Redeal);
  log.MergeLastTwo();
  EXPECT_EQ(log.Text(), ",002003,");
  EXPECT_TRUE(log.LastHolds(TEventKind::StockTurn));
  EXPECT_TRUE(log.LastHolds(TEventKind::Redeal));
  EXPECT_EQ(log.Count(TEventKind::Redeal), 1);
  log.RemoveLast();
  EXPECT_EQ(log.Text(), ",");
  log.RemoveLast();
  EXPECT_TRUE(log.Empty());
  EXPECT_TRUE(log.SetText(",004,,"));
  EXPECT_FALSE(log.SetText("04,"));
  EXPECT_EQ(log.Count(TEventKind::Draw), 1);
}

// The counts kept as the log changes agree with the log read afresh, through
// every change a game makes.
TEST(EventLog, KeptCountsAgreeWithTheText) {
  const auto agree = [](const TEventLog& log) {
    TEventLog read;
    EXPECT_TRUE(read.SetText(log.Text()));
    for (const TEventKind kind :
         {TEventKind::TableauMove, TEventKind::StockTurn, TEventKind::Redeal, TEventKind::Draw}) {
      EXPECT_EQ(log.Count(kind), read.Count(kind)) << log.Text() << " kind " << static_cast<int>(kind);
    }
  };
  TEventLog log;
  const std::vector<std::function<void()>> steps = {
      [&] { log.AppendEmpty(); },
      [&] { log.ReplaceLast(TEventKind::TableauMove); },
      [&] { log.AppendEmpty(); },
      [&] { log.ReplaceLast(TEventKind::TableauMove); },
      [&] { log.MergeLastTwo(); },  // one entry holding the kind twice counts once
      [&] { log.AppendEmpty(); },
      [&] { log.ReplaceLast("002004"); },
      [&] { log.MergeLastTwo(); },
      [&] { log.RemoveLast(); },
      [&] { log.MergeLastTwo(); },  // the only entry stays
      [&] { EXPECT_TRUE(log.SetText(",003,001003,")); },
      [&] { log.RemoveLast(); },
      [&] { log.Clear(); },
  };
  for (const auto& step : steps) {
    step();
    agree(log);
  }
  EXPECT_TRUE(log.Empty());
}

// A short game: a move, two stock turns, a move from the waste.
void PlaySome(TPlayTable& t) {
  t.Move("8H", "Fila2");
  t.executor.PressStock();
  t.executor.PressStock();
  t.Move("2C", "Fila3");
}

TEST(Undo, UndoAndRedoRestoreTheTableExactly) {
  TPlayTable t;
  t.Set("stock turns to waste=1 cards per turn=1", "Fila1: #9S 8H | Fila2: 9C | Mazzo: #3C #2C #AC");
  std::vector<TSnapshot> seen{t.Snapshot()};
  t.Move("8H", "Fila2");
  seen.push_back(t.Snapshot());
  t.executor.PressStock();
  seen.push_back(t.Snapshot());
  t.executor.PressStock();
  seen.push_back(t.Snapshot());
  t.Move("2C", "Fila3");
  seen.push_back(t.Snapshot());
  for (int step = 3; step >= 0; --step) {
    ASSERT_TRUE(t.executor.UndoMove());
    EXPECT_EQ(t.Snapshot(), seen[static_cast<std::size_t>(step)]) << "undo to step " << step;
  }
  EXPECT_FALSE(t.executor.UndoMove());
  EXPECT_EQ(t.screen.beeps, 1);
  EXPECT_EQ(t.state.mainGame.Get(entries::kMoveCounter), 0);
  for (int step = 1; step <= 4; ++step) {
    ASSERT_TRUE(t.executor.RedoMove());
    EXPECT_EQ(t.Snapshot(), seen[static_cast<std::size_t>(step)]) << "redo to step " << step;
  }
  EXPECT_FALSE(t.executor.RedoMove());
}

TEST(Undo, OneUndoTakesBackAMoveWithItsAutomaticSteps) {
  TPlayTable t;
  t.Set("", "Fila1: 9S AH | Fila2: 2H | Fila3: #4D 3H");
  t.Move("9S", "Fila4");  // an earlier move stays
  const TSnapshot before = t.Snapshot();
  const int mark = t.executor.History().BeginPlayerStep();
  t.Move("AH", "Dest1");
  t.Move("2H", "Dest_Autoplay1");
  t.Move("3H", "Dest_Autoplay1");
  t.executor.History().EndPlayerStep(mark);
  EXPECT_EQ(t.executor.History().undo.Size(), 2);
  ASSERT_TRUE(t.executor.UndoMove());
  EXPECT_EQ(t.Snapshot(), before);
  ASSERT_TRUE(t.executor.RedoMove());
  EXPECT_EQ(t.Names("Dest1"), "AH 2H 3H");
}

struct TSettingRow {
  const char* setting;
  bool secondUndo;    // right after the first
  bool afterNewMove;  // after a redo and a new move
};

TEST(Undo, SettingsLimitUndo) {
  for (const auto& [setting, secondUndo, afterNewMove] : std::initializer_list<TSettingRow>{
           {"0", true, true},
           {"1", false, true},
       }) {
    TPlayTable t;
    t.Set("", "Fila1: 9S 8H 7C");
    t.state.config.Write(cfg::kUndoEnabled, setting);
    t.Move("7C", "Fila2");
    t.Move("8H", "Fila3");
    EXPECT_TRUE(t.executor.UndoMove());
    EXPECT_EQ(t.executor.UndoMove(), secondUndo) << setting;
    t.Move("9S", "Fila4");
    EXPECT_EQ(t.executor.UndoMove(), afterNewMove) << setting;
  }
  TPlayTable off;
  off.Set("", "Fila1: 9S 8H");
  off.state.config.Write(cfg::kUndoEnabled, "2");
  off.Move("8H", "Fila2");
  EXPECT_FALSE(off.executor.UndoMove());
  EXPECT_EQ(off.screen.beeps, 1);
}

TEST(Undo, RefusedWithoutAGameInProgress) {
  TPlayTable t;
  t.Set("", "Fila1: 9S 8H");
  t.Move("8H", "Fila2");
  t.state.runtime.SetFlag(TRuntimeFlag::GameInProgress, false);
  EXPECT_FALSE(t.executor.UndoMove());
  EXPECT_EQ(t.Names("Fila2"), "8H");
}

TEST(Undo, TurnOverRedealRollsTheRoundBackAndForth) {
  TPlayTable t;
  t.Set("stock turns to waste=1 cards per turn=1 deals=-1", "Mazzo_Vis: AC 2C");
  t.executor.PressStock();
  t.executor.PressStock();
  ASSERT_EQ(t.state.mainGame.Get(entries::kRedealRound), 2);
  t.executor.UndoMove();
  EXPECT_EQ(t.state.mainGame.Get(entries::kRedealRound), 1);
  EXPECT_EQ(t.Names("Mazzo_Vis"), "AC 2C");
  t.executor.RedoMove();
  EXPECT_EQ(t.state.mainGame.Get(entries::kRedealRound), 2);
  EXPECT_EQ(t.Names("Mazzo"), "2C AC");
}

TEST(Undo, StockTurnCounterFollowsTheLog) {
  TPlayTable t;
  // Flag 11: every press deals a row and advances the stock-turn counter.
  t.Set("tableau piles=2 tableau row deal*2=11", "Mazzo: 4D 3D 2D AD");
  t.executor.PressStock();
  t.executor.PressStock();
  EXPECT_EQ(t.executor.StockTurns(), 2);
  EXPECT_EQ(t.executor.History().undoLog.Text(), "002,002,");
  EXPECT_EQ(t.executor.MoveContext(true).stockTurns, 2);
  t.executor.UndoMove();
  EXPECT_EQ(t.executor.StockTurns(), 1);
  EXPECT_EQ(t.executor.History().redoLog.Text(), "002,");
  t.executor.RedoMove();
  EXPECT_EQ(t.executor.StockTurns(), 2);
}

TEST(Undo, DrawFlagFollowsTheLog) {
  TPlayTable t;
  t.Set("", "Fila1: 9S 8H");
  t.Move("8H", "Fila2");
  t.executor.History().undoLog.ReplaceLast(TEventKind::Draw);
  t.state.mainGame.Set(entries::kFamilyScratch, 1);
  t.executor.UndoMove();
  EXPECT_EQ(t.state.mainGame.Get(entries::kFamilyScratch), 0);
  t.executor.RedoMove();
  EXPECT_EQ(t.state.mainGame.Get(entries::kFamilyScratch), 1);
}

TEST(Restart, ReturnsToTheDealtTable) {
  TPlayTable t;
  t.Set("stock turns to waste=1 cards per turn=1 family=66", "Fila1: #9S 8H | Fila2: 9C | Mazzo: #3C #2C #AC");
  t.state.config.Write(cfg::kSoundRestart, "Y");
  const TSnapshot dealt = t.Snapshot();
  PlaySome(t);
  t.executor.UndoMove();
  t.state.mainGame.Set(entries::kRedealRound, 3);
  t.state.mainGame.Set(entries::kFamilyScratch, 1);
  t.executor.SetStockTurns(4);
  EXPECT_TRUE(t.executor.RestartGame());
  EXPECT_EQ(t.Snapshot(), dealt);
  EXPECT_TRUE(t.executor.History().undo.Empty());
  EXPECT_TRUE(t.executor.History().redo.Empty());
  EXPECT_TRUE(t.executor.History().undoLog.Empty());
  EXPECT_EQ(t.state.mainGame.Get(entries::kRedealRound), 1);
  EXPECT_EQ(t.state.mainGame.Get(entries::kMoveCounter), 0);
  EXPECT_EQ(t.state.mainGame.Get(entries::kFamilyScratch), 0);
  EXPECT_EQ(t.executor.StockTurns(), 0);
  EXPECT_TRUE(t.state.runtime.Flag(TRuntimeFlag::GameInProgress));
  EXPECT_EQ(t.screen.sounds.back(), "Restart");
}

TEST(Restart, WithoutHistoryKeepsTheTable) {
  TPlayTable t;
  t.Set("", "Fila1: #9S 8H | Dest1: AH");
  const TSnapshot dealt = t.Snapshot();
  EXPECT_TRUE(t.executor.RestartGame());
  EXPECT_EQ(t.Snapshot(), dealt);
}

}  // namespace
}  // namespace tablerun
