#include "engine/end/end_of_game.h"

#include "engine/end/game_won.h"
#include "engine/end/score.h"
#include "engine/saved/saved_game.h"
#include "model/main_game_entries.h"

namespace tablerun {
TEndOfGameHooks TEndOfGame::Hooks() const {
  return {.isGameWon = [this] { return fnIsGameWon(state_); }, .runLostTest = {}};
}

bool TEndOfGame::MayLeaveGame(const std::string& question) {
  if (state_.runtime.Flag(TRuntimeFlag::WinningAnimation)) return false;
  if (!state_.config.IsYes(cfg::kConfirmQuitGame)) return true;
  if (!state_.runtime.Flag(TRuntimeFlag::GameInProgress) || state_.runtime.Flag(TRuntimeFlag::GameJustWon)) {
    return true;
  }
  const std::string text = question.empty() ? "Quit this game?" : question;
  return state_.screen.ShowMessage(TMessageKind::Question, text, TMessageButtons::OkCancel) == TMessageAnswer::Ok;
}

bool TEndOfGame::EndGame() {
  TRuntime& runtime = state_.runtime;
  if (!runtime.Flag(TRuntimeFlag::GameInProgress)) return false;
  if (const int target = state_.rules.Get(rule::kWinningScore); target != 0) {
    fnUpdateScore(state_);
    runtime.SetFlag(TRuntimeFlag::GameJustWon, fnStoredScore(state_) >= target);
  }
  const bool won = runtime.Flag(TRuntimeFlag::GameJustWon);
  clock_.Stop();
  const TGameResult result{.won = won,
                           .eligible = Entry(entries::kStatisticsEligible) != 0 && Entry(entries::kStatisticsOff) != 1,
                           .elapsedSeconds = clock_.RecordedSeconds(),
                           .end = clock_.Clock().LocalNow()};
  fnDeleteBookmark(state_);
  // Recorded before the animation, so closing the window during it cannot lose the game.
  if (recorder_) recorder_(result);

  state_.mainGame.Set(entries::kCardInHand, 0);
  state_.mainGame.Set(entries::kGroupTop, 0);
  state_.screen.ShowElapsedTime(fnElapsedText(clock_.ElapsedSeconds()));
  runtime.SetFlag(TRuntimeFlag::GameJustWon, false);
  runtime.SetFlag(TRuntimeFlag::GameInProgress, false);
  runtime.SetFlag(TRuntimeFlag::StopRequest, true);
  state_.mainGame.Set(entries::kCloseDuringAnimation, 0);

  if (won) {
    if (state_.config.IsYes(cfg::kSoundGameWon)) state_.screen.PlaySound("Won", false);
    runtime.SetFlag(TRuntimeFlag::WinningAnimation, true);
    state_.screen.RunWinningAnimation();
    runtime.SetFlag(TRuntimeFlag::WinningAnimation, false);
  }
  if (Entry(entries::kCloseDuringAnimation) == 1) {
    state_.mainGame.Set(entries::kCloseDuringAnimation, 0);
    state_.screen.CloseMainWindow();
    return won;
  }
  if (won && !runtime.Flag(TRuntimeFlag::GameInProgress) && Entry(entries::kSeriesGame) < 1)
    state_.screen.ShowGameWon();
  return won;
}

bool TEndOfGame::CloseRequested() {
  if (state_.runtime.Flag(TRuntimeFlag::WinningAnimation)) {
    state_.mainGame.Set(entries::kCloseDuringAnimation, 1);
    return false;
  }
  EndGame();
  return true;
}

}  // namespace tablerun
