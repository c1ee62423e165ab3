#include "choice/list_nodes.h"

#include "choice/favorites_tree.h"

namespace tablerun {
namespace {

TListNode fnGroupNode(const TGameGroup& group) {
  return {group.code, group.caption, -1, {TListNode{kUnfilledCode, "", -1, {}}}};
}

void fnFill(TListNode& node, const TCatalogue& catalogue, const TCustomGames& custom) {
  node.children = fnGroupChildren(node.code, catalogue, custom);
  for (TListNode& child : node.children) {
    if (fnIsUnfilled(child)) fnFill(child, catalogue, custom);
  }
}

}  // namespace

std::vector<TListNode> fnGameNodes(const std::vector<TListGame>& games) {
  std::vector<TListNode> nodes;
  nodes.reserve(games.size());
  for (const TListGame& game : games) nodes.push_back({game.code, game.name, game.type, {}});
  return nodes;
}

std::vector<TListNode> fnFavoriteNodes(const TIniFile& store, const TCatalogue& catalogue) {
  const auto convert = [&catalogue](const auto& self, const TFavoriteNode& favorite) -> TListNode {
    TListNode node{favorite.IsFolder() ? kStoredFolderCode : favorite.code,
                   favorite.caption,
                   favorite.IsFolder() ? -1 : catalogue.TypeOf(favorite.code),
                   {}};
    for (const TFavoriteNode& child : favorite.children) node.children.push_back(self(self, child));
    return node;
  };
  std::vector<TListNode> nodes;
  const TFavoritesTree tree(fnReadFavorites(store));
  for (const TFavoriteNode& favorite : tree.Top()) nodes.push_back(convert(convert, favorite));
  if (nodes.empty()) nodes.push_back({kAddFavoriteCode, "(Double click to add a game)", -1, {}});
  return nodes;
}

std::vector<TListNode> fnRecentNodes(const TIniFile& store, const TCatalogue& catalogue, const TCustomGames& custom) {
  std::vector<TListNode> nodes;
  for (const TRecentGame& game : fnRecentGames(fnReadLastPlayed(store), catalogue, custom))
    nodes.push_back({game.code, game.name, game.type, {}});
  return nodes;
}

std::vector<TListNode> fnGroupChildren(int groupCode, const TCatalogue& catalogue, const TCustomGames& custom) {
  if (fnHoldsGames(groupCode)) return fnGameNodes(fnGroupGames(groupCode, catalogue, custom));
  std::vector<TListNode> children;
  for (const TGameGroup* group : fnChildGroups(groupCode)) children.push_back(fnGroupNode(*group));
  return children;
}

std::vector<TListNode> fnGroupsTree(const TCatalogue& catalogue, const TCustomGames& custom, bool filled) {
  std::vector<TListNode> tree;
  for (const TGameGroup& group : fnGameGroups()) {
    if (group.parent != 0) continue;
    tree.push_back(fnGroupNode(group));
    if (filled) fnFill(tree.back(), catalogue, custom);
  }
  return tree;
}

bool fnIsUnfilled(const TListNode& group) {
  return group.children.size() == 1 && group.children.front().code == kUnfilledCode &&
         group.children.front().caption.empty();
}

}  // namespace tablerun
