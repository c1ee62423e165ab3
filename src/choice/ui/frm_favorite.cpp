#include "choice/ui/frm_favorite.h"

#include <QDropEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "choice/ui/favorites_tree_view.h"
#include "choice/ui/frm_favorite_add_folder.h"
#include "config/text.h"
#include "pictures/image_library.h"

namespace tablerun {
namespace {

// The list of all games: its selection is dragged to the tree, and a
// favourite dragged back onto it is taken out of the tree.
class C_TGamesList final : public QListWidget {
 public:
  explicit C_TGamesList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
  }
  std::function<void()> favoriteDropped;

 protected:
  QStringList mimeTypes() const override { return {kDraggedGames}; }
  QMimeData* mimeData(const QList<QListWidgetItem*>&) const override {
    auto* dragged = new QMimeData;
    dragged->setData(kDraggedGames, {});
    return dragged;
  }
  void dragEnterEvent(QDragEnterEvent* event) override { Offered(*event); }
  void dragMoveEvent(QDragMoveEvent* event) override { Offered(*event); }
  void dropEvent(QDropEvent* event) override {
    if (!event->mimeData()->hasFormat(kDraggedFavorite)) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    favoriteDropped();
  }

 private:
  void Offered(QDropEvent& event) {
    if (event.mimeData()->hasFormat(kDraggedFavorite)) {
      event.acceptProposedAction();
    } else {
      event.ignore();
    }
  }
};

QToolButton* fnArrowButton(QWidget* parent, const TImageLibrary& library, const char* name, const char* hint,
                           const char* picture, const char* text) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  const QPixmap image = fnCornerMaskedPicture(library, picture);
  // Words stand in while the library has no such picture.
  if (image.isNull()) {
    button->setText(text);
  } else {
    button->setIcon(image);
    button->setIconSize(image.size());
  }
  return button;
}

}  // namespace

TfrmFavorite::TfrmFavorite(TTablerunState& state, const TImageLibrary& library, QWidget* parent)
    : C_TAdvancedForm(parent), state_(state) {
  setObjectName("frmFavorite");
  setWindowTitle("Favorite games");
  const TCatalogue& catalogue = state.mainGame.Catalogue();

  auto* gamesLabel = new QLabel("&Games list:", this);
  auto* games = new C_TGamesList(this);
  games->setObjectName("lbAll");
  for (const std::string& name : fnGameChooser(catalogue, state.customGames, -1).names)
    games->addItem(QString::fromStdString(fnTrimRight(name)));
  gamesLabel->setBuddy(games);
  lbAll_ = games;

  auto* treeLabel = new QLabel("&Favorite games:", this);
  trvSelected_ = new C_TFavoritesTreeView(catalogue, library, this);
  trvSelected_->setObjectName("trvSelected");
  trvSelected_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  trvSelected_->setExpandsOnDoubleClick(false);
  trvSelected_->setDragEnabled(true);
  trvSelected_->setAcceptDrops(true);
  trvSelected_->setDragDropMode(QAbstractItemView::DragDrop);
  trvSelected_->setDefaultDropAction(Qt::CopyAction);
  treeLabel->setBuddy(trvSelected_);

  auto* btnAdd = fnArrowButton(this, library, "btnAdd", "Add the selected game", "MN_ARROW_RIGHT", ">");
  auto* btnRemove = fnArrowButton(this, library, "btnRemove", "Remove the selected game", "MN_ARROW_LEFT", "<");
  auto* btnRemoveAll = fnArrowButton(this, library, "btnRemoveAll", "Remove all games", "MN_ARROW_LEFT_ALL", "<<");
  auto* btnCreateFolder = new QPushButton("Ne&w Folder...", this);
  btnCreateFolder->setObjectName("btnCreateFolder");
  btnRenameFolder_ = new QPushButton("&Rename Folder...", this);
  btnRenameFolder_->setObjectName("btnRenameFolder");
  auto* btnOK = new QPushButton("OK", this);
  btnOK->setObjectName("btnOK");
  btnOK->setDefault(true);
  auto* btnCancel = new QPushButton("Cancel", this);
  btnCancel->setObjectName("btnCancel");

  auto* grid = new QGridLayout(this);
  grid->addWidget(gamesLabel, 0, 0);
  grid->addWidget(treeLabel, 0, 2);
  grid->addWidget(lbAll_, 1, 0);
  auto* arrows = new QVBoxLayout;
  arrows->addStretch(1);
  for (QToolButton* button : {btnAdd, btnRemove, btnRemoveAll}) arrows->addWidget(button);
  arrows->addStretch(1);
  grid->addLayout(arrows, 1, 1);
  grid->addWidget(trvSelected_, 1, 2);
  auto* folders = new QHBoxLayout;
  folders->addWidget(btnCreateFolder);
  folders->addWidget(btnRenameFolder_);
  folders->addStretch(1);
  grid->addLayout(folders, 2, 2);
  auto* closing = new QHBoxLayout;
  closing->addStretch(1);
  closing->addWidget(btnOK);
  closing->addWidget(btnCancel);
  grid->addLayout(closing, 3, 0, 1, 3);

  connect(lbAll_, &QListWidget::itemDoubleClicked, this, [this] { AddSelectedGames(trvSelected_->SelectedId()); });
  games->favoriteDropped = [this] { RemoveNode(trvSelected_->SelectedId()); };
  trvSelected_->gamesDropped = [this](TFavoriteId at) { AddSelectedGames(at); };
  trvSelected_->favoriteDropped = [this](TFavoriteId onto) {
    const TFavoriteId dragged = trvSelected_->SelectedId();
    if (tree_.Move(dragged, onto)) Show(dragged);
  };
  trvSelected_->deletePressed = [this] { RemoveNode(trvSelected_->SelectedId()); };
  connect(trvSelected_, &QTreeWidget::itemDoubleClicked, this, [this] { RemoveNode(trvSelected_->SelectedId()); });
  connect(trvSelected_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    tree_.Rename(item->data(0, Qt::UserRole).toInt(), item->text(0).toStdString());
  });
  connect(trvSelected_, &QTreeWidget::currentItemChanged, this, &TfrmFavorite::trvSelectedChange);
  connect(btnAdd, &QToolButton::clicked, this, [this] { AddSelectedGames(trvSelected_->SelectedId()); });
  connect(btnRemove, &QToolButton::clicked, this, [this] { RemoveNode(trvSelected_->SelectedId()); });
  connect(btnRemoveAll, &QToolButton::clicked, this, [this] {
    tree_.RemoveAll();
    Show(kNoFavorite);
  });
  connect(btnCreateFolder, &QPushButton::clicked, this, &TfrmFavorite::btnCreateFolderClick);
  connect(btnRenameFolder_, &QPushButton::clicked, this, &TfrmFavorite::btnRenameFolderClick);
  connect(btnOK, &QPushButton::clicked, this, &TfrmFavorite::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  if (state_.store) tree_ = TFavoritesTree(fnReadFavorites(*state_.store));
  Show(tree_.Top().empty() ? kNoFavorite : tree_.Top().front().id);
  resize(600, 420);
  move(QGuiApplication::primaryScreen()->availableGeometry().center() - rect().center());
}

