// Adding the current game to the favourites, at the top or in a folder.
#pragma once

#include "choice/favorites_tree.h"
#include "dialogs/advanced_form.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

class C_TFavoritesTreeView;
class TImageLibrary;

class TfrmFavoriteAdd final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  // Closes accepted once the game was added and the favourites saved.
  TfrmFavoriteAdd(TTablerunState& state, const TImageLibrary& library, QWidget* parent = nullptr);

 private:
  void btnCreateFolderClick();
  void btnOKClick();
  void Show(TFavoriteId selected);

  TTablerunState& state_;
  TFavoritesTree tree_;
  C_TFavoritesTreeView* trvFavorites_ = nullptr;
};

}  // namespace tablerun
