#include "choice/chosen_game.h"

#include "config/text.h"
#include "engine/session/play_commands.h"
#include "model/main_game_entries.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";
// A card size forced smaller by the player lasts only for the game it was forced on.
constexpr int kSizeForcedForGame = 2;

}  // namespace

TChosenStart fnTakeChosenGame(TPlaySession& session, const TChosenGame& chosen) {
  TTablerunState& state = session.state;
  TChosenStart start;
  start.gameChanged = chosen.code != fnCurrentGameCode(state.config);
  start.playerChanged = chosen.player != state.config.Read(cfg::kPlayer);
  const bool inProgress = state.runtime.Flag(TRuntimeFlag::GameInProgress);
  if (!start.gameChanged && !start.playerChanged && inProgress) return start;
  const TLeaving leaving = fnLeaveGame(session);
  if (leaving == TLeaving::Stayed) return start;
  start.leftGame = true;
  if (leaving == TLeaving::LeftWon) return start;
  if (start.gameChanged || start.playerChanged) fnResetSessionCounters(state.config);
  if (start.playerChanged) {
    state.config.Write(cfg::kPlayer, chosen.player);
    if (state.store) state.store->WriteString(kPreference, "UserDefault", chosen.player);
  }
  if (start.gameChanged || state.mainGame.Get(entries::kSizeForced) == kSizeForcedForGame)
    state.mainGame.Set(entries::kSizeForced, 0);
  state.config.Write(cfg::kGame, fnZeroFill(chosen.code, 4));
  state.config.Write(cfg::kGameName, chosen.name);
  start.deal = true;
  return start;
}

void fnRememberChosenGame(TTablerunState& state, const TChosenGame& chosen) {
  if (!chosen.savePreferences || !state.store) return;
  TIniFile::TDeferredWrites once(*state.store);
  state.store->WriteString(kPreference, "Game", fnZeroFill(chosen.code, 4));
  state.store->WriteString(kPreference, "Game_Name", chosen.name);
  state.store->WriteInteger(kPreference, "Game_TreeNum", -30);
  state.store->WriteInteger(kPreference, "Game_TreePos", -1);
  // No list mode: the next showing of the open-a-game dialog lists nothing until asked.
  state.store->WriteInteger(kPreference, "Game_TreeType", -1);
}

}  // namespace tablerun
