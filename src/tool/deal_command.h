// "deal CODE NUMBER [GAMES.DAT]": the table of a game as a new game deals it.
#pragma once

namespace tablerun {

// argv[0] is "deal"; prints one line per pile of the game, "Fila07: 0121…",
// each position as its card code and face digit ("0000" for a hole).
int fnDealCommand(int argc, char** argv);

}  // namespace tablerun
