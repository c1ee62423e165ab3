#include "choice/favorites_menu_items.h"

namespace tablerun {

std::vector<TFavoritesMenuItem> fnFavoritesMenuItems(const std::vector<TFavoriteEntry>& entries) {
  std::vector<TFavoritesMenuItem> items;
  // The folder games below the top go into: its index plus one, 0 for the menu itself.
  std::size_t folder = 0;
  for (const TFavoriteEntry& entry : entries) {
    TFavoritesMenuItem item{entry.caption, entry.code, {}};
    if (entry.IsFolder()) {
      items.push_back(std::move(item));
      folder = items.size();
    } else if (entry.level == 1 || folder == 0) {
      items.push_back(std::move(item));
      folder = 0;
    } else {
      items[folder - 1].games.push_back(std::move(item));
    }
  }
  return items;
}

}  // namespace tablerun
