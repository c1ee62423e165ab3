// The lists of the open-a-game dialog without pixels: the catalogue in name
// order, the groups with their codes and captions, which games each group
// holds, and the features the preview shows of a game.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/custom_games.h"

namespace tablerun {

// Codes of the nodes that are not games.
inline constexpr int kUnfilledCode = -1;  // the child of a group not filled yet
inline constexpr int kAddFavoriteCode = -2;
inline constexpr int kHowToCustomizeCode = -3;
inline constexpr int kCustomizedGamesCode = -2070;
inline constexpr int kGameTypeCode = -2020;
inline constexpr int kFeaturesCode = -1;
inline constexpr int kOtherGroupsCode = -2090;
inline constexpr int kNewGamesCode = -2080;
inline constexpr int kFreeCellTypeCode = -202025;

// The list modes, as "Game_TreeType" stores them.
enum class TListMode { AllGames = 0, Groups = 1, Selected = 2, Favorites = 3, Recents = 4 };

// One line of a list: a game, or the caption of a node that holds none.
struct TListGame {
  int code = -1;
  std::string name;
  int type = -1;  // the game type, for its icon; −1 for a node that is not a game
};

// The built-in games in name order: the order of every list and group.
std::vector<TListGame> fnCatalogueView(const TCatalogue& catalogue);

struct TGameGroup {
  int code = 0;
  std::string caption;
  int parent = 0;  // 0: a top-level group
  int type = -1;   // the game type a type group holds
};

// Every group in tree order, a parent before its children; "New games" with the version.
const std::vector<TGameGroup>& fnGameGroups();
const TGameGroup* fnFindGroup(int code);
std::vector<const TGameGroup*> fnChildGroups(int code);
// A group that holds games rather than groups.
bool fnHoldsGames(int groupCode);

// The games of a group in name order; "Customized games" holds the custom
// games, or the "(How to customize a game)" node when there are none.
std::vector<TListGame> fnGroupGames(int groupCode, const TCatalogue& catalogue, const TCustomGames& custom);
// The games of "[SectS]", in name order.
std::vector<TListGame> fnSelectedGames(const TCatalogue& catalogue);

// What the preview panel says of a game; pictures are image names.
struct TGameFeatures {
  int decks = 0;
  std::string gameTime, difficulty, chance, skill;
  std::string timeBar, difficultyBar, chanceBar, skillBar;
  std::string redeals;
};

// Nothing for a code that names no game.
std::optional<TGameFeatures> fnGameFeatures(const TCatalogue& catalogue, const TCustomGames& custom, int code);

// The chance text with the reference games when `played` is not 0: "Low (3 in 40  -  7.5%)".
std::string fnChanceText(const std::string& text, int won, int played);
// Redeals from rule slot 16: "Unlimited" for −1.
std::string fnRedealsText(int deals);

}  // namespace tablerun
