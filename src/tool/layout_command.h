// "layout CODE [options]": where every pile of a game lies for given metrics.
#pragma once

namespace tablerun {

// argv[0] is "layout"; prints "Name X Y" per placed pile, then the fan steps.
int fnLayoutCommand(int argc, char** argv);

}  // namespace tablerun