void TfrmFavorite::Show(TFavoriteId selected) {
  trvSelected_->Show(tree_, selected);
  trvSelectedChange();
}

void TfrmFavorite::trvSelectedChange() {
  const TFavoriteNode* node = tree_.Find(trvSelected_->SelectedId());
  btnRenameFolder_->setEnabled(node && node->IsFolder());
}

void TfrmFavorite::AddSelectedGames(TFavoriteId target) {
  const TCatalogue& catalogue = state_.mainGame.Catalogue();
  // In the list's order, whatever order they were picked in.
  for (int row = 0; row < lbAll_->count(); ++row) {
    const QListWidgetItem* item = lbAll_->item(row);
    if (!item->isSelected()) continue;
    const std::string name = item->text().toStdString();
    const int code = catalogue.CodeOf(name, state_.customGames);
    if (code >= 0) tree_.AddGame(target, name, code);
  }
  Show(trvSelected_->SelectedId());
}

void TfrmFavorite::RemoveNode(TFavoriteId id) {
  const TFavoriteId parent = tree_.ParentOf(id);
  if (!tree_.Remove(id)) return;
  Show(parent != kNoFavorite || tree_.Top().empty() ? parent : tree_.Top().front().id);
}

void TfrmFavorite::btnCreateFolderClick() {
  if (const auto name = fnAskFolderName(state_.screen, this)) Show(tree_.CreateFolder(name->toStdString()));
}

void TfrmFavorite::btnRenameFolderClick() {
  const TFavoriteId id = trvSelected_->SelectedId();
  const TFavoriteNode* folder = tree_.Find(id);
  if (!folder || !folder->IsFolder()) return;
  const QString caption = QString::fromStdString(folder->caption);
  if (const auto name = fnAskFolderName(state_.screen, this, &caption)) {
    tree_.Rename(id, name->toStdString());
    Show(id);
  }
}

void TfrmFavorite::btnOKClick() {
  if (state_.store) fnWriteFavorites(*state_.store, tree_.Entries());
  accept();
}

}  // namespace tablerun
