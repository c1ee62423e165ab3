#include "choice/ui/favorites_tree_view.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

#include "choice/ui/game_icons.h"
#include "model/catalogue.h"

namespace tablerun {
namespace {

constexpr int kIdRole = Qt::UserRole;

}  // namespace

C_TFavoritesTreeView::C_TFavoritesTreeView(const TCatalogue& catalogue, const TImageLibrary& library, QWidget* parent)
    : QTreeWidget(parent), catalogue_(catalogue), library_(library) {
  setHeaderHidden(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void C_TFavoritesTreeView::Show(const TFavoritesTree& tree, TFavoriteId selected) {
  // Filling is no edit of a caption.
  const QSignalBlocker quiet(this);
  clear();
  AddNodes(nullptr, tree.Top());
  expandAll();
  setCurrentItem(nullptr);
  for (QTreeWidgetItemIterator item(this); *item; ++item) {
    if ((*item)->data(0, kIdRole).toInt() == selected && selected != kNoFavorite) setCurrentItem(*item);
  }
  // Root lines only once there are folders.
  setRootIsDecorated(
      std::any_of(tree.Top().begin(), tree.Top().end(), [](const TFavoriteNode& node) { return node.IsFolder(); }));
}

void C_TFavoritesTreeView::ShowPlaceholder(const QString& caption) {
  const QSignalBlocker quiet(this);
  clear();
  auto* item = new QTreeWidgetItem(this, {caption});
  item->setData(0, kIdRole, kNoFavorite);
  item->setIcon(0, fnFolderIcon(library_, TFolderPicture::Favorites));
}

void C_TFavoritesTreeView::AddNodes(QTreeWidgetItem* parent, const std::vector<TFavoriteNode>& nodes) {
  for (const TFavoriteNode& node : nodes) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, QString::fromStdString(node.caption));
    item->setData(0, kIdRole, node.id);
    item->setFlags(item->flags() | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    item->setIcon(0, node.IsFolder() ? fnFolderIcon(library_, TFolderPicture::Favorites)
                                     : fnGameTypeIcon(library_, catalogue_.TypeOf(node.code), std::nullopt));
    AddNodes(item, node.children);
  }
}

TFavoriteId C_TFavoritesTreeView::SelectedId() const {
  return currentItem() ? currentItem()->data(0, kIdRole).toInt() : kNoFavorite;
}

TFavoriteId C_TFavoritesTreeView::IdAt(const QPoint& viewportPoint) const {
  const QTreeWidgetItem* item = itemAt(viewportPoint);
  return item ? item->data(0, kIdRole).toInt() : kNoFavorite;
}

QStringList C_TFavoritesTreeView::mimeTypes() const { return {kDraggedFavorite}; }

QMimeData* C_TFavoritesTreeView::mimeData(const QList<QTreeWidgetItem*>&) const {
  auto* dragged = new QMimeData;
  dragged->setData(kDraggedFavorite, {});
  return dragged;
}

bool C_TFavoritesTreeView::Accepts(const QMimeData* offered) const {
  return (offered->hasFormat(kDraggedFavorite) && favoriteDropped) ||
         (offered->hasFormat(kDraggedGames) && gamesDropped);
}

void C_TFavoritesTreeView::dragEnterEvent(QDragEnterEvent* event) {
  if (Accepts(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void C_TFavoritesTreeView::dragMoveEvent(QDragMoveEvent* event) {
  if (Accepts(event->mimeData())) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void C_TFavoritesTreeView::dropEvent(QDropEvent* event) {
  if (!Accepts(event->mimeData())) return event->ignore();
  // A copy, never a move: the item view would take the dragged items away itself.
  event->setDropAction(Qt::CopyAction);
  event->accept();
  const TFavoriteId at = IdAt(event->position().toPoint());
  if (event->mimeData()->hasFormat(kDraggedFavorite)) {
    favoriteDropped(at);
  } else {
    gamesDropped(at);
  }
}

void C_TFavoritesTreeView::keyPressEvent(QKeyEvent* event) {
  // A caption being edited keeps its own Delete key.
  if (event->key() == Qt::Key_Delete && deletePressed && state() != QAbstractItemView::EditingState) {
    deletePressed();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

}  // namespace tablerun
