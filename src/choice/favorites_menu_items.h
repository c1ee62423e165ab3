// What the Favorites menu lists: folders as submenus holding the games after
// them, games of the top level between them.
#pragma once

#include <string>
#include <vector>

#include "choice/favorites_file.h"

namespace tablerun {

struct TFavoritesMenuItem {
  std::string caption;
  int code = 0;                           // negative for a folder
  std::vector<TFavoritesMenuItem> games;  // a folder's
  bool operator==(const TFavoritesMenuItem&) const = default;
};

// Every folder is a submenu of the menu itself, whatever its level; a game
// below the top goes into the folder before it, a top-level game ends that folder.
std::vector<TFavoritesMenuItem> fnFavoritesMenuItems(const std::vector<TFavoriteEntry>& entries);

}  // namespace tablerun
