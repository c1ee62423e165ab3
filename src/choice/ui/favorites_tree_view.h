// The favourites tree as the organiser and the add dialog show it: every node
// an item carrying its id, games with their type's icon, folders with the
// favourites' folder pictures, all expanded.
#pragma once

#include <QTreeWidget>
#include <functional>

#include "choice/favorites_tree.h"

namespace tablerun {

class TCatalogue;
class TImageLibrary;

// What a drag between the organiser's list and tree carries: only its kind,
// since the selection says what is dragged.
inline constexpr const char* kDraggedGames = "application/x-tablerun-favorite-games";
inline constexpr const char* kDraggedFavorite = "application/x-tablerun-favorite-node";

class C_TFavoritesTreeView final : public QTreeWidget {
 public:
  C_TFavoritesTreeView(const TCatalogue& catalogue, const TImageLibrary& library, QWidget* parent = nullptr);

  // Shows the tree afresh with `selected` chosen (none: nothing chosen).
  void Show(const TFavoritesTree& tree, TFavoriteId selected);
  // One folder-looking item with no node behind it, while there are no favourites.
  void ShowPlaceholder(const QString& caption);
  TFavoriteId SelectedId() const;
  TFavoriteId IdAt(const QPoint& viewportPoint) const;

  // What the organiser makes of the player's actions; unset ones do nothing.
  std::function<void(TFavoriteId onto)> favoriteDropped;
  std::function<void(TFavoriteId at)> gamesDropped;
  std::function<void()> deletePressed;

 protected:
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AddNodes(QTreeWidgetItem* parent, const std::vector<TFavoriteNode>& nodes);
  bool Accepts(const QMimeData* offered) const;

  const TCatalogue& catalogue_;
  const TImageLibrary& library_;
};

}  // namespace tablerun
