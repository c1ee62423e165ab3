// Starting a game the player chose: the one way every list, menu and dialog
// that names a game starts it.
#pragma once

#include <functional>
#include <string>

#include "engine/session/play_session.h"

namespace tablerun {

struct TChosenGame {
  int code = -1;
  std::string name;
  std::string player;
  bool newNumber = true;         // a newly drawn game number; otherwise the one already set
  bool savePreferences = false;  // remembered as the game to deal at the next start
};

// The window's operation: true when the game in progress was given up.
using TStartChosenGame = std::function<bool(const TChosenGame&)>;

struct TChosenStart {
  bool leftGame = false;  // the game in progress was given up
  bool deal = false;      // the chosen game is to be dealt (not when leaving ended in a win)
  bool gameChanged = false;
  bool playerChanged = false;
};

// Leaves the game in progress (unless it is the same game for the same player,
// still going) and makes the chosen game and player current. The window deals
// when asked to, then calls fnRememberChosenGame.
TChosenStart fnTakeChosenGame(TPlaySession& session, const TChosenGame& chosen);

// When asked: the game as the one to deal at the next start, with no place in the lists.
void fnRememberChosenGame(TTablerunState& state, const TChosenGame& chosen);

}  // namespace tablerun
