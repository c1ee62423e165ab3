// The fast-search window's lists: six kinds of game list, and the text typed
// above the list keeping the games whose name holds it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "choice/favorites_file.h"
#include "choice/game_status.h"
#include "engine/state/tablerun_state.h"
#include "model/catalogue.h"

namespace tablerun {

enum class TFastSearchKind { AllGames = 0, Favorites = 1, Selected = 2, Custom = 3, Lost = 4, Recent = 5 };
inline constexpr int kFastSearchKinds = 6;

// A stored kind outside the six reads as all games.
TFastSearchKind fnFastSearchKind(int stored);
// "FastSearch [All games]" and its five siblings.
std::string fnFastSearchCaption(TFastSearchKind kind);

struct TFastSearchNode {
  int code = -1;  // a game's code, or kStoredFolderCode
  std::string name;
  int type = -1;          // the game's type, kCustomGameType for a custom game; -1 for a folder
  bool inFolder = false;  // one of the games of the folder above it
  bool IsFolder() const { return code < 0; }
  bool operator==(const TFastSearchNode&) const = default;
};

// What the lists are made of; each kind reads only its own part.
struct TFastSearchSources {
  const TCatalogue& catalogue;
  const TCustomGames& customGames;
  std::vector<TFavoriteEntry> favorites;
  std::vector<int> lastPlayed;  // newest first
  TGameStatuses statuses;       // the current player's
};

// Reads from the program what `kind` needs: the favourites or the last played
// games from the store, the current player's records.
TFastSearchSources fnFastSearchSources(TTablerunState& state, TFastSearchKind kind);

// The list of a kind in the order shown; a favourites folder is followed by its games.
std::vector<TFastSearchNode> fnFastSearchList(TFastSearchKind kind, const TFastSearchSources& sources);

// The games whose name holds `typed` without regard to case: names that start
// with it first, then the others, each in name order. Folders holding a match
// keep their order, each with its matches, ahead of the matches of the top
// level. An empty text keeps everything as it is.
std::vector<TFastSearchNode> fnFilterFastSearch(const std::vector<TFastSearchNode>& list, std::string_view typed);

}  // namespace tablerun
