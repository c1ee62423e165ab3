#include "engine/session/play_commands.h"

#include "config/preferences.h"
#include "config/text.h"
#include "engine/deal/game_number.h"
#include "engine/deal/game_start.h"
#include "engine/end/score.h"
#include "engine/executor/autoplay_preference.h"
#include "engine/saved/saved_deck.h"
#include "engine/saved/saved_game.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";
constexpr int kAutoplayOneSwitch = 1;
constexpr int kAutoplayPerGame = 2;
constexpr int kAutoplayEveryGame = 3;

int fnCurrentCode(const TTablerunState& state) { return fnCurrentGameCode(state.config); }

bool fnAutoplayAllowed(const TTablerunState& state) { return state.rules.Get(rule::kAutoplayAvailable) != 0; }

// A game became current: Autoplay as this game wants it, before anything plays.
void fnFollowGameAutoplay(TPlaySession& session, bool& autoplaySwitch) {
  autoplaySwitch = fnAutoplaySwitchForGame(session.state, autoplaySwitch);
  session.executor.SetAutoplay(autoplaySwitch && fnAutoplayAllowed(session.state));
}

}  // namespace

TCurrentGame fnDealGame(TPlaySession& session, const TLayoutMetrics& metrics, bool& autoplaySwitch, bool otherGame,
                        int numberMode) {
  TTablerunState& state = session.state;
  // A game still in progress ends before the new deal, so it is recorded.
  session.endOfGame.EndGame();
  if (otherGame) state.rules.Clear();
  const TGameStart start{.deal = true, .animate = true, .numberMode = numberMode, .quiet = false};
  const TStartResult result = fnStartGame(state, start, metrics);
  if (!result.started) return {.started = false, .setUp = result.setUp};
  fnFollowGameAutoplay(session, autoplaySwitch);
  session.BeginGame();
  return {.started = true, .setUp = result.setUp};
}

void fnDealShown(TPlaySession& session) {
  session.state.mainGame.Set(entries::kDealShown, 1);
  session.executor.RunOpeningMoves();
  fnUpdateScore(session.state);
  // The player's time begins with the dealt table, not with the deal animation.
  session.clock.ContinueFrom(0);
}

TLeaving fnLeaveGame(TPlaySession& session, const std::string& question) {
  if (!session.endOfGame.MayLeaveGame(question)) return TLeaving::Stayed;
  return session.endOfGame.EndGame() ? TLeaving::LeftWon : TLeaving::Left;
}

bool fnRestartGame(TPlaySession& session) {
  TTablerunState& state = session.state;
  const TRuntime& runtime = state.runtime;
  if (runtime.Flag(TRuntimeFlag::GameInProgress) && !runtime.Flag(TRuntimeFlag::GameJustWon)) {
    const std::string question = "Restart this game?\rGame number: " + state.config.Read(cfg::kGameNumber);
    if (state.screen.ShowMessage(TMessageKind::Question, question, TMessageButtons::OkCancel) != TMessageAnswer::Ok)
      return false;
  }
  if (runtime.Flag(TRuntimeFlag::WinningAnimation)) return false;
  session.endOfGame.EndGame();
  session.executor.RestartGame();
  session.clock.ContinueFrom(0);
  fnUpdateScore(state);
  return true;
}

