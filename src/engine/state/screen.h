// The one door from the core to the player's screen and speakers; the Qt window
// implements it, tests replace it with a recorder.
#pragma once

#include <string>

#include "config/messages.h"
#include "model/pile_names.h"

namespace tablerun {

class TScreen : public TMessages {
 public:
  virtual void PlaySound(const std::string& name, bool loop) = 0;
  virtual void StopSound() = 0;
  virtual void Beep() = 0;

  virtual void RequestRepaint() = 0;
  // `card`, with the cards that lay above it at `position` of `from`, has just
  // been put on `to`: the screen flies the picture across.
  virtual void ShowCardsMoved(int card, TPileRef from, int position, TPileRef to) = 0;

  // The score and the elapsed time ("h:nn:ss") in the window's tool bar row.
  virtual void ShowScore(int score) = 0;
  virtual void ShowElapsedTime(const std::string& text) = 0;
  // Runs until the player ends it with a key or a mouse button.
  virtual void RunWinningAnimation() = 0;
  // The "Game won" window.
  virtual void ShowGameWon() = 0;
  // A close asked for during the winning animation waits until it ends.
  virtual void CloseMainWindow() = 0;
  // The play-area pop-up menu, at a point of the table.
  virtual void ShowMainPopup(int x, int y) = 0;
};

}  // namespace tablerun
