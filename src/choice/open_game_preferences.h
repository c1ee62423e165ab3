// What the open-a-game dialog keeps in the "Preference" section: the list
// shown last, where its last chosen game sat, and the two switches.
#pragma once

#include <string>

#include "config/ini_file.h"

namespace tablerun {

inline constexpr int kNoTreeNum = -30;

struct TOpenGamePreferences {
  int listMode = 0;          // "Game_TreeType"; outside 0-4 no list is switched
  int treeNum = kNoTreeNum;  // "Game_TreeNum": the group of the last chosen game
  int treePos = -1;          // "Game_TreePos": that game's index over the whole list
  bool preview = true;       // "Open_Preview_Game"
  bool showWonLost = false;  // "Open_Show_Won_Lost"
};

TOpenGamePreferences fnReadOpenGamePreferences(const TIniFile& store);

// The game chosen with OK and where it sat.
struct TOpenGameChoice {
  int code = -1;
  std::string name;
  int treeNum = kNoTreeNum;
  int treePos = -1;
  int listMode = 0;
  bool showWonLost = false;
};

void fnWriteOpenGameChoice(TIniFile& store, const TOpenGameChoice& choice);

}  // namespace tablerun
