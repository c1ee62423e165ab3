// The nodes of each list of the open-a-game dialog, as the dialog first fills
// them: what the window shows and what `tablerun-tool choice tree` prints.
#pragma once

#include <string>
#include <vector>

#include "choice/game_tree.h"
#include "choice/recent_games.h"

namespace tablerun {

struct TListNode {
  int code = 0;
  std::string caption;
  int type = -1;  // a game's type, for its icon; −1 for other nodes
  std::vector<TListNode> children;
};

// A group's children: its groups, each holding one unfilled node, or its games.
std::vector<TListNode> fnGroupChildren(int groupCode, const TCatalogue& catalogue, const TCustomGames& custom);

// The tree of the groups list; groups are filled when `filled`, else each
// holds one unfilled node.
std::vector<TListNode> fnGroupsTree(const TCatalogue& catalogue, const TCustomGames& custom, bool filled);

// The games as top-level nodes.
std::vector<TListNode> fnGameNodes(const std::vector<TListGame>& games);
// The favourites of the store: folders holding their games; the node that
// offers to add one when there are none.
std::vector<TListNode> fnFavoriteNodes(const TIniFile& store, const TCatalogue& catalogue);
// The last played games of the store that still have a name, in name order.
std::vector<TListNode> fnRecentNodes(const TIniFile& store, const TCatalogue& catalogue, const TCustomGames& custom);

// A group not filled yet: its only child is the unfilled node.
bool fnIsUnfilled(const TListNode& group);

}  // namespace tablerun
