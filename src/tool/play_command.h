// "play CODE NUMBER [GAMES.DAT] [--save FILE] < SCRIPT": a game played by a
// script of pointer actions, the table printed after each line; with --save
// the position the script reached is saved as the program saves a game.
#pragma once

namespace tablerun {

// argv[0] is "play". Prints each line, then the table as `deal` does; at the
// end the score, the moves made and whether the game was won or lost. Exits
// 1 at the first line with an unknown action, pile or card.
int fnPlayCommand(int argc, char** argv);

}  // namespace tablerun
