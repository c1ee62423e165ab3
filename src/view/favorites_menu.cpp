#include "view/favorites_menu.h"

#include <QAction>
#include <QMenu>

namespace tablerun {
namespace {

bool fnIsFixedItem(const QAction& action) {
  const QString name = action.objectName();
  return name == "mnuAddFavorites" || name == "mnuOrganizeFavorite" || name == "mnuSepFavorites";
}

void fnAddGame(QMenu& menu, const TFavoritesMenuItem& game, const TFavoritesMenuLooks& looks,
               const std::function<void(const std::string&)>& choose) {
  // A name's "&" is no shortcut letter.
  QString text = QString::fromStdString(game.caption);
  QAction* action = menu.addAction(looks.gameIcon(game.code), text.replace('&', "&&"));
  QObject::connect(action, &QAction::triggered, action, [choose, caption = game.caption] { choose(caption); });
}

}  // namespace

void fnFillFavoritesMenu(QMenu& menu, const std::vector<TFavoritesMenuItem>& items, const TFavoritesMenuLooks& looks,
                         const std::function<void(const std::string& caption)>& choose) {
  for (QAction* action : menu.actions()) {
    if (fnIsFixedItem(*action)) continue;
    menu.removeAction(action);
    // Later: the menu may be rebuilt from inside one of its own items.
    if (QMenu* folder = action->menu()) {
      folder->deleteLater();
    } else {
      action->deleteLater();
    }
  }
  for (const TFavoritesMenuItem& item : items) {
    if (item.code >= 0) {
      fnAddGame(menu, item, looks, choose);
      continue;
    }
    QString caption = QString::fromStdString(item.caption);
    QMenu* folder = menu.addMenu(looks.folderIcon, caption.replace('&', "&&"));
    for (const TFavoritesMenuItem& game : item.games) fnAddGame(*folder, game, looks, choose);
  }
}

}  // namespace tablerun
