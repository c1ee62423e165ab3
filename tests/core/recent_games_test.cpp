#include "choice/recent_games.h"

#include <gtest/gtest.h>

#include "config/text.h"
#include "support/built_in_games.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TRecordingScreen;
using testing::TTempFolder;

class RecentGamesTest : public ::testing::Test {
 protected:
  TTempFolder folder;
  TPosixFileSystem fs;
  TRecordingScreen screen;
  TIniFile store{fs, screen, folder / "Cfg.dat"};
};

TEST_F(RecentGamesTest, AGameDealtAgainKeepsItsPlaceButANumberMovesToTheFront) {
  EXPECT_TRUE(fnRecordDealtGame(store, 5));
  EXPECT_TRUE(fnRecordDealtGame(store, 7));
  EXPECT_FALSE(fnRecordDealtGame(store, 5));
  EXPECT_EQ(fnReadLastPlayed(store), (std::vector<int>{7, 5}));
  EXPECT_EQ(store.ReadString("Last Played Games", "Game001", ""), "0007");

  for (const char* number : {"0000000000005", "0000000000007", "0000000000005"}) fnRecordGameNumber(store, number);
  EXPECT_EQ(fnReadGameNumbers(store), (std::vector<std::string>{"0000000000005", "0000000000007"}));
}

TEST_F(RecentGamesTest, TwentyAtMostTheOldestDroppingOutAndARemovalLeavingAGapAtTheEnd) {
  for (int code = 1; code <= 21; ++code) fnRecordDealtGame(store, code);
  std::vector<int> codes = fnReadLastPlayed(store);
  ASSERT_EQ(codes.size(), 20u);
  EXPECT_EQ(codes.front(), 21);
  EXPECT_EQ(codes.back(), 2);

  fnRemoveLastPlayed(store, 10);
  codes = fnReadLastPlayed(store);
  EXPECT_EQ(codes.size(), 19u);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), 10), 0);
  EXPECT_EQ(store.ReadString("Last Played Games", "Game020", "x"), "");

  for (int number = 1; number <= 25; ++number) fnRecordGameNumber(store, fnZeroFill(number, 13));
  EXPECT_EQ(fnReadGameNumbers(store).size(), 20u);
  EXPECT_EQ(fnReadGameNumbers(store).front(), fnZeroFill(25, 13));
}

TEST_F(RecentGamesTest, ADamagedEntryEndsTheList) {
  store.WriteString("Last Played Games", "Game001", "0004");
  store.WriteString("Last Played Games", "Game002", "4x");
  store.WriteString("Last Played Games", "Game003", "0001");
  EXPECT_EQ(fnReadLastPlayed(store), (std::vector<int>{4}));
}

TEST(RecentListTest, ByNameWithoutRegardToCaseAndGamesWithoutANameLeftOut) {
  const TCatalogue& catalogue = testing::BuiltInCatalogue();
  TPosixFileSystem fs;
  const TCustomGames custom{fs, "/nonexistent/"};
  const int spider = catalogue.CodeOf("Spider", custom);
  const int freecell = catalogue.CodeOf("FreeCell", custom);
  const int bakers = catalogue.CodeOf("Baker's Dozen", custom);
  const std::vector<TRecentGame> games = fnRecentGames({spider, 9999, freecell, bakers}, catalogue, custom);
  ASSERT_EQ(games.size(), 3u);
  EXPECT_EQ(games[0].name, "Baker's Dozen");
  EXPECT_EQ(games[1].name, "FreeCell");
  EXPECT_EQ(games[2], (TRecentGame{"Spider", catalogue.TypeOf(spider), spider}));
}

}  // namespace
}  // namespace tablerun
