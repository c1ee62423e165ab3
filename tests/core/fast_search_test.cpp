#include "choice/fast_search.h"

#include <gtest/gtest.h>

#include "choice/recent_games.h"
#include "support/games_fixture.h"
#include "support/records_world.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

// A custom games file: the header line and 30-line blocks.
std::string fnCustomGamesFile(const std::vector<std::pair<int, std::string>>& games) {
  std::string bytes = "[R-0301]\r\n";
  for (const auto& [code, name] : games) {
    std::string padded = name;
    padded.resize(50, ' ');
    bytes += std::to_string(code) + padded + "0001\r\n001001\r\n" + std::string(28, '\n');
  }
  return bytes;
}

class FastSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::pair<std::string, std::string>> definitions;
    const std::tuple<int, const char*, const char*> games[] = {{0, "Klondike", "type: 5\ngroups: selected\n"},
                                                               {1, "FreeCell", "type: 4\ngroups: selected\n"},
                                                               {2, "Spider", "type: 8\n"},
                                                               {3, "Baker's Dozen", "type: 12\ngroups: selected\n"},
                                                               {4, "Sea Haven Towers", "type: 4\n"},
                                                               {5, "Spiderette", "type: 8\n"},
                                                               {6, "king albert", "type: 7\n"},
                                                               {7, "Eight Off", "type: 4\n"}};
    for (const auto& [code, name, extra] : games)
      definitions.emplace_back(std::to_string(code) + ".game", testing::fnFixtureGame(code, name, extra));
    std::string error;
    ASSERT_TRUE(catalogue.Load(TGamesFile::Parse(testing::fnCompileGames(definitions)), error)) << error;
    folder.Write("GAM_CUST.DAT", fnCustomGamesFile({{8001, "Spider for two"}, {8000, "Easy cells"}}));
  }

  TFastSearchSources Sources() { return {catalogue, custom, {}, {}, {}}; }
  std::vector<std::string> Names(const std::vector<TFastSearchNode>& nodes) {
    std::vector<std::string> names;
    for (const TFastSearchNode& node : nodes) names.push_back((node.inFolder ? "  " : "") + node.name);
    return names;
  }
  std::vector<std::string> Listed(TFastSearchKind kind, const std::string& typed = "") {
    return Names(fnFilterFastSearch(fnFastSearchList(kind, sources), typed));
  }

  testing::TTempFolder folder;
  TPosixFileSystem fs;
  TCustomGames custom{fs, folder.Path()};
  TCatalogue catalogue;
  TFastSearchSources sources = Sources();
};

using TNames = std::vector<std::string>;

TEST_F(FastSearchTest, EachKindHasItsCaptionAndAStoredKindOutsideTheSixReadsAsAllGames) {
  EXPECT_EQ(fnFastSearchCaption(TFastSearchKind::AllGames), "FastSearch [All games]");
  EXPECT_EQ(fnFastSearchCaption(TFastSearchKind::Favorites), "FastSearch [Favorite games]");
  EXPECT_EQ(fnFastSearchCaption(TFastSearchKind::Selected), "FastSearch [Selected games]");
  EXPECT_EQ(fnFastSearchCaption(TFastSearchKind::Custom), "FastSearch [Customized games]");
  EXPECT_EQ(fnFastSearchCaption(TFastSearchKind::Lost), "FastSearch [Lost games]");
  EXPECT_EQ(fnFastSearchCaption(TFastSearchKind::Recent), "FastSearch [My recent games]");
  EXPECT_EQ(fnFastSearchKind(5), TFastSearchKind::Recent);
  for (const int stored : {-1, 6, 112}) EXPECT_EQ(fnFastSearchKind(stored), TFastSearchKind::AllGames);
}

TEST_F(FastSearchTest, AllSelectedAndCustomGamesAreListedByNameWithTheirTypes) {
  const std::vector<TFastSearchNode> all = fnFastSearchList(TFastSearchKind::AllGames, sources);
  EXPECT_EQ(Names(all), (TNames{"Baker's Dozen", "Eight Off", "FreeCell", "king albert", "Klondike", "Sea Haven Towers",
                                "Spider", "Spiderette"}));
  EXPECT_EQ(all[2], (TFastSearchNode{.code = 1, .name = "FreeCell", .type = 4}));
  EXPECT_EQ(Listed(TFastSearchKind::Selected), (TNames{"Baker's Dozen", "FreeCell", "Klondike"}));
  const std::vector<TFastSearchNode> customGames = fnFastSearchList(TFastSearchKind::Custom, sources);
  EXPECT_EQ(Names(customGames), (TNames{"Easy cells", "Spider for two"}));
  EXPECT_EQ(customGames[1], (TFastSearchNode{.code = 8001, .name = "Spider for two", .type = kCustomGameType}));
}

