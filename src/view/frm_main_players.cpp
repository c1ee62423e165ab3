// The main window's players commands: the players dialog and two-players mode.
#include "choice/ui/frm_open_game.h"
#include "records/players.h"
#include "records/ui/frm_players.h"
#include "records/ui/frm_two_players_mode.h"
#include "view/frm_main.h"
#include "view/status_panels.h"
#include "view/table_area.h"

namespace tablerun {

void TfrmMain::mnuPlayersClick() {
  TfrmPlayers dialog(session_, this);
  dialog.exec();
  UpdateTitle();
  const auto changed = dialog.PlayerChanged();
  if (!changed) return;
  // Chosen inside the open-a-game dialog, the player stays when that dialog closes.
  openGamePlayer_ = fnCurrentPlayer(state_);
  table_->RedrawTable();
  UpdateCommands();
  statusPanels_->Refresh();
  // After a win the "Game won" window stands; an open-a-game dialog already
  // showing starts the new player's game itself.
  if (*changed != TLeaving::Left || (frmOpenGame_ != nullptr && frmOpenGame_->isVisible())) return;
  mnuOpenClick();
  // No game chosen: the current one is dealt for the new player.
  if (!state_.runtime.Flag(TRuntimeFlag::GameInProgress)) DealAndShow(false);
}

void TfrmMain::TakeTurn() {
  if (!fnTwoPlayersModeOn(state_)) return;
  const std::string notice = fnChangeTurn(state_);
  UpdateTitle();
  if (!notice.empty()) state_.screen.ShowMessage(TMessageKind::Information, notice);
}

void TfrmMain::KeepUsablePlayer(const std::string& fallback) {
  const std::string notice = fnKeepUsablePlayer(state_, fallback);
  if (notice.empty()) return;
  UpdateTitle();
  state_.screen.ShowMessage(TMessageKind::Warning, notice);
}

void TfrmMain::mnuStartTwoPlayersModeClick() {
  TfrmTwoPlayersMode dialog(state_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  UpdateCommands();
  mnuNewClick();
}

void TfrmMain::mnuQuitTwoPlayersModeClick() {
  if (state_.screen.ShowMessage(TMessageKind::Question, "Quit Two Players Mode?", TMessageButtons::OkCancel) !=
      TMessageAnswer::Ok)
    return;
  fnQuitTwoPlayersMode(state_);
  UpdateCommands();
}

}  // namespace tablerun
