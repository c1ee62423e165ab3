// The move executor: the one operation through which play changes the table,
// a card put on a pile or an operation of the stock (operation.h). Moves reach it already judged legal; it records undo,
// changes the piles, plays the sounds, keeps the move counter and the
// statistics eligibility, and asks the end-of-game test after each move.
//
// It also owns what play keeps beside the table: the undo history, the
// stock-turn counter, the undo, redo and restart commands, and the automatic
// moves that follow the player's actions.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/executor/operation.h"
#include "engine/legality/move_context.h"
#include "engine/state/table_view.h"
#include "engine/history/undo_history.h"

namespace tablerun {

class TTablerunState;

// The end of the game plugs its tests in here (TEndOfGame::Hooks); without
// them no position counts as won and no lost test runs.
struct TEndOfGameHooks {
  // Whether the position is won. The executor sets runtime flag 8 from it
  // after every move that can complete a game; it must not change the table.
  std::function<bool()> isGameWon;
  // Runs after an undo, a redo and a restart: a family may find the game lost.
  std::function<void()> runLostTest;
};

class TMoveExecutor {
 public:
  explicit TMoveExecutor(TTablerunState& state) : state_(state) {}
  TMoveExecutor(const TMoveExecutor&) = delete;
  TMoveExecutor& operator=(const TMoveExecutor&) = delete;

  void SetEndOfGameHooks(TEndOfGameHooks hooks) { hooks_ = std::move(hooks); }
  TUndoHistory& History() { return history_; }
  const TUndoHistory& History() const { return history_; }
  int StockTurns() const { return stockTurns_; }
  void SetStockTurns(int turns) { stockTurns_ = turns; }

  // A new deal starts without history; its first recorded step is the dealt table.
  void StartGame();

  // ExecuteMove and PressStock are the player's actions: called from outside,
  // a change is followed by the automatic fills and, with Autoplay on, the
  // Autoplay rounds, and all of it is one undo step.
  //
  // cardOrCount: the card of a pile move (a card of a tableau pile moves with
  // every card above it), otherwise the count, 1 when there is none.
  // True when the table changed.
  bool ExecuteMove(int cardOrCount, const TOperation& operation);
  // A press on the stock, dispatched by the game's stock rules. A redeal takes
  // two presses: the first marks the stock (TMainGame entry 93), the second,
  // on release, redeals.
  bool PressStock();
  // Takes the tableau in and deals it again by redeal style (rule slot 17);
  // false when the style found nothing to move.
  bool GatherRedeal();

  // Moves the last tableau piles into the gaps before them; says so when
  // there is no gap to close.
  bool CloseTableauGaps();

  bool UndoMove();
  bool RedoMove();
  // Back to the table as dealt, with an empty history. The question to the
  // player and ending the current game belong to the caller.
  bool RestartGame();

  // What the legality test needs of this game besides the TMainGame entries.
  TMoveContext MoveContext(bool singleCard) const;

  // The Autoplay switch as the window shows it (checked and enabled).
  bool AutoplayActive() const { return autoplayActive_; }
  // Switched on during a game, Autoplay plays at once, as an undo step of its own.
  void SetAutoplay(bool on);

  // Automatic moves (auto_fill.cpp, autoplay.cpp, completed_run.cpp). Each
  // merges what it changed into the undo step before it.
  // Empty piles refilled by the game's fill mode (rule slot 25); true when a
  // fill was attempted.
  bool AutoFillEmptyPiles();
  // Every face-down tableau top card turned up, where the game and the
  // "Automatic_FaceUp" setting allow.
  bool TurnUpTableauTops();
  // A complete run of thirteen on tableau pile i (0-based) to the first empty
  // foundation that collects runs.
  bool TransferCompletedRun(int tableauIndex);
  // Rounds over reserves, waste and tableau sending top cards to the
  // foundations; true when a card moved. Needs TMainGame entry 92 (the deal
  // has been shown) and Autoplay or the tutor.
  bool AutoplayPass();
  // Autoplay and the fills in turn until Autoplay finds nothing.
  void RunAutoplay();
  // After a new deal has been shown: the fills and Autoplay. The table they
  // leave counts as the dealt one, and the player has not moved yet.
  void RunOpeningMoves();
  // A face-down top card of tableau pile i turned up, recorded for undo.
  bool TurnUp(int tableauIndex);

 private:
  // A player's action, or an automatic move inside it: `mark` is the undo
  // stack's size when it began.
  struct TStep {
    int mark;
    bool outermost;
  };
  TStep EnterStep();
  // The automatic moves after a player's change, and one undo step for all.
  bool LeavePlayerStep(const TStep& step, bool changed);
  // An automatic move called on its own becomes part of the step before it;
  // inside an action the action's step takes it in.
  void LeaveAutomaticStep(const TStep& step);
  struct TDealTarget {
    TPileRef pile;
    int flag;  // the pile's deal flag as this deal reads it
  };

