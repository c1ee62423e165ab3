// "deck NUMBER [--cards N] [--jokers N] [--stripped 0|1|2]": the deck of a game number.
#pragma once

namespace tablerun {

// argv[0] is "deck"; prints the deck, index 0 first, as three-digit codes.
int fnDeckCommand(int argc, char** argv);

}  // namespace tablerun
