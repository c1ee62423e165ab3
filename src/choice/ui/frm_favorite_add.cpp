#include "choice/ui/frm_favorite_add.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "choice/ui/favorites_tree_view.h"
#include "choice/ui/frm_favorite_add_folder.h"
#include "config/text.h"

namespace tablerun {

TfrmFavoriteAdd::TfrmFavoriteAdd(TTablerunState& state, const TImageLibrary& library, QWidget* parent)
    : C_TAdvancedForm(parent), state_(state) {
  setObjectName("frmFavoriteAdd");
  setWindowTitle("Add Favorite");
  const std::string name = fnTrimRight(state.config.Read(cfg::kGameName));
  auto* layout = new QVBoxLayout(this);
  auto* lblAdd =
      new QLabel(QString::fromStdString(fnExpandPlaceholders("[Program_sw] will add") + " \"" + name + "\""), this);
  lblAdd->setObjectName("lblAdd");
  layout->addWidget(lblAdd);
  layout->addWidget(new QLabel("to your Favorites list.", this));
  layout->addWidget(new QLabel("Create in:", this));
  trvFavorites_ = new C_TFavoritesTreeView(state.mainGame.Catalogue(), library, this);
  trvFavorites_->setObjectName("trvFavorites");
  layout->addWidget(trvFavorites_, 1);

  auto* buttons = new QHBoxLayout;
  auto* btnCreateFolder = new QPushButton("Ne&w Folder...", this);
  btnCreateFolder->setObjectName("btnCreateFolder");
  buttons->addWidget(btnCreateFolder);
  buttons->addStretch(1);
  auto* closing = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  closing->button(QDialogButtonBox::Ok)->setObjectName("btnOK");
  closing->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
  buttons->addWidget(closing);
  layout->addLayout(buttons);
  connect(btnCreateFolder, &QPushButton::clicked, this, &TfrmFavoriteAdd::btnCreateFolderClick);
  connect(closing, &QDialogButtonBox::accepted, this, &TfrmFavoriteAdd::btnOKClick);
  connect(closing, &QDialogButtonBox::rejected, this, &QDialog::reject);

  if (state_.store) tree_ = TFavoritesTree(fnReadFavorites(*state_.store));
  Show(kNoFavorite);
  resize(360, 360);
}

void TfrmFavoriteAdd::Show(TFavoriteId selected) {
  // With no favourites yet there is still a place to choose.
  if (tree_.Top().empty()) {
    trvFavorites_->ShowPlaceholder("Favorite games");
  } else {
    trvFavorites_->Show(tree_, selected);
  }
}

void TfrmFavoriteAdd::btnCreateFolderClick() {
  if (const auto name = fnAskFolderName(state_.screen, this)) Show(tree_.CreateFolder(name->toStdString()));
}

void TfrmFavoriteAdd::btnOKClick() {
  const std::string name = fnTrimRight(state_.config.Read(cfg::kGameName));
  const int code = static_cast<int>(fnParseInteger(state_.config.Read(cfg::kGame)).value_or(-1));
  const TFavoriteId target = trvFavorites_->SelectedId();
  // "No" adds nothing, yet a folder made meanwhile is kept.
  const bool add = code >= 0 && (!tree_.AlreadyHolds(target, name) ||
                                 state_.screen.ShowMessage(
                                     TMessageKind::Information,
                                     name + " game is already in the Favorites list. Do you want to add it again?",
                                     TMessageButtons::YesNo) == TMessageAnswer::Yes);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (add) tree_.AddGame(target, name, code);
  if (state_.store) fnWriteFavorites(*state_.store, tree_.Entries());
  QApplication::restoreOverrideCursor();
  accept();
}

}  // namespace tablerun