  int Rule(TRuleSlot slot) const;
  int Entry(TMainGameEntry entry) const;
  void SetEntry(TMainGameEntry entry, int value);
  TTableView View() const;
  int TableauPiles() const { return View().TableauPiles(); }
  int Reserves() const { return View().Reserves(); }
  void PlaySound(TConfigField sound, const char* name);
  void RecordUndo();
  void UpdateWonFlag();
  bool NormalPlay() const;

  bool Run(int cardOrCount, const TOperation& operation);
  bool RunStockOperation(const TStockOperation& operation);
  bool PutOnPile(int card, const TPileMove& move);
  void AfterChange(const TOperation& operation);

  // Moves to piles (executor.cpp).
  std::optional<TCardPlace> Locate(int card) const;
  // The card's codes taken off its pile: the card alone, or with the cards above it.
  std::string Take(const TCardPlace& place, bool withCardsAbove);
  void Append(TPileRef pile, int card, TCardFace face);
  bool MoveToPile(int card, TPileRef to, bool autoplay);
  void SortFoundation(TPileRef pile);

  // Stock turns and deals (stock_operations.cpp).
  int TakeStockTop();
  int StockSize() const;
  bool TurnOrRedeal(bool toSecondWaste);
  bool TurnStock(bool toSecondWaste);
  void DiscardLastUndo();
  bool Deal(const TStockOperation& deal);
  std::vector<TDealTarget> DealTargets(const TStockOperation& deal) const;
  bool DealInto(const std::vector<TDealTarget>& targets);
  // Several deals that count as one step for undo.
  // logStockTurn: the step advances the stock-turn counter.
  bool DealSteps(const std::vector<TStockOperation>& deals, bool logStockTurn);
  bool PressDealingStock();
  bool PressTurningStock();
  bool DealToShortPiles();
  bool RedealAllowed() const;

  // Gaps in the tableau (tableau_gaps.cpp).
  bool RefillGapsFromStock(bool record);
  bool CloseGapsInOrder();
  // The pile whole onto the empty pile `to`.
  void MovePile(int from, int to);

  // Redeals (redeal.cpp).
  bool TurnOverRedeal();
  void PourWasteIntoStock();
  bool GatheringRedeal();
  // Empties the pile; its cards top card first.
  std::vector<int> TakeAll(TPileRef pile);
  // Every tableau pile in turn, each top card first.
  std::vector<int> GatherTableau(bool lastPileFirst);
  bool GatherAndDealBack(int style);
  std::vector<int> GatherForDealing(int style);
  void DealBack(int style, const std::vector<int>& order);
  void DealBackInTurn(int style, const std::vector<int>& order);
  void ClockDealBack(const std::vector<int>& order);
  void LeadingRunDealBack(const std::vector<int>& order);
  void UnderWasteDealBack(const std::vector<int>& order);
  std::vector<int> AcesFirst(std::vector<int> order);

  // Redeal styles that deal nothing back (redeal_steps.cpp).
  bool OntoStockGroup(int style);
  bool BottomCardsToTop();
  bool Sow();
  bool PassTopCards();
  bool WasteToReserves();

  // Undo, redo and restart (undo_move.cpp).
  bool StepBack(bool undo);

  // Automatic fills (auto_fill.cpp).
  bool FillPreconditionsHold(int mode) const;
  bool FillTableauPile(int mode, int i);
  bool FillAfterPass(int mode);
  // The top card of `from` onto `to`; false when `from` is empty.
  bool FillFrom(TPileRef from, TPileRef to, TCardFace face = TCardFace::Up);
  // The waste's top card, or the stock's when the waste is empty (or the
  // other way round).
  bool FillFromWasteOrStock(TPileRef to);
  bool FillFromStockOrWaste(TPileRef to);
  // Up to `count` cards, one after another.
  void FillSeveral(TPileRef to, int count, bool wasteFirst, int faceDownCount);
  bool FillFromPartner(int i);
  bool FillAllButOne();
  bool FillHoles();
  // Piles numbered up to rule slot 27 × rule slot 28 are left alone by some modes.
  int RowPiles() const;

  // Autoplay (autoplay.cpp).
  bool TryToFoundation(int card);
  bool AutoplayReserves(bool tutor);
  bool AutoplayTableau(bool tutor, bool withReserves, bool& stopped);
  bool StopRequested() const;

  TTablerunState& state_;
  TUndoHistory history_;
  TEndOfGameHooks hooks_;
  int stockTurns_ = 0;
  // How deep in ExecuteMove and PressStock calls the executor runs.
  int depth_ = 0;
  bool autoplayActive_ = false;
};

}  // namespace tablerun
