// A whole program state for set-up and deal tests: the built-in games list,
// a preference store kept in memory and a recording screen.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "config/text.h"
#include "engine/deal/game_number.h"
#include "engine/state/tablerun_state.h"
#include "support/built_in_games.h"
#include "support/recording_screen.h"

namespace tablerun::testing {

struct TGameState {
  TPosixFileSystem fs;
  TRecordingScreen screen;
  TTablerunState state{fs, screen};

  TGameState() {
    state.customGames.SetDataFolder("/nonexistent/");
    state.mainGame.Catalogue() = BuiltInCatalogue();
    state.store = std::make_unique<TIniFile>(fs, screen, "/nonexistent/Cfg.dat", TIniFile::TAccess::InspectOnly);
    state.config.Write(cfg::kGameNumber, "1");
    state.config.Write(cfg::kCardSize, "B");
    state.config.Write(cfg::kCardSet, "001");
  }

  void ChooseGame(int code) {
    state.config.Write(cfg::kGame, fnZeroFill(code, 4));
    state.config.Write(cfg::kGameName, state.mainGame.Catalogue().NameOf(code, state.customGames));
  }

  // Rules given slot by slot, on top of a single 52-card deck.
  void SetRules(const std::map<TRuleSlot, int>& given) {
    state.rules.Clear();
    state.rules.Set(rule::kCards, 52);
    for (const auto& [slot, value] : given) state.rules.Set(slot, static_cast<int16_t>(value));
  }
};

}  // namespace tablerun::testing
