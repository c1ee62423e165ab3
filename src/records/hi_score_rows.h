// What the hi-score window's grid shows of a table: one row per rank.
#pragma once

#include <string>
#include <vector>

#include "records/hi_score_table.h"

namespace tablerun {

// Every field is empty for an unused rank.
struct THiScoreRow {
  std::string rank;  // two digits
  std::string player;
  std::string score;       // without leading zeros
  std::string time;        // hours in one character
  std::string result;      // "Won " or "Lost"
  std::string date;        // "yyyymmdd", for the window to show in the system's short form
  std::string gameNumber;  // the first 13 characters of the field
};

std::vector<THiScoreRow> fnHiScoreRows(const THiScoreTable& table);

// The two digits of the "N." column, rank 0 the first.
std::string fnRankText(std::size_t rank);

}  // namespace tablerun
