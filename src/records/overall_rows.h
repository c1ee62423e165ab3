// What the "Overall Score" windows show: the champions' rows and, for one
// player, the best of every game with the totals.
#pragma once

#include <string>
#include <vector>

#include "records/overall_scores.h"

namespace tablerun {

struct TChampionRow {
  std::string rank;  // two digits
  std::string player;
  std::string score;
  std::string time;  // hours in two characters
};

std::vector<TChampionRow> fnChampionRows(const std::vector<TRankedPlayer>& ranking);

// The score that counts as the game's best possible: its largest score, or
// four times its cards when it names none.
std::int64_t fnGameMaximum(const TBuiltInGame& game);

struct TDetailsRow {
  int gameCode = 0;
  std::string game;
  std::string score;  // empty when 0
  std::string max;    // "Yes" when the best reaches the game's maximum
  std::string time;   // hours in one character; empty when 0
};

// The games by name; `belowMaxOnly` leaves out those whose maximum was reached.
std::vector<TDetailsRow> fnDetailsRows(const TGameBests& bests, bool belowMaxOnly);

// The overall score and time of every game, also those the rows leave out.
struct TDetailsTotals {
  std::string score;
  std::string time;  // hours in two characters
};
TDetailsTotals fnDetailsTotals(const TGameBests& bests);

}  // namespace tablerun
