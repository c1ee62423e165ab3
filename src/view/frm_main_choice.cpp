// The main window's part in choosing a deal: a game by its number, or a game
// drawn at random.
#include "choice/game_number_choice.h"
#include "choice/ui/frm_select_game_number.h"
#include "model/main_game_entries.h"
#include "records/players.h"
#include "view/frm_main.h"
#include "view/table_area.h"

namespace tablerun {
namespace {

// How a deal finds its game number.
constexpr int kGameNumberSet = 0;
constexpr int kNewGameNumber = 2;

}  // namespace

bool TfrmMain::StartChosenGame(const TChosenGame& chosen) {
  table_->FinishFlights();
  const TChosenStart start = fnTakeChosenGame(session_, chosen);
  if (start.playerChanged && start.leftGame) UpdateTitle();
  if (!start.deal) return start.leftGame;
  DealAndShow(start.gameChanged, chosen.newNumber ? kNewGameNumber : kGameNumberSet);
  fnRememberChosenGame(state_, chosen);
  return true;
}

bool TfrmMain::ChangeGame(int code) {
  const std::string name = state_.mainGame.Catalogue().NameOf(code, state_.customGames);
  return StartChosenGame({code, name, fnCurrentPlayer(state_), true, true});
}

bool TfrmMain::PlayNumberedGame(int code, const std::string& number) {
  table_->FinishFlights();
  if (fnLeaveGame(session_) != TLeaving::Left) return false;
  state_.config.Write(cfg::kGameNumber, number);
  const std::string name = state_.mainGame.Catalogue().NameOf(code, state_.customGames);
  return StartChosenGame({code, name, fnCurrentPlayer(state_), false, true});
}

void TfrmMain::mnuSelectClick() {
  TfrmSelectGameNumber window(
      state_, [this](int code, const std::string& number) { return PlayNumberedGame(code, number); }, this);
  window.exec();
}

bool TfrmMain::PlayRandomGame(int code, int kind) {
  // Left first, so a game drawn again is dealt anew rather than kept going.
  table_->FinishFlights();
  if (fnLeaveGame(session_) != TLeaving::Left) return false;
  state_.mainGame.Set(entries::kRandomGameType, static_cast<std::int16_t>(kind));
  return ChangeGame(code);
}

void TfrmMain::mnuRandomAllClick() {
  if (const auto code = fnRandomBuiltInGame(state_.mainGame.Catalogue(), state_.random))
    PlayRandomGame(*code, kRandomFromAllGames);
}

}  // namespace tablerun
