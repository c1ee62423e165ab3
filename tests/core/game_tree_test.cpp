#include "choice/game_tree.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/built_in_games.h"
#include "support/games_fixture.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

class GameTreeTest : public ::testing::Test {
 protected:
  const TCatalogue& builtIn = testing::BuiltInCatalogue();
  testing::TTempFolder folder;
  TPosixFileSystem fs;
  TCustomGames custom{fs, folder.Path()};

  // How many times each built-in game appears among the groups holding games below `parent`.
  std::map<int, int> Appearances(int parent) const {
    std::map<int, int> seen;
    for (const TGameGroup* group : fnChildGroups(parent)) {
      EXPECT_TRUE(fnHoldsGames(group->code)) << group->caption;
      for (const TListGame& game : fnGroupGames(group->code, builtIn, custom)) ++seen[game.code];
    }
    return seen;
  }
};

TEST_F(GameTreeTest, EveryBuiltInGameIsInExactlyOneTypeGroupOfItsType) {
  ASSERT_EQ(fnChildGroups(kGameTypeCode).size(), 26U);
  std::size_t listed = 0;
  for (const TGameGroup* group : fnChildGroups(kGameTypeCode)) {
    for (const TListGame& game : fnGroupGames(group->code, builtIn, custom)) {
      EXPECT_EQ(builtIn.TypeOf(game.code), group->type) << game.name;
      ++listed;
    }
  }
  EXPECT_EQ(listed, builtIn.Entries().size());
  for (const auto& [code, count] : Appearances(kGameTypeCode)) EXPECT_EQ(count, 1) << code;
}

TEST_F(GameTreeTest, EachFeatureSplitsTheGamesIntoItsGroups) {
  const auto features = fnChildGroups(kFeaturesCode);
  ASSERT_EQ(features.size(), 4U);
  for (const TGameGroup* feature : features) {
    const std::map<int, int> seen = Appearances(feature->code);
    EXPECT_EQ(seen.size(), builtIn.Entries().size()) << feature->caption;
    for (const auto& [code, count] : seen) EXPECT_EQ(count, 1) << feature->caption << " " << code;
  }
}

TEST_F(GameTreeTest, ListsAreInNameOrderAndGroupsFollowTheGamesList) {
  const auto view = fnCatalogueView(builtIn);
  ASSERT_EQ(view.size(), builtIn.Entries().size());
  for (std::size_t i = 1; i < view.size(); ++i) EXPECT_LT(view[i - 1].name, view[i].name);

  const auto codes = [](const std::vector<TListGame>& games) {
    std::set<int> set;
    for (const auto& game : games) set.insert(game.code);
    return set;
  };
  const auto asSet = [](const std::vector<int>& list) { return std::set<int>(list.begin(), list.end()); };
  EXPECT_EQ(codes(fnSelectedGames(builtIn)), asSet(builtIn.SelectedGames()));
  EXPECT_EQ(codes(fnGroupGames(-209010, builtIn, custom)), asSet(builtIn.OriginalGames()));
  EXPECT_EQ(codes(fnGroupGames(-209020, builtIn, custom)), asSet(builtIn.ChildrensGames()));
  std::set<int> newGames;
  for (const auto& entry : builtIn.Entries()) {
    if (entry.isNew) newGames.insert(entry.code);
  }
  EXPECT_EQ(codes(fnGroupGames(kNewGamesCode, builtIn, custom)), newGames);
  EXPECT_EQ(fnFindGroup(kNewGamesCode)->caption, std::string("New games (vers.") + TABLERUN_VERSION + ")");
  // Groups that hold groups hold no games.
  EXPECT_TRUE(fnGroupGames(kGameTypeCode, builtIn, custom).empty());
  EXPECT_EQ(fnFindGroup(kFreeCellTypeCode)->caption, "FreeCell type");
}