TEST_F(FastSearchTest, FavouritesKeepTheirFoldersAndATopLevelGameClosesTheFolderBeforeIt) {
  sources.favorites = {{1, -11, "Patience"}, {2, 0, "Klondike"}, {2, 8000, "Easy cells"}, {1, 2, "Spider"},
                       {2, 1, "FreeCell"},   {1, -10, "Empty"},  {1, 5, "Spiderette"},    {2, 7, "Eight Off"}};
  const std::vector<TFastSearchNode> favorites = fnFastSearchList(TFastSearchKind::Favorites, sources);
  EXPECT_EQ(Names(favorites), (TNames{"Patience", "  Klondike", "  Easy cells", "Spider", "FreeCell", "Empty",
                                      "Spiderette", "Eight Off"}));
  EXPECT_EQ(favorites[0], (TFastSearchNode{.code = kStoredFolderCode, .name = "Patience"}));
  EXPECT_EQ(favorites[2].type, kCustomGameType);
  EXPECT_EQ(favorites[3].type, 8);
}

TEST_F(FastSearchTest, TypingKeepsTheNamesHoldingTheTextThoseStartingWithItFirst) {
  const struct {
    const char* typed;
    TNames shown;
  } cases[] = {
      {"",
       {"Baker's Dozen", "Eight Off", "FreeCell", "king albert", "Klondike", "Sea Haven Towers", "Spider",
        "Spiderette"}},
      {"spider", {"Spider", "Spiderette"}},
      {"ER", {"Baker's Dozen", "king albert", "Sea Haven Towers", "Spider", "Spiderette"}},
      {"k", {"king albert", "Klondike", "Baker's Dozen"}},
      {"e",
       {"Eight Off", "Baker's Dozen", "FreeCell", "king albert", "Klondike", "Sea Haven Towers", "Spider",
        "Spiderette"}},
      {"'s d", {"Baker's Dozen"}},
      {"cells", {}},
      {"Spider ", {}},
  };
  for (const auto& [typed, shown] : cases) EXPECT_EQ(Listed(TFastSearchKind::AllGames, typed), shown) << typed;
}

TEST_F(FastSearchTest, TypingInTheFavouritesShowsAFolderOnlyWithItsMatches) {
  sources.favorites = {{1, -11, "Cells"}, {2, 7, "Eight Off"},  {2, 1, "FreeCell"},         {1, -11, "Spiders"},
                       {2, 2, "Spider"},  {2, 5, "Spiderette"}, {1, 4, "Sea Haven Towers"}, {1, 6, "king albert"}};
  EXPECT_EQ(Listed(TFastSearchKind::Favorites, "e"),
            (TNames{"Cells", "  Eight Off", "  FreeCell", "Spiders", "  Spider", "  Spiderette", "king albert",
                    "Sea Haven Towers"}));
  EXPECT_EQ(Listed(TFastSearchKind::Favorites, "ette"), (TNames{"Spiders", "  Spiderette"}));
  // A folder's own name is no match.
  EXPECT_EQ(Listed(TFastSearchKind::Favorites, "cells"), TNames{});
  EXPECT_EQ(Listed(TFastSearchKind::Favorites, "f"), (TNames{"Cells", "  FreeCell", "  Eight Off"}));
}

TEST_F(FastSearchTest, RecentGamesAreTheLastPlayedThatStillHaveANameByName) {
  sources.lastPlayed = {5, 8001, 9, 0, 8007};
  EXPECT_EQ(Listed(TFastSearchKind::Recent), (TNames{"Klondike", "Spider for two", "Spiderette"}));
  EXPECT_EQ(Listed(TFastSearchKind::Recent, "two"), (TNames{"Spider for two"}));
}

// The built-in games and the records of "Ann", who won Klondike and lost FreeCell.
TEST(FastSearchOfPlayerTest, LostGamesAreEveryGameThePlayerHasNotWonAndTheStoreFeedsTheOtherKinds) {
  testing::TRecordsWorld world;
  world.Record(true);
  world.ChooseGame(1);
  world.Record(false);
  const std::size_t games = world.state.mainGame.Catalogue().Entries().size();
  const TFastSearchSources lostSources = fnFastSearchSources(world.state, TFastSearchKind::Lost);
  const std::vector<TFastSearchNode> lost = fnFastSearchList(TFastSearchKind::Lost, lostSources);
  EXPECT_EQ(lost.size(), games - 1);
  const auto listed = [&](int code) {
    return std::any_of(lost.begin(), lost.end(), [code](const TFastSearchNode& node) { return node.code == code; });
  };
  EXPECT_FALSE(listed(0));
  EXPECT_TRUE(listed(1));
  EXPECT_TRUE(listed(3));

  world.state.store = std::make_unique<TIniFile>(world.fs, world.screen, world.folder / "Cfg.dat");
  ASSERT_TRUE(fnWriteFavorites(*world.state.store, {{1, -11, "Mine"}, {2, 1, "FreeCell"}}));
  fnRecordDealtGame(*world.state.store, 3);
  const auto namesOf = [&](TFastSearchKind kind) {
    std::vector<std::string> names;
    for (const TFastSearchNode& node : fnFastSearchList(kind, fnFastSearchSources(world.state, kind)))
      names.push_back(node.name);
    return names;
  };
  EXPECT_EQ(namesOf(TFastSearchKind::Favorites), (TNames{"Mine", "FreeCell"}));
  EXPECT_EQ(namesOf(TFastSearchKind::Recent),
            TNames{world.state.mainGame.Catalogue().NameOf(3, world.state.customGames)});
}

}  // namespace
}  // namespace tablerun