TCurrentGame fnLoadGame(TPlaySession& session, const std::string& path, const TLayoutMetrics& metrics,
                        bool& autoplaySwitch) {
  TTablerunState& state = session.state;
  if (!state.fs.Exists(path)) {
    state.screen.ShowMessage(TMessageKind::Warning, "File not found: " + path);
    return {};
  }
  const auto text = fnReadWholeFile(state.fs, path);
  std::string error = "The file cannot be read.";
  auto saved = text ? fnParseSavedGame(*text, error) : std::nullopt;
  const int code = saved ? static_cast<int>(fnParseInteger(saved->gameCode).value_or(-1)) : -1;
  const std::string name = saved ? state.mainGame.Catalogue().NameOf(code, state.customGames) : "";
  if (saved && name.empty()) {
    error = "The game " + saved->gameCode + " is not in the games list.";
    saved.reset();
  }
  if (const auto problem = saved ? fnCheckSavedDeck(state, *saved, code, saved->gameNumber) : std::nullopt) {
    error = *problem;
    saved.reset();
  }
  if (!saved) {
    state.screen.ShowMessage(TMessageKind::Warning, "Can't load " + path + "\r" + error);
    return {};
  }
  if (fnLeaveGame(session) == TLeaving::Stayed) return {};

  state.config.Write(cfg::kGame, fnZeroFill(code, 4));
  state.config.Write(cfg::kGameName, name);
  TCurrentGame current{.started = false, .setUp = fnSetUpGame(state, metrics)};
  if (!current.setUp->loaded) return current;
  fnStartGame(state, TGameStart{.deal = false, .animate = false, .numberMode = 0, .quiet = true}, metrics);
  fnApplySavedGame(state, session.executor, *saved, TRestoreScope::LoadedGame);
  fnResetSessionCounters(state.config);
  // The file may bring another card size than the set-up fitted.
  fnLayOutGame(state, metrics);
  state.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
  state.runtime.SetFlag(TRuntimeFlag::GameJustWon, false);
  state.mainGame.Set(entries::kDealShown, 1);
  fnFollowGameAutoplay(session, autoplaySwitch);
  session.clock.ContinueFrom(saved->elapsedSeconds);
  fnUpdateScore(state);
  current.started = true;
  return current;
}

bool fnGoToBookmarkCommand(TPlaySession& session) {
  const auto seconds = fnGoToBookmark(session.state, session.executor);
  if (!seconds) return false;
  session.clock.ContinueFrom(*seconds);
  fnUpdateScore(session.state);
  return true;
}

bool fnGameChosen(const TTablerunState& state) { return fnCurrentCode(state) >= 0; }

void fnChooseGame(TTablerunState& state, int code) {
  if (code != fnCurrentCode(state)) fnResetSessionCounters(state.config);
  state.config.Write(cfg::kGame, fnZeroFill(code, 4));
  state.config.Write(cfg::kGameName, state.mainGame.Catalogue().NameOf(code, state.customGames));
}

bool fnRememberedAutoplaySwitch(const TTablerunState& state, bool current) {
  if (state.mainGame.Get(entries::kAutoplayMode) != kAutoplayOneSwitch || !state.store) return current;
  return state.store->ReadString(kPreference, "AutoPlay", "Y") == "Y";
}

void fnRememberAutoplaySwitch(TTablerunState& state, bool on) {
  if (state.mainGame.Get(entries::kAutoplayMode) == kAutoplayOneSwitch && state.store)
    state.store->WriteString(kPreference, "AutoPlay", on ? "Y" : "N");
}

bool fnAutoplaySwitchForGame(const TTablerunState& state, bool current) {
  if (!fnAutoplayAllowed(state)) return current;
  switch (state.mainGame.Get(entries::kAutoplayMode)) {
    case kAutoplayEveryGame: return true;
    case kAutoplayPerGame: return state.store ? fnReadGameAutoplay(*state.store, fnCurrentCode(state)) : current;
    default: return current;
  }
}

void fnToggleAutoplay(TPlaySession& session, bool on) {
  TTablerunState& state = session.state;
  if (!fnAutoplayAllowed(state)) return;
  session.executor.SetAutoplay(on);
  fnUpdateScore(state);
  if (state.mainGame.Get(entries::kAutoplayMode) == kAutoplayPerGame && state.store)
    fnStoreGameAutoplay(*state.store, fnCurrentCode(state), on);
}

void fnEndIfWon(TPlaySession& session) {
  const TRuntime& runtime = session.state.runtime;
  if (runtime.Flag(TRuntimeFlag::GameInProgress) && runtime.Flag(TRuntimeFlag::GameJustWon))
    session.endOfGame.EndGame();
}

}  // namespace tablerun