TEST_F(GameTreeTest, CustomizedGamesHoldTheCustomGamesOrTheWayToMakeOne) {
  const auto none = fnGroupGames(kCustomizedGamesCode, builtIn, custom);
  ASSERT_EQ(none.size(), 1U);
  EXPECT_EQ(none[0].code, kHowToCustomizeCode);
  EXPECT_EQ(none[0].name, "(How to customize a game)");

  std::string head = "8001Zeta";
  head.resize(54, ' ');
  std::string second = "8000Alpha";
  second.resize(54, ' ');
  folder.Write("GAM_CUST.DAT", "[R-0301]\r\n" + head + "0001\r\n001001\r\n" + std::string(28, '\n') + second +
                                   "0001\r\n001-01\r\n" + std::string(28, '\n'));
  const auto games = fnGroupGames(kCustomizedGamesCode, builtIn, custom);
  ASSERT_EQ(games.size(), 2U);
  EXPECT_EQ(games[0].name, "Alpha");
  EXPECT_EQ(games[1].name, "Zeta");
  EXPECT_EQ(games[0].type, kCustomGameType);

  const auto features = fnGameFeatures(builtIn, custom, 8000);
  ASSERT_TRUE(features);
  EXPECT_EQ(features->gameTime, "Customized game");
  EXPECT_EQ(features->chance, "Customized game");
  EXPECT_EQ(features->skillBar, "PROG_DISABLED");
  EXPECT_EQ(features->redeals, "Unlimited");  // its own rule text, not its base game's
  EXPECT_EQ(fnGameFeatures(builtIn, custom, 8001)->redeals, "0");
}

TEST(GameFeatureTextTest, ChanceWithTheReferenceGamesAndRedeals) {
  struct TChance {
    int won, played;
    const char* text;
  };
  for (const auto& [won, played, text] :
       {TChance{1, 3, "Low (1 in 3  -  33.3%)"}, TChance{1, 2, "Low (1 in 2  -  50%)"},
        TChance{3, 40, "Low (3 in 40  -  7.5%)"}, TChance{0, 7, "Low (0 in 7  -  0%)"}, TChance{5, 0, "Low"}})
    EXPECT_EQ(fnChanceText("Low", won, played), text);
  struct TRedeals {
    int slot;
    const char* text;
  };
  for (const auto& [slot, text] :
       {TRedeals{3, "2"}, TRedeals{1, "0"}, TRedeals{0, "0"}, TRedeals{-1, "Unlimited"}, TRedeals{-4, "0"}})
    EXPECT_EQ(fnRedealsText(slot), text) << slot;
}

TEST_F(GameTreeTest, FeaturesOfAGameComeFromItsSlots) {
  const std::string seven = testing::fnFixtureGame(
      7, "Seven",
      "cards: 104\ntableau deal: 26*4\ndeals: 3\ngame time: 2\ndifficulty: 0\nskill: 4\nchance of winning: 3\n"
      "reference won: 3\nreference played: 40\n");
  TCatalogue catalogue;
  std::string error;
  ASSERT_TRUE(catalogue.Load(TGamesFile::Parse(testing::fnCompileGames({{"seven.game", seven}})), error)) << error;
  const auto features = fnGameFeatures(catalogue, custom, 7);
  ASSERT_TRUE(features);
  EXPECT_EQ(features->decks, 2);
  EXPECT_EQ(features->gameTime, "Quick");
  EXPECT_EQ(features->timeBar, "PROG_TIME_QUICK");
  EXPECT_EQ(features->difficulty, "Easy");
  EXPECT_EQ(features->difficultyBar, "PROG_DIFF_EASY");
  EXPECT_EQ(features->skill, "Chance only");
  EXPECT_EQ(features->skillBar, "PROG_SKILL_CHANCEONLY");
  EXPECT_EQ(features->chance, "Low (3 in 40  -  7.5%)");
  EXPECT_EQ(features->chanceBar, "PROG_CHAN_LOW");
  EXPECT_EQ(features->redeals, "2");
  EXPECT_FALSE(fnGameFeatures(catalogue, custom, 8));
}

}  // namespace
}  // namespace tablerun
