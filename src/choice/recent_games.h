// The last games and game numbers dealt, as the preference store keeps them:
// twenty entries each, the newest first.
#pragma once

#include <string>
#include <vector>

#include "config/ini_file.h"
#include "model/catalogue.h"

namespace tablerun {

inline constexpr std::size_t kRecentEntries = 20;

// Game codes up to the first empty or damaged entry.
std::vector<int> fnReadLastPlayed(const TIniFile& store);
// A game already in the list keeps its place; otherwise it goes first and the
// oldest drops out. True when the list changed.
bool fnRecordDealtGame(TIniFile& store, int code);
void fnRemoveLastPlayed(TIniFile& store, int code);

std::vector<std::string> fnReadGameNumbers(const TIniFile& store);
// A number dealt again moves to the front.
void fnRecordGameNumber(TIniFile& store, const std::string& number);

struct TRecentGame {
  std::string name;
  int type = -1;
  int code = -1;
  bool operator==(const TRecentGame&) const = default;
};
// The games of the codes that still have a name, by name without regard to case.
std::vector<TRecentGame> fnRecentGames(const std::vector<int>& codes, const TCatalogue& catalogue,
                                       const TCustomGames& custom);

}  // namespace tablerun
