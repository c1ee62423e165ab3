// The cards a saved game may hold: exactly those a deal of its game holds,
// each once, on the table and in every undo step. A crafted file with extra,
// doubled or foreign cards would otherwise become a table no game can have.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/saved/saved_game.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

// The cards a deal of the game with that number holds, sorted; nothing when
// the game's rules cannot be read or its deck comes out incomplete. The
// running game is left alone.
std::optional<std::vector<int>> fnDealtCards(const TTablerunState& state, int gameCode, const std::string& gameNumber);

// Why the saved game cannot be the game whose deal holds `dealt`; nothing
// when the table and every undo step hold exactly those cards.
std::optional<std::string> fnSavedDeckProblem(const TSavedGame& saved, const std::vector<int>& dealt);

// Both: the saved game checked against its own game (`gameCode`) and number.
std::optional<std::string> fnCheckSavedDeck(const TTablerunState& state, const TSavedGame& saved, int gameCode,
                                            const std::string& gameNumber);

}  // namespace tablerun
