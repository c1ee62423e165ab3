// The main window's commands that deal, leave, restart or load a game, and the
// Autoplay switch, in the order the play engine needs them. The window only
// chooses files and draws the result.
#pragma once

#include <optional>
#include <string>

#include "engine/deal/game_setup.h"
#include "engine/session/play_session.h"
#include "model/layout.h"

namespace tablerun {

// What the window must follow after a game became current.
struct TCurrentGame {
  bool started = false;
  // Set when the rules were loaded again (another game or a loaded file).
  std::optional<TSetupResult> setUp;
};

// Deals the current game (configuration position 62) and starts its clock.
// otherGame: the game changed, so its rules are read afresh. numberMode 2
// draws a new game number; otherwise position 153 is dealt again.
// autoplaySwitch is the check mark of the Autoplay command, which the new
// game may change. The deal still has to be shown; then fnDealShown.
TCurrentGame fnDealGame(TPlaySession& session, const TLayoutMetrics& metrics, bool& autoplaySwitch, bool otherGame,
                        int numberMode = 2);
// The deal is on the screen: the fills and Autoplay that follow a deal, and
// the clock from zero.
void fnDealShown(TPlaySession& session);

enum class TLeaving { Stayed, Left, LeftWon };
// The leave-the-game confirmation, then the end of the game in progress.
TLeaving fnLeaveGame(TPlaySession& session, const std::string& question = "");

// "Restart this game?", then the table as dealt with the clock from zero.
bool fnRestartGame(TPlaySession& session);

// A saved game read from `path` becomes the current game. The file is checked
// whole before the game in progress is left, so a damaged file costs nothing.
TCurrentGame fnLoadGame(TPlaySession& session, const std::string& path, const TLayoutMetrics& metrics,
                        bool& autoplaySwitch);

// "Go to bookmark?" with the clock continuing from the bookmark's time.
bool fnGoToBookmarkCommand(TPlaySession& session);

// Whether a game is chosen to be dealt: configuration position 62 holds a code.
bool fnGameChosen(const TTablerunState& state);
// The player chose game `code` (from the games menu): it is the game to deal, under its name.
void fnChooseGame(TTablerunState& state, int code);

// With one switch for all games (TMainGame entry 109 = 1) the switch as the
// player left it, on unless turned off; otherwise `current`.
bool fnRememberedAutoplaySwitch(const TTablerunState& state, bool current);
// Keeps the switch for the next run where one switch serves all games.
void fnRememberAutoplaySwitch(TTablerunState& state, bool on);

// The Autoplay switch the current game asks for, given the switch as it is:
// in games that allow Autoplay, on (TMainGame entry 109 = 3) or the game's own
// setting (109 = 2); otherwise unchanged.
bool fnAutoplaySwitchForGame(const TTablerunState& state, bool current);
// The player flipped the switch: Autoplay plays at once when on, and the
// switch is remembered per game where that is the mode.
void fnToggleAutoplay(TPlaySession& session, bool on);
// Autoplay can finish a game by itself (switched on, or running over a loaded
// game): the game then ends won, as after the player's own last move.
void fnEndIfWon(TPlaySession& session);

}  // namespace tablerun
