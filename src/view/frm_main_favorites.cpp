// The main window's favourites: the Favorites menu, its two dialogs, and the
// random game drawn among the favourites.
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <optional>

#include "choice/favorites_file.h"
#include "choice/favorites_menu_items.h"
#include "choice/game_number_choice.h"
#include "choice/game_status.h"
#include "choice/open_game_preferences.h"
#include "choice/ui/frm_fast_search.h"
#include "choice/ui/frm_favorite.h"
#include "choice/ui/frm_favorite_add.h"
#include "choice/ui/frm_open_game.h"
#include "choice/ui/game_icons.h"
#include "model/main_game_entries.h"
#include "records/players.h"
#include "records/records_of_state.h"
#include "view/favorites_menu.h"
#include "view/frm_main.h"

namespace tablerun {

void TfrmMain::FavoritesAtStart() {
  if (state_.store && fnHasOldFavorites(*state_.store))
    fnConvertOldFavorites(*state_.store, state_.mainGame.Catalogue(), state_.customGames);
  RebuildFavoritesMenu();
}

void TfrmMain::RebuildFavoritesMenu() {
  if (!state_.store) return;
  const TCatalogue& catalogue = state_.mainGame.Catalogue();
  std::optional<TGameStatuses> statuses;
  // The marks follow the open-a-game dialog's box, saved or not.
  if (frmOpenGame_ != nullptr ? frmOpenGame_->ShowsWonLost() : fnReadOpenGamePreferences(*state_.store).showWonLost) {
    TRecordsFolder folder = fnRecordsFolder(state_);
    statuses.emplace(folder, fnCurrentPlayer(state_));
  }
  TFavoritesMenuLooks looks;
  looks.gameIcon = [&](int code) {
    return fnGameTypeIcon(library_, catalogue.TypeOf(code),
                          statuses ? std::optional<TGameStatus>(statuses->Of(code)) : std::nullopt);
  };
  looks.folderIcon = fnFolderIcon(library_, TFolderPicture::Favorites);
  fnFillFavoritesMenu(*findChild<QMenu*>("mnuListFavorites"), fnFavoritesMenuItems(fnReadFavorites(*state_.store)),
                      looks, [this](const std::string& caption) { StartFavorite(caption); });
}

void TfrmMain::StartFavorite(const std::string& caption) {
  const TCatalogue& catalogue = state_.mainGame.Catalogue();
  const int code = catalogue.CodeOf(caption, state_.customGames);
  if (code < 0 || !catalogue.CanBeShown(code, QGuiApplication::primaryScreen()->geometry().width(), state_.screen,
                                        state_.customGames))
    return;
  StartChosenGame({code, caption, fnCurrentPlayer(state_), true, true});
}

void TfrmMain::FavoritesChanged() {
  RebuildFavoritesMenu();
  if (frmOpenGame_ != nullptr) frmOpenGame_->ReloadFavorites();
  if (fastSearch_ != nullptr && fastSearch_->isVisible() && fastSearch_->Kind() == TFastSearchKind::Favorites)
    fastSearch_->Rebuild();
}

void TfrmMain::mnuAddFavoritesClick() {
  TfrmFavoriteAdd window(state_, library_, this);
  if (window.exec() == QDialog::Accepted) FavoritesChanged();
}

void TfrmMain::mnuOrganizeFavoriteClick() {
  TfrmFavorite window(state_, library_, this);
  if (window.exec() == QDialog::Accepted) FavoritesChanged();
  update();
}

void TfrmMain::mnuRandomFavoritesClick() {
  const auto code = state_.store ? fnRandomFavorite(fnReadFavorites(*state_.store), state_.random) : std::nullopt;
  if (!code) {
    if (state_.screen.ShowMessage(TMessageKind::Information,
                                  "You haven't selected any favorite game.\rDo you want to select now your favorite "
                                  "games?",
                                  TMessageButtons::YesNo) == TMessageAnswer::Yes) {
      mnuOrganizeFavoriteClick();
    }
    return;
  }
  PlayRandomGame(*code, kRandomFromFavorites);
}

}  // namespace tablerun
