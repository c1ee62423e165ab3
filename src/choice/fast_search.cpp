#include "choice/fast_search.h"

#include <algorithm>
#include <array>

#include "choice/recent_games.h"
#include "config/text.h"
#include "records/records_of_state.h"

namespace tablerun {
namespace {

bool fnNameBefore(const TFastSearchNode& a, const TFastSearchNode& b) {
  const std::string left = fnLowerCase(a.name), right = fnLowerCase(b.name);
  return left != right ? left < right : a.name < b.name;
}

std::vector<TFastSearchNode> fnByName(std::vector<TFastSearchNode> nodes) {
  std::stable_sort(nodes.begin(), nodes.end(), fnNameBefore);
  return nodes;
}

std::vector<TFastSearchNode> fnCatalogueGames(const TFastSearchSources& sources, bool lostOnly) {
  std::vector<TFastSearchNode> nodes;
  for (const TCatalogueEntry& entry : sources.catalogue.Entries()) {
    if (lostOnly && sources.statuses.Of(entry.code) == TGameStatus::Won) continue;
    nodes.push_back({.code = entry.code, .name = entry.name, .type = entry.type});
  }
  return fnByName(std::move(nodes));
}

std::vector<TFastSearchNode> fnSelectedGames(const TFastSearchSources& sources) {
  std::vector<TFastSearchNode> nodes;
  for (const int code : sources.catalogue.SelectedGames()) {
    const std::string name = sources.catalogue.NameOf(code, sources.customGames);
    if (!name.empty()) nodes.push_back({.code = code, .name = name, .type = sources.catalogue.TypeOf(code)});
  }
  return fnByName(std::move(nodes));
}

std::vector<TFastSearchNode> fnCustomGames(const TFastSearchSources& sources) {
  std::vector<TFastSearchNode> nodes;
  for (const TCustomGame& game : sources.customGames.SortedByName())
    nodes.push_back({.code = game.code, .name = game.name, .type = kCustomGameType});
  return nodes;
}

// As the favourites menu reads them: a game inside a folder follows the
// folder; a game of the top level closes the folder before it.
std::vector<TFastSearchNode> fnFavoriteGames(const TFastSearchSources& sources) {
  std::vector<TFastSearchNode> nodes;
  bool inFolder = false;
  for (const TFavoriteEntry& entry : sources.favorites) {
    if (entry.IsFolder()) {
      nodes.push_back({.code = kStoredFolderCode, .name = entry.caption});
      inFolder = true;
      continue;
    }
    inFolder = inFolder && entry.level != 1;
    nodes.push_back({.code = entry.code,
                     .name = entry.caption,
                     .type = sources.catalogue.TypeOf(entry.code),
                     .inFolder = inFolder});
  }
  return nodes;
}

std::vector<TFastSearchNode> fnRecentList(const TFastSearchSources& sources) {
  std::vector<TFastSearchNode> nodes;
  for (const TRecentGame& game : fnRecentGames(sources.lastPlayed, sources.catalogue, sources.customGames))
    nodes.push_back({.code = game.code, .name = game.name, .type = game.type});
  return nodes;
}

// The matches among `games`, those starting with `typed` (lower case) first.
std::vector<TFastSearchNode> fnRanked(const std::vector<TFastSearchNode>& games, const std::string& typed) {
  std::vector<TFastSearchNode> starting, holding;
  for (const TFastSearchNode& game : games) {
    const std::size_t at = fnLowerCase(game.name).find(typed);
    if (at == std::string::npos) continue;
    (at == 0 ? starting : holding).push_back(game);
  }
  starting = fnByName(std::move(starting));
  for (TFastSearchNode& game : fnByName(std::move(holding))) starting.push_back(std::move(game));
  return starting;
}

}  // namespace

TFastSearchKind fnFastSearchKind(int stored) {
  return stored >= 0 && stored < kFastSearchKinds ? static_cast<TFastSearchKind>(stored) : TFastSearchKind::AllGames;
}

std::string fnFastSearchCaption(TFastSearchKind kind) {
  static constexpr std::array<const char*, kFastSearchKinds> kCaptions = {
      "FastSearch [All games]",        "FastSearch [Favorite games]", "FastSearch [Selected games]",
      "FastSearch [Customized games]", "FastSearch [Lost games]",     "FastSearch [My recent games]"};
  return kCaptions[static_cast<std::size_t>(kind)];
}

TFastSearchSources fnFastSearchSources(TTablerunState& state, TFastSearchKind kind) {
  TFastSearchSources sources{state.mainGame.Catalogue(), state.customGames, {}, {}, {}};
  if (kind == TFastSearchKind::Favorites && state.store) sources.favorites = fnReadFavorites(*state.store);
  if (kind == TFastSearchKind::Recent && state.store) sources.lastPlayed = fnReadLastPlayed(*state.store);
  if (kind == TFastSearchKind::Lost) {
    TRecordsFolder folder = fnRecordsFolder(state);
    sources.statuses = TGameStatuses(folder, state.config.Read(cfg::kPlayer));
  }
  return sources;
}

std::vector<TFastSearchNode> fnFastSearchList(TFastSearchKind kind, const TFastSearchSources& sources) {
  switch (kind) {
    case TFastSearchKind::AllGames: return fnCatalogueGames(sources, false);
    case TFastSearchKind::Favorites: return fnFavoriteGames(sources);
    case TFastSearchKind::Selected: return fnSelectedGames(sources);
    case TFastSearchKind::Custom: return fnCustomGames(sources);
    case TFastSearchKind::Lost: return fnCatalogueGames(sources, true);
    case TFastSearchKind::Recent: return fnRecentList(sources);
  }
  return {};
}

std::vector<TFastSearchNode> fnFilterFastSearch(const std::vector<TFastSearchNode>& list, std::string_view typed) {
  if (typed.empty()) return list;
  const std::string wanted = fnLowerCase(typed);
  std::vector<TFastSearchNode> shown, topLevel;
  for (std::size_t at = 0; at < list.size();) {
    if (!list[at].IsFolder()) {
      topLevel.push_back(list[at++]);
      continue;
    }
    const std::size_t folder = at++;
    std::vector<TFastSearchNode> games;
    while (at < list.size() && list[at].inFolder) games.push_back(list[at++]);
    std::vector<TFastSearchNode> matches = fnRanked(games, wanted);
    if (matches.empty()) continue;
    shown.push_back(list[folder]);
    shown.insert(shown.end(), matches.begin(), matches.end());
  }
  for (TFastSearchNode& game : fnRanked(topLevel, wanted)) shown.push_back(std::move(game));
  return shown;
}

}  // namespace tablerun
