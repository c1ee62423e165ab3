// "games compile | list | show": the games list from the tool's side.
#pragma once

#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/game_rules.h"

namespace tablerun {

// games compile DEFINITIONS_FOLDER OUTPUT_FILE
int fnGamesCompile(const std::string& folder, const std::string& output);
// games list [GAMES.DAT]
int fnGamesList(const std::string& gamesFile);
// games show CODE [GAMES.DAT]
int fnGamesShow(int code, const std::string& gamesFile);

// GAMES.DAT beside the tool.
std::string fnDefaultGamesFile();

// The games list and one built-in game's rules from a GAMES.DAT; false, after
// saying why on the error stream, when either cannot be read.
bool fnLoadGamesList(const std::string& gamesFile, TCatalogue& catalogue);
bool fnLoadGameRules(const std::string& gamesFile, int code, TGameRules& rules);

}  // namespace tablerun
