// The random appearance at start-up and at a new game: a card set, a back and
// a background drawn from the pool file Rnd_cfg.dat that the player filters.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/state/tablerun_state.h"

namespace tablerun {

inline constexpr int kCustomizedEntry = -102;
inline constexpr int kAddOnEntry = -103;

struct TPoolEntry {
  std::string name;
  char size = ' ';  // card sets only: the size letter, blank when unknown
  int number = 0;
};

struct TRandomPool {
  std::vector<TPoolEntry> cards, decks, backgrounds;
};

// What changed, so that the pictures can follow.
struct TRandomChanges {
  bool background = false;
  bool deck = false;
  bool cards = false;
};

// "Rnd_read.dat" is missing, or the add-on library (its date yyyymmdd, 0 when
// absent) is newer than "Plus_Date", which then takes its date.
bool fnRandomPoolIsStale(TTablerunState& state, int addOnDate);

// Everything the player could choose: the built-in lists, the player's own
// files and the add-on pack. `crsLetter` tells the size letter of a .crs file.
TRandomPool fnOfferedAppearances(TTablerunState& state, const std::function<char(const std::string& path)>& crsLetter);

// Rewrites the three sections whole, keeping each entry's stored flag (new
// entries take part), and creates "Rnd_read.dat".
void fnWriteRandomPool(TTablerunState& state, const TRandomPool& pool);

// Draws from the pool for each option that is on and writes the choice into the
// record and the store.
TRandomChanges fnChooseRandomAppearance(TTablerunState& state);

}  // namespace tablerun
