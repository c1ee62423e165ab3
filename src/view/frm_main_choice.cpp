// The main window's part in choosing a deal: a game by its number, or a game
// drawn at random.
#include "choice/game_number_choice.h"
#include "choice/ui/frm_select_game_number.h"
#include "model/main_game_entries.h"
#include "view/frm_main.h"
#include "view/table_area.h"

namespace tablerun {

bool TfrmMain::PlayNumberedGame(int code, const std::string& number) {
  table_->FinishFlights();
  if (fnLeaveGame(session_) != TLeaving::Left) return false;
  state_.config.Write(cfg::kGameNumber, number);
  fnChooseGame(state_, code);
  // The typed number is dealt, not a newly drawn one.
  DealAndShow(true, 0);
  return true;
}

void TfrmMain::mnuSelectClick() {
  TfrmSelectGameNumber window(
      state_, [this](int code, const std::string& number) { return PlayNumberedGame(code, number); }, this);
  window.exec();
}

void TfrmMain::mnuRandomAllClick() {
  state_.mainGame.Set(entries::kRandomGameType, kRandomFromAllGames);
  if (const auto code = fnRandomBuiltInGame(state_.mainGame.Catalogue(), state_.random)) ChangeGame(*code);
}

}  // namespace tablerun
