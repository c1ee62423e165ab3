#include "choice/favorites_file.h"

#include <gtest/gtest.h>

#include <map>

#include "support/built_in_games.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TRecordingScreen;
using testing::TTempFolder;

class FavoritesFileTest : public ::testing::Test {
 protected:
  TTempFolder folder;
  TPosixFileSystem fs;
  TRecordingScreen screen;
  TIniFile store{fs, screen, folder / "Cfg.dat"};
  TCustomGames custom{fs, "/nonexistent/"};
};

TEST_F(FavoritesFileTest, EntriesComeBackAsWrittenAndAFolderInAFolderAsLevelTwo) {
  const std::vector<TFavoriteEntry> entries = {
      {1, -11, "Cards"}, {2, 12, "Spider"}, {3, -10, "Deep"}, {1, 3, "Canfield"}};
  ASSERT_TRUE(fnWriteFavorites(store, entries));
  EXPECT_EQ(store.ReadString("Favorite Games", "Game0000", ""), "01-011Cards");
  EXPECT_EQ(store.ReadString("Favorite Games", "Game0001", ""), "020012Spider");
  std::vector<TFavoriteEntry> expected = entries;
  expected[2].level = 2;
  EXPECT_EQ(fnReadFavorites(TIniFile(fs, screen, folder / "Cfg.dat")), expected);
  // A caption that cannot be stored leaves no gap that would cut the list.
  ASSERT_TRUE(fnWriteFavorites(store, {{1, 5, "Klondike"}, {1, 6, "Two\nlines"}, {1, 7, "Yukon"}}));
  EXPECT_EQ(fnReadFavorites(store).size(), 2u);
  // Fewer entries later leave none of the old behind.
  ASSERT_TRUE(fnWriteFavorites(store, {{1, 5, "Klondike"}}));
  EXPECT_EQ(fnReadFavorites(store).size(), 1u);
}

TEST_F(FavoritesFileTest, ADamagedEntryEndsTheListWithWhatCameBeforeKept) {
  store.WriteString("Favorite Games", "Game0000", "010004FreeCell" + std::string(60, ' ') + "tail");
  store.WriteString("Favorite Games", "Game0001", "01-010Folder");
  store.WriteString("Favorite Games", "Game0002", "0x12");  // cut short and not a number
  store.WriteString("Favorite Games", "Game0003", "010001Klondike");
  const std::vector<TFavoriteEntry> read = fnReadFavorites(store);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0], (TFavoriteEntry{1, 4, "FreeCell"}));
  EXPECT_TRUE(read[1].IsFolder());
}

TEST_F(FavoritesFileTest, OldFavoritesJoinTheNewOnesAndUnknownNamesAreDropped) {
  const TCatalogue& catalogue = testing::BuiltInCatalogue();
  store.WriteString("Favorite Games", "Game0000", "010005Spider");
  store.WriteString("Favourite Games", "Game000", "FreeCell");
  store.WriteString("Favourite Games", "Game001", "No Such Game");
  store.WriteString("Favourite Games", "Game002", "Klondike");
  ASSERT_TRUE(fnHasOldFavorites(store));
  fnConvertOldFavorites(store, catalogue, custom);
  const std::vector<TFavoriteEntry> read = fnReadFavorites(store);
  ASSERT_EQ(read.size(), 3u);
  EXPECT_EQ(read[0].caption, "Spider");
  EXPECT_EQ(read[1], (TFavoriteEntry{1, catalogue.CodeOf("FreeCell", custom), "FreeCell"}));
  EXPECT_EQ(read[2].caption, "Klondike");
  EXPECT_FALSE(fnHasOldFavorites(store));
  EXPECT_FALSE(store.SectionExists("Favourite Games"));
}

TEST(RandomFavoriteTest, DrawsEveryGameAndNeverAFolder) {
  std::mt19937_64 random(7);
  EXPECT_FALSE(fnRandomFavorite({{1, -11, "A"}, {1, -10, "B"}}, random));
  const std::vector<TFavoriteEntry> entries = {{1, -11, "A"}, {2, 4, "x"}, {2, 9, "y"}, {1, 0, "z"}};
  std::map<int, int> drawn;
  for (int i = 0; i < 3000; ++i) ++drawn[*fnRandomFavorite(entries, random)];
  EXPECT_EQ(drawn.size(), 3u);
  for (const auto& [code, count] : drawn) {
    EXPECT_TRUE(code == 4 || code == 9 || code == 0);
    EXPECT_GT(count, 800) << code;
  }
}

}  // namespace
}  // namespace tablerun
