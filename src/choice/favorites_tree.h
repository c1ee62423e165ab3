// The favourites as the organiser and the add dialog edit them: folders
// holding games, in the order the player arranged them, saved back as the
// two levels the preference store keeps.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "choice/favorites_file.h"

namespace tablerun {

// Nodes keep their id while they move, so a dialog can follow one.
using TFavoriteId = int;
inline constexpr TFavoriteId kNoFavorite = 0;

struct TFavoriteNode {
  TFavoriteId id = kNoFavorite;
  int code = 0;  // a game code; negative for a folder
  std::string caption;
  std::vector<TFavoriteNode> children;
  bool IsFolder() const { return code < 0; }
  bool operator==(const TFavoriteNode&) const = default;
};

class TFavoritesTree {
 public:
  TFavoritesTree() = default;
  // A level-1 entry starts a top node; deeper ones go into the last top node.
  explicit TFavoritesTree(const std::vector<TFavoriteEntry>& entries);
  // In tree order; everything below the top is level 2.
  std::vector<TFavoriteEntry> Entries() const;

  const std::vector<TFavoriteNode>& Top() const { return top_; }
  const TFavoriteNode* Find(TFavoriteId id) const;
  TFavoriteId ParentOf(TFavoriteId id) const;

  // A game sorted in among the folder `target` stands for: its own parent, or
  // itself as a top-level folder; at the top level folders are passed over.
  TFavoriteId AddGame(TFavoriteId target, const std::string& name, int code);
  // Whether the scan that places `name` passes a node of that name first.
  bool AlreadyHolds(TFavoriteId target, std::string_view name) const;
  // Onto a game the node becomes the first of its siblings; onto a folder its
  // last child; onto nothing the last top node. Refused, with nothing changed,
  // onto itself or anything inside it.
  bool Move(TFavoriteId dragged, TFavoriteId onto);
  // Before the first top-level game.
  TFavoriteId CreateFolder(const std::string& name);
  bool Rename(TFavoriteId id, const std::string& caption);
  // With everything inside it.
  bool Remove(TFavoriteId id);
  void RemoveAll() { top_.clear(); }

  bool operator==(const TFavoritesTree&) const = default;

 private:
  struct TPlace {
    std::vector<TFavoriteNode>* siblings = nullptr;
    std::size_t index = 0;
    TFavoriteNode* parent = nullptr;
  };
  struct TInsertion {
    std::vector<TFavoriteNode>* siblings = nullptr;
    std::size_t index = 0;
    bool nameSeen = false;
  };
  // The places point into the tree for the editing operations; the const ones only read through them.
  std::vector<TFavoriteNode>* TopNodes() const { return const_cast<std::vector<TFavoriteNode>*>(&top_); }
  // Nothing found: no siblings.
  TPlace Locate(TFavoriteId id) const;
  TInsertion InsertionOf(TFavoriteId target, std::string_view name) const;
  TFavoriteNode NewNode(int code, std::string caption) { return {++lastId_, code, std::move(caption), {}}; }

  std::vector<TFavoriteNode> top_;
  TFavoriteId lastId_ = kNoFavorite;
};

}  // namespace tablerun
