// The main window's part in opening a game: the open-a-game dialog, kept for
// the whole run, and its marks after each finished game.
#include <memory>

#include "choice/ui/frm_open_game.h"
#include "records/players.h"
#include "view/frm_main.h"
#include "view/game_preview.h"
#include "view/table_area.h"

namespace tablerun {

TfrmOpenGame& TfrmMain::OpenGameDialog() {
  if (frmOpenGame_ == nullptr) {
    TOpenGameHooks hooks;
    auto preview = std::make_shared<TGamePreview>(state_, library_);
    hooks.drawPreview = [preview](int code, QSize size) { return preview->Draw(code, size); };
    hooks.showPlayers = [this] { mnuPlayersClick(); };
    hooks.organizeFavorites = [this] { mnuOrganizeFavoriteClick(); };
    hooks.marksSwitched = [this] {
      RebuildFavoritesMenu();
      FastSearchFollowsMarks();
    };
    hooks.openSavedGame = [this] {
      mnuLoadGameClick();
      return state_.runtime.Flag(TRuntimeFlag::GameInProgress);
    };
    frmOpenGame_ = new TfrmOpenGame(state_, library_, std::move(hooks), this);
  }
  return *frmOpenGame_;
}

void TfrmMain::mnuOpenClick() {
  table_->FinishFlights();
  TfrmOpenGame& dialog = OpenGameDialog();
  const std::string before = fnCurrentPlayer(state_);
  openGamePlayer_ = before;
  const bool chosen = dialog.exec() == QDialog::Accepted;
  // The player box changed the marks only.
  state_.config.Write(cfg::kPlayer, openGamePlayer_);
  if (chosen) {
    StartChosenGame({dialog.ChosenCode(), dialog.ChosenName(), dialog.ChosenPlayer(), true, false});
  } else if (openGamePlayer_ != before && !state_.runtime.Flag(TRuntimeFlag::GameInProgress)) {
    // Another player was chosen and no game: the current game is dealt for the new player.
    DealAndShow(false);
  }
}

void TfrmMain::RefreshOpenGameMarks(int code) {
  if (frmOpenGame_ != nullptr) frmOpenGame_->RefreshMarks(code);
}

}  // namespace tablerun
