// Pointer input on the table: the window forwards its mouse events here and
// paints what Picture() describes. A press lifts a card (or the group it
// heads), a release over other piles drops it on the best of them, clicks
// move cards by the player's click preferences, and with drag and drop off a
// first click selects and a second click chooses the destination.
#pragma once

#include "engine/end/end_of_game.h"
#include "engine/executor/executor.h"
#include "engine/pointer/hit_test.h"
#include "engine/pointer/play_moves.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

enum class TMouseButton { Left, Right, Middle };

// What the window draws of the pointer's work.
struct TPointerPicture {
  int card = 0;          // the lifted card, the bottom one of a group; 0 when none
  int topCard = 0;       // the group's top card
  TRect dragged;         // where the lifted cards are drawn now
  int revealedCard = 0;  // drawn whole over its pile while the right button is held
  TRect revealed;
  int selectedCard = 0;  // click-click mode: the card the first click chose
};

class TPointerInput {
 public:
  TPointerInput(TTablerunState& state, TMoveExecutor& executor, TEndOfGame& endOfGame)
      : state_(state), executor_(executor), endOfGame_(endOfGame), moves_(state, executor) {}

  void MouseDown(TMouseButton button, bool ctrl, int x, int y);
  void MouseMove(int x, int y);
  void MouseUp(TMouseButton button, int x, int y);
  // The second press of a double click, delivered in place of its MouseDown;
  // its release still comes as MouseUp.
  void DblClick(int x, int y);

  const TPointerPicture& Picture() const { return picture_; }
  TPlayMoves& Moves() { return moves_; }

 private:
  struct TLift {
    bool single = true;
    TRect lifted;  // the card or group where it lay
    int grabDx = 0;
    int grabDy = 0;
  };

  int Entry(TMainGameEntry entry) const { return state_.mainGame.Get(entry); }
  void SetEntry(TMainGameEntry entry, int value) { state_.mainGame.Set(entry, static_cast<int16_t>(value)); }
  int Rule(TRuleSlot slot) const { return state_.rules.Get(slot); }
  bool ClickClickMode() const;
  void Refuse();

  // What a left press on a pile does besides lifting.
  enum class TPressAnswer { Lift, TurnedUp, Redealt, Refused };

  void Press(TMouseButton button, bool ctrl, const THit& hit);
  void Lift(const THit& hit);
  // A face-down top card is turned up and an empty waste may redeal instead
  // of a lift.
  TPressAnswer AnswerPress(const THit& hit);
  void Reveal(const THit& hit);
  void Drop(int x, int y);
  void ClearHand();
  void ClearSelection();
  // After every action: the score, and the end of a game the action won.
  void Finish();

  TTablerunState& state_;
  TMoveExecutor& executor_;
  TEndOfGame& endOfGame_;
  TPlayMoves moves_;
  TLift lift_;
  TPointerPicture picture_;
};

}  // namespace tablerun
