#include "choice/favorites_tree.h"

#include <iterator>
#include <utility>

namespace tablerun {
namespace {

constexpr int kTopLevel = 1, kInsideFolder = 2;

void fnAppendEntries(const std::vector<TFavoriteNode>& nodes, int level, std::vector<TFavoriteEntry>& entries) {
  for (const TFavoriteNode& node : nodes) {
    entries.push_back({level, node.code, node.caption});
    fnAppendEntries(node.children, kInsideFolder, entries);
  }
}

bool fnHolds(const TFavoriteNode& node, TFavoriteId id) {
  if (node.id == id) return true;
  for (const TFavoriteNode& child : node.children) {
    if (fnHolds(child, id)) return true;
  }
  return false;
}

}  // namespace

TFavoritesTree::TFavoritesTree(const std::vector<TFavoriteEntry>& entries) {
  // The last level-1 node's index plus one; 0 before there is one.
  std::size_t currentTop = 0;
  for (const TFavoriteEntry& entry : entries) {
    TFavoriteNode node = NewNode(entry.IsFolder() ? kStoredFolderCode : entry.code, entry.caption);
    if (entry.level == kTopLevel) {
      top_.push_back(std::move(node));
      currentTop = top_.size();
    } else if (currentTop > 0) {
      top_[currentTop - 1].children.push_back(std::move(node));
    } else {
      top_.push_back(std::move(node));
    }
  }
}

std::vector<TFavoriteEntry> TFavoritesTree::Entries() const {
  std::vector<TFavoriteEntry> entries;
  fnAppendEntries(top_, kTopLevel, entries);
  return entries;
}

TFavoritesTree::TPlace TFavoritesTree::Locate(TFavoriteId id) const {
  std::vector<std::pair<std::vector<TFavoriteNode>*, TFavoriteNode*>> pending{{TopNodes(), nullptr}};
  while (!pending.empty()) {
    auto [siblings, parent] = pending.back();
    pending.pop_back();
    for (std::size_t index = 0; index < siblings->size(); ++index) {
      TFavoriteNode& node = (*siblings)[index];
      if (node.id == id) return {siblings, index, parent};
      pending.push_back({&node.children, &node});
    }
  }
  return {};
}

const TFavoriteNode* TFavoritesTree::Find(TFavoriteId id) const {
  const TPlace place = Locate(id);
  return place.siblings ? &(*place.siblings)[place.index] : nullptr;
}

TFavoriteId TFavoritesTree::ParentOf(TFavoriteId id) const {
  const TPlace place = Locate(id);
  return place.parent ? place.parent->id : kNoFavorite;
}

TFavoritesTree::TInsertion TFavoritesTree::InsertionOf(TFavoriteId target, std::string_view name) const {
  const TPlace place = Locate(target);
  TFavoriteNode* folder = place.parent;
  if (!folder && place.siblings && (*place.siblings)[place.index].IsFolder()) folder = &(*place.siblings)[place.index];
  TInsertion insertion{folder ? &folder->children : TopNodes(), 0, false};
  std::vector<TFavoriteNode>& nodes = *insertion.siblings;
  for (insertion.index = 0; insertion.index < nodes.size(); ++insertion.index) {
    const TFavoriteNode& node = nodes[insertion.index];
    if (!folder && node.IsFolder()) continue;
    // Ordinal: "Zebra" sorts before "apple".
    if (node.caption > name) break;
    insertion.nameSeen = insertion.nameSeen || node.caption == name;
  }
  return insertion;
}

TFavoriteId TFavoritesTree::AddGame(TFavoriteId target, const std::string& name, int code) {
  const TInsertion insertion = InsertionOf(target, name);
  TFavoriteNode node = NewNode(code, name);
  const TFavoriteId id = node.id;
  insertion.siblings->insert(insertion.siblings->begin() + static_cast<std::ptrdiff_t>(insertion.index),
                             std::move(node));
  return id;
}

bool TFavoritesTree::AlreadyHolds(TFavoriteId target, std::string_view name) const {
  return InsertionOf(target, name).nameSeen;
}

bool TFavoritesTree::Move(TFavoriteId dragged, TFavoriteId onto) {
  const TPlace from = Locate(dragged);
  if (!from.siblings) return false;
  const bool ontoKnown = onto == kNoFavorite || Find(onto);
  if (!ontoKnown || fnHolds((*from.siblings)[from.index], onto)) return false;
  TFavoriteNode node = std::move((*from.siblings)[from.index]);
  from.siblings->erase(from.siblings->begin() + static_cast<std::ptrdiff_t>(from.index));
  const TPlace to = Locate(onto);
  if (!to.siblings) {
    top_.push_back(std::move(node));
    return true;
  }
  TFavoriteNode& target = (*to.siblings)[to.index];
  if (target.code > 0) {
    to.siblings->insert(to.siblings->begin(), std::move(node));
  } else {
    target.children.push_back(std::move(node));
  }
  return true;
}

TFavoriteId TFavoritesTree::CreateFolder(const std::string& name) {
  auto firstGame = top_.begin();
  while (firstGame != top_.end() && firstGame->IsFolder()) ++firstGame;
  return top_.insert(firstGame, NewNode(kNewFolderCode, name))->id;
}

bool TFavoritesTree::Rename(TFavoriteId id, const std::string& caption) {
  const TPlace place = Locate(id);
  if (!place.siblings) return false;
  (*place.siblings)[place.index].caption = caption;
  return true;
}

bool TFavoritesTree::Remove(TFavoriteId id) {
  const TPlace place = Locate(id);
  if (!place.siblings) return false;
  place.siblings->erase(place.siblings->begin() + static_cast<std::ptrdiff_t>(place.index));
  return true;
}

}  // namespace tablerun
