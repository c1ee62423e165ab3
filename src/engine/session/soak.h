// Headless play soak: random legal moves, stock presses and redeals on real
// deals, with the automatic moves on (Autoplay every other deal), checking after every step that no card
// was lost or doubled, and at the end of each deal that a saved game, undo
// and redo bring back exactly what was played.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/catalogue.h"

namespace tablerun {

struct TSoakOptions {
  int deals = 3;
  // Player's actions per deal; a deal with nothing left to do ends sooner.
  int moves = 200;
  std::uint64_t seed = 1;
};

struct TSoakReport {
  int deals = 0;
  int moves = 0;
  // One line per failed deal: the game number, the step and what went wrong.
  std::vector<std::string> failures;
};

// Plays the built-in game `code` of the catalogue. Deterministic for a seed.
TSoakReport fnSoakGame(const TCatalogue& catalogue, int code, const TSoakOptions& options);

}  // namespace tablerun
