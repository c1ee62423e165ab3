// A built-in game dealt as the program deals it, played through a play
// session on a hand-set clock, with the results it hands to the recorder.
#pragma once

#include <string>
#include <vector>

#include "engine/deal/game_start.h"
#include "engine/end/score.h"
#include "engine/session/play_session.h"
#include "support/fake_clock.h"
#include "support/game_state.h"

namespace tablerun::testing {

struct TPlayedGame : TGameState {
  TPlayedGame(int code, const std::string& number) {
    ChooseGame(code);
    state.config.Write(cfg::kGameNumber, number);
    state.config.Write(cfg::kScoreKind, "01");
    const TGameStart start{.deal = true, .animate = false, .numberMode = 0, .quiet = true};
    started = fnStartGame(state, start, fnMaximisedWindowMetrics(1024, 768, 'B', 9)).started;
    session.endOfGame.SetResultRecorder([this](const TGameResult& result) { results.push_back(result); });
    session.BeginGame();
  }

  std::string Pile(TPileRef pile) const { return state.table.Pile(pile); }

  TFakeClock clock;
  TPlaySession session{state, clock};
  std::vector<TGameResult> results;
  bool started = false;
};

}  // namespace tablerun::testing
