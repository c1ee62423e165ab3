// The move executor: the one operation through which play changes the table,
// a card put on a pile or an operation of the stock (operation.h). Moves reach
// it already judged legal; it records undo, changes the piles, keeps the move
// counter and the statistics eligibility, and follows the player's actions
// with the automatic moves, all of it one undo step.
//
// Its parts each do one thing, sharing TExecutorState: the move of a card
// (card_moves.h), the stock's turns, deals, redeals and press (stock_turn.h,
// row_deals.h, redeal.h, stock_press.h), the tableau's gaps, completed runs,
// turn-ups, the fills, Autoplay, and undo, redo and restart.
#pragma once

#include "engine/executor/auto_fill.h"
#include "engine/executor/autoplay.h"
#include "engine/executor/card_moves.h"
#include "engine/executor/completed_run.h"
#include "engine/executor/executor_state.h"
#include "engine/executor/operation.h"
#include "engine/executor/redeal.h"
#include "engine/executor/row_deals.h"
#include "engine/executor/stock_press.h"
#include "engine/executor/stock_turn.h"
#include "engine/executor/tableau_gaps.h"
#include "engine/executor/turn_up.h"
#include "engine/executor/undo_move.h"

namespace tablerun {

class TMoveExecutor final : public TMoveEntry {
 public:
  explicit TMoveExecutor(TTablerunState& state) : exec_(state) {}
  TMoveExecutor(const TMoveExecutor&) = delete;
  TMoveExecutor& operator=(const TMoveExecutor&) = delete;

  void SetEndOfGameHooks(TEndOfGameHooks hooks) { exec_.hooks = std::move(hooks); }
  TUndoHistory& History() { return exec_.history; }
  const TUndoHistory& History() const { return exec_.history; }
  int StockTurns() const { return exec_.stockTurns; }
  void SetStockTurns(int turns) { exec_.stockTurns = turns; }

  // A new deal starts without history; its first recorded step is the dealt table.
  void StartGame();

  // ExecuteMove and PressStock are the player's actions: called from outside,
  // a change is followed by the automatic fills and, with Autoplay on, the
  // Autoplay rounds, and all of it is one undo step.
  //
  // cardOrCount: the card of a pile move (a card of a tableau pile moves with
  // every card above it), otherwise the count, 1 when there is none.
  // True when the table changed.
  bool ExecuteMove(int cardOrCount, const TOperation& operation) override;
  // A press on the stock, dispatched by the game's stock rules.
  bool PressStock();

  bool CloseTableauGaps() { return gaps_.CloseTableauGaps(); }

  bool UndoMove() { return undo_.UndoMove(); }
  bool RedoMove() { return undo_.RedoMove(); }
  // Back to the table as dealt, with an empty history. The question to the
  // player and ending the current game belong to the caller.
  bool RestartGame() { return undo_.RestartGame(); }

  // What the legality test needs of this game besides the TMainGame entries.
  TMoveContext MoveContext(bool singleCard) const { return exec_.MoveContext(singleCard); }

  // The Autoplay switch as the window shows it (checked and enabled).
  bool AutoplayActive() const { return exec_.autoplayActive; }
  void SetAutoplay(bool on) { autoplay_.SetAutoplay(on); }
  void RunOpeningMoves() { autoplay_.RunOpeningMoves(); }
  // Empty piles refilled by the game's fill mode (rule slot 25); true when a
  // fill was attempted.
  bool AutoFillEmptyPiles() { return autoFill_.AutoFillEmptyPiles(); }
  bool TurnUp(int tableauIndex) { return turnUps_.TurnUp(tableauIndex); }

 private:
  // The automatic moves after a player's change, and one undo step for all.
  bool LeavePlayerStep(const TExecutorState::TStep& step, bool changed);
  bool Run(int cardOrCount, const TOperation& operation);
  bool RunStockOperation(const TStockOperation& operation);
  void AfterChange(const TOperation& operation);

  TExecutorState exec_;
  TCompletedRuns completedRuns_{exec_, *this};
  TTurnUps turnUps_{exec_};
  TCardMoves cardMoves_{exec_, completedRuns_, turnUps_};
  TRowDeals rowDeals_{exec_, completedRuns_};
  TStockTurns stockTurns_{exec_, rowDeals_};
  TRedeals redeals_{exec_, stockTurns_};
  TStockPress stockPress_{exec_, *this, stockTurns_, redeals_};
  TTableauGaps gaps_{exec_};
  TUndoCommands undo_{exec_};
  TAutoFill autoFill_{exec_, *this};
  TAutoplay autoplay_{exec_, *this, autoFill_, turnUps_};
};

}  // namespace tablerun
