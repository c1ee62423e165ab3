// "moves CODE NUMBER": every legal card move of a game's opening position.
#pragma once

namespace tablerun {

// argv[0] is "moves"; prints "<source> <position> -> <destination>" lines, sorted.
int fnMovesCommand(int argc, char** argv);

}  // namespace tablerun
