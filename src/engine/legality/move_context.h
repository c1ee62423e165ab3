// What a move brings to the legality test besides the table and the rules: the
// shape of the move and the few counters of the running game it depends on.
// Callers fill it; the legality functions never read the game state behind it.
#pragma once

#include "model/main_game.h"

namespace tablerun {

struct TMoveContext {
  // A single card, or the card with every card above it in its pile.
  bool singleCard = true;
  // The top card of the group being dragged (TMainGame entry 99); 0 for none.
  int draggedTopCard = 0;
  // 0 before the first move of the game, 1 after it, 2 after any later one (entry 95).
  int moveCounter = 0;
  // Which deal of the stock runs; 3 once the last redeal was reached (entry 77).
  int redealRound = 1;
  // 0 normal play, 1 tutor, 3 demo (entry 114).
  int tutorMode = 0;
  // Entry 122, read by family: the Draw-used flag, the suit of build code 123,
  // the pile last filled under build code 113.
  int familyValue = 0;
  // The stock-turn counter the move executor keeps (build code 40).
  int stockTurns = 0;
  // From the event log: tableau moves (kind 1) and whether a Draw or an
  // exchange (kind 4) was recorded.
  int tableauMovesLogged = 0;
  bool drawLogged = false;
};

// The context of a move in the running game, from the TMainGame entries that
// hold it; the counters of the move executor and the event log stay at their
// defaults until their owners fill them.
TMoveContext fnMoveContext(const TMainGame& mainGame, bool singleCard);

}  // namespace tablerun
