// The favourites tree: loading the stored levels, saving them back, and the
// organiser's and the add dialog's editing.
#include "choice/favorites_tree.h"

#include <gtest/gtest.h>

#include "choice/favorites_menu_items.h"

namespace tablerun {
namespace {

// Captions level by level: "A[B C] D" is folder or game A holding B and C, then D.
std::string fnShape(const std::vector<TFavoriteNode>& nodes) {
  std::string shape;
  for (const TFavoriteNode& node : nodes) {
    if (!shape.empty()) shape += ' ';
    shape += node.caption;
    if (!node.children.empty()) shape += '[' + fnShape(node.children) + ']';
  }
  return shape;
}

std::string fnShape(const TFavoritesTree& tree) { return fnShape(tree.Top()); }

TFavoriteId fnIdOf(const std::vector<TFavoriteNode>& nodes, const std::string& caption) {
  for (const TFavoriteNode& node : nodes) {
    if (node.caption == caption) return node.id;
    if (const TFavoriteId inside = fnIdOf(node.children, caption)) return inside;
  }
  return kNoFavorite;
}

TFavoriteId fnIdOf(const TFavoritesTree& tree, const std::string& caption) { return fnIdOf(tree.Top(), caption); }

TEST(FavoritesTree, LoadsTwoLevelsAndSavesDeeperNodesAsTheSecond) {
  const TFavoritesTree cards({{1, -11, "Cards"}, {2, 12, "Twelve"}, {1, 3, "Three"}});
  EXPECT_EQ(fnShape(cards), "Cards[Twelve] Three");
  EXPECT_EQ(cards.Top()[0].code, kStoredFolderCode);
  EXPECT_EQ(cards.Top()[0].children[0].code, 12);
  EXPECT_EQ(cards.ParentOf(fnIdOf(cards, "Twelve")), fnIdOf(cards, "Cards"));

  // Every negative code is a folder read from the store.
  const TFavoritesTree folders({{1, -10, "New"}, {1, -11, "Old"}, {1, -101, "Odd"}});
  for (const TFavoriteNode& folder : folders.Top()) EXPECT_EQ(folder.code, kStoredFolderCode) << folder.caption;

  // Nothing is lost from a section written by hand: a deeper entry with no
  // top node before it stays on top, and a level-1 game holds what follows.
  const TFavoritesTree odd({{2, 5, "Orphan"}, {7, 6, "Deep"}, {1, 8, "Game"}, {2, 9, "Below"}, {0, 4, "Zero"}});
  EXPECT_EQ(fnShape(odd), "Orphan Deep Game[Below Zero]");

  // A folder dragged into a folder is written at level 2 and comes back beside its games.
  TFavoritesTree nested({{1, -11, "Outer"}, {2, 1, "Canfield"}, {1, -11, "Inner"}, {2, 2, "Spider"}});
  ASSERT_TRUE(nested.Move(fnIdOf(nested, "Inner"), fnIdOf(nested, "Outer")));
  EXPECT_EQ(fnShape(nested), "Outer[Canfield Inner[Spider]]");
  const std::vector<TFavoriteEntry> saved = nested.Entries();
  EXPECT_EQ(saved,
            (std::vector<TFavoriteEntry>{{1, -11, "Outer"}, {2, 1, "Canfield"}, {2, -11, "Inner"}, {2, 2, "Spider"}}));
  const TFavoritesTree reloaded(saved);
  EXPECT_EQ(fnShape(reloaded), "Outer[Canfield Inner Spider]");
  EXPECT_EQ(reloaded.Entries(), saved);
}

TEST(FavoritesTree, GamesAreSortedInOrdinallyAmongTheTargetFoldersGames) {
  TFavoritesTree tree({{1, -11, "Zoo"}, {2, 9, "Yukon"}, {1, -11, "A"}, {1, 1, "Canfield"}, {1, 2, "Spider"}});
  // At the top level the folders are passed over, "Zoo" included.
  const TFavoriteId klondike = tree.AddGame(kNoFavorite, "Klondike", 3);
  EXPECT_EQ(fnShape(tree), "Zoo[Yukon] A Canfield Klondike Spider");
  EXPECT_EQ(tree.Find(klondike)->code, 3);
  // Case counts: lower case sorts after every capital.
  tree.AddGame(fnIdOf(tree, "Canfield"), "aces up", 4);
  EXPECT_EQ(fnShape(tree), "Zoo[Yukon] A Canfield Klondike Spider aces up");

  struct TCase {
    const char* target;
    const char* added;
    const char* shape;
  };
  const TCase cases[] = {
      // A top-level folder takes the game; a node inside a folder stands for that folder.
      {"Zoo", "Bristol", "Zoo[Bristol Yukon] A Canfield Klondike Spider aces up"},
      {"Yukon", "Zebra", "Zoo[Bristol Yukon Zebra] A Canfield Klondike Spider aces up"},
      {"A", "Golf", "Zoo[Bristol Yukon Zebra] A[Golf] Canfield Klondike Spider aces up"},
      // Nothing chosen: the top level.
      {"", "Golf", "Zoo[Bristol Yukon Zebra] A[Golf] Canfield Golf Klondike Spider aces up"},
  };
  for (const TCase& c : cases) {
    tree.AddGame(fnIdOf(tree, c.target), c.added, 7);
    EXPECT_EQ(fnShape(tree), c.shape) << c.added << " at " << c.target;
  }
}

TEST(FavoritesTree, TheAddDialogLearnsOfANamePassedBeforeItsPlace) {
  TFavoritesTree tree({{1, -11, "Cards"}, {2, 1, "Canfield"}, {2, 2, "Klondike"}, {1, 2, "Klondike"}});
  const TFavoriteId cards = fnIdOf(tree, "Cards");
  EXPECT_TRUE(tree.AlreadyHolds(cards, "Klondike"));
  EXPECT_TRUE(tree.AlreadyHolds(fnIdOf(tree, "Canfield"), "Klondike"));
  EXPECT_TRUE(tree.AlreadyHolds(kNoFavorite, "Klondike"));
  EXPECT_FALSE(tree.AlreadyHolds(cards, "Spider"));
  // Folders are no games: a folder of the name at the top does not count.
  EXPECT_FALSE(tree.AlreadyHolds(kNoFavorite, "Cards"));
  // Yes to the question adds a second node of the name after the first.
  tree.AddGame(cards, "Klondike", 2);
  EXPECT_EQ(fnShape(tree), "Cards[Canfield Klondike Klondike] Klondike");
}

TEST(FavoritesTree, MovingANodeTakesItsChildrenAndNeverIntoItself) {
  const TFavoritesTree start(
      {{1, -11, "Cards"}, {2, 1, "Canfield"}, {2, -11, "Inner"}, {2, 5, "Golf"}, {1, 2, "Spider"}, {1, 0, "Zero"}});
  ASSERT_EQ(fnShape(start), "Cards[Canfield Inner Golf] Spider Zero");
  struct TCase {
    const char* dragged;
    const char* onto;
    const char* shape;
  };
  const TCase cases[] = {
      // Onto a game: first among that game's siblings.
      {"Golf", "Spider", "Golf Cards[Canfield Inner] Spider Zero"},
      {"Spider", "Canfield", "Cards[Spider Canfield Inner Golf] Zero"},
      // Onto a folder: its last child; a folder goes with what it holds.
      {"Spider", "Inner", "Cards[Canfield Inner[Spider] Golf] Zero"},
      {"Cards", "", "Spider Zero Cards[Canfield Inner Golf]"},
      // Game code 0 is no game with a code above 0: it takes the node as a child.
      {"Spider", "Zero", "Cards[Canfield Inner Golf] Zero[Spider]"},
  };
  for (const TCase& c : cases) {
    TFavoritesTree tree = start;
    const TFavoriteId dragged = fnIdOf(tree, c.dragged);
    ASSERT_TRUE(tree.Move(dragged, fnIdOf(tree, c.onto))) << c.dragged << " onto " << c.onto;
    EXPECT_EQ(fnShape(tree), c.shape) << c.dragged << " onto " << c.onto;
    EXPECT_EQ(tree.Find(dragged)->caption, c.dragged) << "the moved node keeps its id";
  }

  // A folder holding a folder dropped onto itself, its child or its grandchild: refused, nothing lost.
  TFavoritesTree tree = start;
  ASSERT_TRUE(tree.Move(fnIdOf(tree, "Spider"), fnIdOf(tree, "Inner")));
  const TFavoritesTree before = tree;
  for (const char* onto : {"Cards", "Inner", "Spider", "Golf"}) {
    EXPECT_FALSE(tree.Move(fnIdOf(tree, "Cards"), fnIdOf(tree, onto))) << onto;
    EXPECT_EQ(tree, before) << onto;
  }
  EXPECT_FALSE(tree.Move(fnIdOf(tree, "Inner"), fnIdOf(tree, "Spider")));
  EXPECT_FALSE(tree.Move(kNoFavorite, fnIdOf(tree, "Cards")));
  EXPECT_FALSE(tree.Move(fnIdOf(tree, "Zero"), 999));
  EXPECT_EQ(tree, before);
}

TEST(FavoritesTree, FoldersAreMadeBeforeTheFirstGameRenamedAndRemovedWhole) {
  TFavoritesTree tree({{1, 1, "Canfield"}, {1, -11, "Late"}, {1, 2, "Spider"}});
  const TFavoriteId made = tree.CreateFolder("New folder");
  EXPECT_EQ(fnShape(tree), "New folder Canfield Late Spider");
  EXPECT_EQ(tree.Find(made)->code, kNewFolderCode);
  TFavoritesTree empty;
  empty.CreateFolder("Only");
  EXPECT_EQ(fnShape(empty), "Only");

  ASSERT_TRUE(tree.Rename(made, "Best"));
  tree.AddGame(made, "Golf", 5);
  tree.AddGame(made, "Yukon", 6);
  EXPECT_EQ(fnShape(tree), "Best[Golf Yukon] Canfield Late Spider");
  ASSERT_TRUE(tree.Remove(made));
  EXPECT_EQ(fnShape(tree), "Canfield Late Spider");
  EXPECT_FALSE(tree.Find(fnIdOf(tree, "Golf")));
  EXPECT_FALSE(tree.Remove(made));
  tree.RemoveAll();
  EXPECT_TRUE(tree.Entries().empty());
}

TEST(FavoritesMenuItems, EveryFolderIsASubmenuOfTheMenuHoldingTheGamesAfterIt) {
  // Outer[Canfield Inner[Spider]] as saved, then a top game, then a stray level-2 game.
  const std::vector<TFavoriteEntry> entries = {{1, -11, "Outer"}, {2, 1, "Canfield"}, {2, -11, "Inner"},
                                               {2, 2, "Spider"},  {1, 3, "Klondike"}, {2, 4, "Golf"}};
  const std::vector<TFavoritesMenuItem> expected = {
      {"Outer", -11, {{"Canfield", 1, {}}}},
      {"Inner", -11, {{"Spider", 2, {}}}},
      {"Klondike", 3, {}},
      {"Golf", 4, {}},
  };
  EXPECT_EQ(fnFavoritesMenuItems(entries), expected);
  EXPECT_TRUE(fnFavoritesMenuItems({}).empty());
}

}  // namespace
}  // namespace tablerun
