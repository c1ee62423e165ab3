// The player's favourite games as the preference store keeps them: one entry
// per node of the favourites tree, a folder's games after it.
#pragma once

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "model/catalogue.h"

namespace tablerun {

struct TFavoriteEntry {
  int level = 1;  // 1 at the top, 2 inside a folder
  int code = 0;   // a game code; negative for a folder
  std::string caption;
  bool IsFolder() const { return code < 0; }
  bool operator==(const TFavoriteEntry&) const = default;
};

inline constexpr std::size_t kFavoriteCaptionLength = 50;

// Folders made in a dialog still open and those read from the store differ only
// in code; the lists show every folder read with the stored code.
inline constexpr int kNewFolderCode = -10;
inline constexpr int kStoredFolderCode = -11;

// In tree order, up to the first missing or empty entry; a damaged entry ends
// the list there, so what comes before it is kept.
std::vector<TFavoriteEntry> fnReadFavorites(const TIniFile& store);
// The whole section written again; levels deeper than 2 are written as 2.
bool fnWriteFavorites(TIniFile& store, const std::vector<TFavoriteEntry>& entries);

// Favourites kept by name by earlier releases become entries of the top level,
// after the favourites already there; names no game answers to any more are dropped.
void fnConvertOldFavorites(TIniFile& store, const TCatalogue& catalogue, const TCustomGames& custom);
bool fnHasOldFavorites(const TIniFile& store);

// One of the favourite games, each with the same chance; nothing when there are only folders.
std::optional<int> fnRandomFavorite(const std::vector<TFavoriteEntry>& entries, std::mt19937_64& random);

}  // namespace tablerun
