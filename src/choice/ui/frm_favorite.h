// The favourites organiser: games picked from the list of all games, sorted
// into the tree, grouped in folders, moved, renamed and removed, and saved on OK.
#pragma once

#include "choice/favorites_tree.h"
#include "dialogs/advanced_form.h"
#include "engine/state/tablerun_state.h"

class QListWidget;
class QPushButton;

namespace tablerun {

class C_TFavoritesTreeView;
class TImageLibrary;

class TfrmFavorite final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  // Closes accepted once the favourites were saved, for the lists that show them to follow.
  TfrmFavorite(TTablerunState& state, const TImageLibrary& library, QWidget* parent = nullptr);

 private:
  void AddSelectedGames(TFavoriteId target);
  void RemoveNode(TFavoriteId id);
  void btnCreateFolderClick();
  void btnRenameFolderClick();
  void btnOKClick();
  void trvSelectedChange();
  void Show(TFavoriteId selected);

  TTablerunState& state_;
  TFavoritesTree tree_;
  QListWidget* lbAll_ = nullptr;
  C_TFavoritesTreeView* trvSelected_ = nullptr;
  QPushButton* btnRenameFolder_ = nullptr;
};

}  // namespace tablerun
