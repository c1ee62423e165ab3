// The process-wide state of the program in one owner: created once at start-up
// and handed around by reference, so that each test can build a fresh one.
#pragma once

#include <memory>
#include <random>
#include <string>

#include "config/config_record.h"
#include "config/data_folders.h"
#include "config/file_system.h"
#include "config/ini_file.h"
#include "config/preferences.h"
#include "engine/state/runtime.h"
#include "engine/state/screen.h"
#include "model/card_status_table.h"
#include "model/custom_games.h"
#include "model/game_rules.h"
#include "model/main_game.h"
#include "model/table.h"

namespace tablerun {

class TTablerunState {
 public:
  TTablerunState(TFileSystem& fileSystem, TScreen& screenToUse) : fs(fileSystem), screen(screenToUse) {}
  TTablerunState(const TTablerunState&) = delete;
  TTablerunState& operator=(const TTablerunState&) = delete;

  TFileSystem& fs;
  TScreen& screen;

  TConfigRecord config;
  TGameRules rules;
  TCardStatusTable cards;
  TTable table{cards, rules};
  TMainGame mainGame;
  TRuntime runtime;
  TCustomGames customGames{fs, ""};
  // New game numbers, random games and appearances; seeded from the clock at start-up.
  std::mt19937_64 random;

  std::string programFolder;  // ends in "/"
  std::string dataFolder;     // ends in "/"
  TUserFolders userFolders;
  TDisplayInfo display;
  // The current game's bookmark file, whole: a 200-character field would cut
  // a long temporary folder's path.
  std::string bookmarkFile;
  // The preference store, open from start-up to the end.
  std::unique_ptr<TIniFile> store;
};

}  // namespace tablerun
