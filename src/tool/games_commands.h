// "games compile | list | show": the games list from the tool's side.
#pragma once

#include <string>
#include <vector>

namespace tablerun {

// games compile DEFINITIONS_FOLDER OUTPUT_FILE
int fnGamesCompile(const std::string& folder, const std::string& output);
// games list [GAMES.DAT]
int fnGamesList(const std::string& gamesFile);
// games show CODE [GAMES.DAT]
int fnGamesShow(int code, const std::string& gamesFile);

// GAMES.DAT beside the tool.
std::string fnDefaultGamesFile();

}  // namespace tablerun
