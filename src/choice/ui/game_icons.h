// The small pictures of the game lists: a game type's icon, plain or with the
// player's won, not-won or not-played mark, and the group folders.
#pragma once

#include <QIcon>
#include <optional>

#include "choice/game_status.h"

namespace tablerun {

class TImageLibrary;

// The type's "TREE5_" picture, with the mark of `marks` when given; an empty
// icon for a type without one.
QIcon fnGameTypeIcon(const TImageLibrary& library, int type, std::optional<TGameStatus> marks);

// The "TREE5_ORIGINAL_TYPE" picture of the original games' group.
QIcon fnOriginalGamesIcon(const TImageLibrary& library);

enum class TFolderPicture {
  Plain,       // TREE1, TREE2
  Features,    // F_TREE
  Favorites,   // S_TREE: the player's favourites folders
  Time,        // T_TREE
  Difficulty,  // D_TREE
  Chance,      // C_TREE
  Skill,       // I_TREE
  NewGames,    // N_TREE3, N_TREE4
};

// The closed folder, with the open one as its selected look.
QIcon fnFolderIcon(const TImageLibrary& library, TFolderPicture picture);
// The open folder, for an expanded group.
QIcon fnOpenFolderIcon(const TImageLibrary& library, TFolderPicture picture);

}  // namespace tablerun
