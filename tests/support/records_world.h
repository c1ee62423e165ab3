// A program state whose data folder is a fresh temporary folder, playing
// Klondike as "Ann", for the tests of the statistics files. Its file system
// can be told to fail a step of every rewrite.
#pragma once

#include <string>

#include "config/text.h"

#include "model/main_game_entries.h"
#include "records/game_recording.h"
#include "records/records_of_state.h"
#include "support/built_in_games.h"
#include "support/failing_file_system.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun::testing {

inline const TDateTime kSecondOfMarch{2005, 3, 2, 14, 5, 9};

struct TRecordsWorld {
  TTempFolder folder;
  TFailingFileSystem fs{TStep::None};
  TRecordingScreen screen;
  TTablerunState state{fs, screen};

  TRecordsWorld() {
    state.dataFolder = folder.Path();
    state.customGames.SetDataFolder(folder.Path());
    state.mainGame.Catalogue() = BuiltInCatalogue();
    ChooseGame(0);
    Play("Ann", 0);
    state.config.Write(cfg::kScoreKind, "01");
    state.config.Write(cfg::kGameNumber, "12345");
    fnResetSessionCounters(state.config);
    state.mainGame.Set(entries::kStatisticsEligible, 1);
  }

  void ChooseGame(int code) {
    state.config.Write(cfg::kGame, fnZeroFill(code, 4));
    state.config.Write(cfg::kGameName, state.mainGame.Catalogue().NameOf(code, state.customGames));
  }

  void Play(const std::string& player, int score) {
    state.config.Write(cfg::kPlayer, player);
    state.config.Write(cfg::kScore, std::to_string(score));
  }

  TRecordedGame Record(bool won, int seconds = 90, const TDateTime& end = kSecondOfMarch) {
    return fnRecordFinishedGame(state, {.won = won, .eligible = true, .elapsedSeconds = seconds, .end = end});
  }

  TRecordsFolder Files() { return fnRecordsFolder(state); }
};

}  // namespace tablerun::testing
