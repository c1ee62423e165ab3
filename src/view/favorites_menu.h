// The Favorites menu: its three fixed commands, then the player's favourites,
// folders as submenus.
#pragma once

#include <QIcon>
#include <functional>
#include <string>
#include <vector>

#include "choice/favorites_menu_items.h"

class QMenu;

namespace tablerun {

struct TFavoritesMenuLooks {
  std::function<QIcon(int gameCode)> gameIcon;
  QIcon folderIcon;
};

// Everything after the fixed commands is made anew; choosing a game hands on its caption.
void fnFillFavoritesMenu(QMenu& menu, const std::vector<TFavoritesMenuItem>& items, const TFavoritesMenuLooks& looks,
                         const std::function<void(const std::string& caption)>& choose);

}  // namespace tablerun
