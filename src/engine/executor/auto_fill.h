// Automatic filling of empty piles, by the game's fill mode (rule slot 25).
#pragma once

#include "engine/executor/executor_state.h"

namespace tablerun {

class TAutoFill {
 public:
  TAutoFill(TExecutorState& exec, TMoveEntry& moves) : exec_(exec), state_(exec.state), moves_(moves) {}

  // Merged into the step before it; true when a fill was attempted.
  bool AutoFillEmptyPiles();

 private:
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

  TExecutorState& exec_;
  TTablerunState& state_;
  TMoveEntry& moves_;
};

}  // namespace tablerun
