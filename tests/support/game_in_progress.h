// A FreeCell deal in progress for Ann, with the leave-the-game question asked
// and three games won in this run; each game ended is recorded for its player.
#pragma once

#include <string>
#include <vector>

#include "engine/session/play_commands.h"
#include "support/fake_clock.h"
#include "support/game_state.h"

namespace tablerun::testing {

struct TGameInProgress : TGameState {
  static constexpr int kFreeCell = 1;
  TFakeClock clock;
  TPlaySession session{state, clock};
  std::vector<std::string> recordedFor;

  TGameInProgress() {
    session.endOfGame.SetResultRecorder(
        [this](const TGameResult&) { recordedFor.push_back(state.config.Read(cfg::kPlayer)); });
    state.config.Write(cfg::kPlayer, "Ann");
    state.config.Write(cfg::kConfirmQuitGame, "Y");
    state.config.Write(cfg::kSessionWon, "0003");
    ChooseGame(kFreeCell);
    bool autoplay = false;
    EXPECT_TRUE(fnDealGame(session, fnMaximisedWindowMetrics(1024, 768, 'B', 9), autoplay, true, 0).started);
  }
};

}  // namespace tablerun::testing
