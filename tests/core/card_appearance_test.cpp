#include "engine/appearance/card_appearance.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/appearance/add_on_index.h"
#include "engine/appearance/appearance_catalogue.h"
#include "engine/appearance/random_appearance.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TRecordingScreen;
using testing::TTempFolder;

class CardAppearanceTest : public ::testing::Test {
 protected:
  CardAppearanceTest() {
    state.programFolder = folder.Path();
    state.dataFolder = folder.Path();
    state.store = std::make_unique<TIniFile>(fs, screen, folder / "Cfg.dat");
    state.random.seed(7);
  }
  TTempFolder folder;
  TPosixFileSystem fs;
  TRecordingScreen screen;
  TTablerunState state{fs, screen};
};

TEST(CardAppearance, CardCodesOfEveryDeckShareTheirFace) {
  struct TCase {
    int code, index;
  };
  for (const TCase& c : {TCase{1, 0},
                         {13, 12},
                         {14, 13},
                         {52, 51},
                         {53, 0},
                         {105, 0},
                         {157, 0},
                         {208, 51},
                         {209, 52},
                         {212, 52},
                         {0, -1},
                         {213, -1},
                         {-1, -1}}) {
    EXPECT_EQ(fnFaceIndex(c.code), c.index) << c.code;
  }
}

TEST(CardAppearance, SuitRuleChoosesThePictureSuit) {
  const int expected[3][4] = {{0, 1, 2, 3}, {3, 3, 3, 3}, {0, 0, 3, 3}};
  for (int rule = 0; rule < 3; ++rule) {
    for (int suit = 0; suit < 4; ++suit) EXPECT_EQ(fnPictureSuit(suit, rule), expected[rule][suit]);
  }
}

TEST(CardAppearance, CardSetImageSizeTellsTheLetter) {
  EXPECT_EQ(fnCardSetImageLetter(510, 1656), 'X');
  EXPECT_EQ(fnCardSetImageLetter(425, 1380), 'S');
  EXPECT_EQ(fnCardSetImageLetter(355, 1152), 'B');
  EXPECT_EQ(fnCardSetImageLetter(295, 960), 'M');
  EXPECT_EQ(fnCardSetImageLetter(356, 1152), ' ');
  EXPECT_EQ(fnCardSetImageLetter(125, 384), ' ');  // size L has no card set image
}

TEST(CardAppearance, OnlyTheDefaultBackExistsAtEverySize) {
  struct TCase {
    char size;
    int back;
    const char* resource;
    bool stretched;
  };
  for (const TCase& c : {TCase{'B', 7, "DB007", false},
                         {'S', 7, "DB007", true},
                         {'M', 21, "DB021", true},
                         {'X', 3, "DB003", true},
                         {'S', 11, "DS011", false},
                         {'X', 11, "DX011", false},
                         {'L', 1, "DL001", false}}) {
    const TBackSource source = fnBuiltInBack(c.size, c.back);
    EXPECT_EQ(source.resource, c.resource);
    EXPECT_EQ(source.stretched, c.stretched);
  }
}

TEST(CardAppearance, MarkNamesSelectTheirResource) {
  struct TCase {
    const char* mark;
    const char* resource;
  };
  for (const TCase& c : {TCase{"Deck", "DM017"},
                         {"StockVisible", "WM_WASTE"},
                         {"FirstTableauAll", "WM004"},
                         {"StockUp", "WM022"},
                         {"STOCKDOWN", "WM005"},
                         {"stockstop", "WM008"},
                         {"Foundation", "WM004"},
                         {"FoundationA", "WM010"},
                         {"Foundation2", "WM012"},
                         {"Foundation10", "WM020"},
                         {"Foundation11", "WM006"},
                         {"Foundation12", "WM003"},
                         {"Foundation13", "WM011"},
                         {"Position", "WM_TABLEAU"},
                         {"EmptyPosition", "WM001"},
                         {"EmptyPositionJQK", "WM009"},
                         {"Foundation1", ""},
                         {"Foundation14", ""},
                         {"", ""}}) {
    EXPECT_EQ(fnMarkResource(c.mark, 'M', 17), c.resource) << c.mark;
  }
}

TEST(CardAppearance, SizeXPicturesComeFromTheAddOn) {
  for (const char* name : {"WX004", "dx011", "SHADOW_X1", "3D_BORDER_X2", "JOKER_X"})
    EXPECT_TRUE(fnIsAddOnPicture(name));
  for (const char* name : {"WB004", "DB011", "SHADOW_B1", "JOKER_S", "B101", "X"}) EXPECT_FALSE(fnIsAddOnPicture(name));
}

TEST(CardAppearance, FadeBandsGoFromFullColourAtTheTopToBlack) {
  const int height = 1000;
  EXPECT_EQ(fnFadeBand(255, height, 0, 128, 0).top, 0);
  EXPECT_EQ(fnFadeBand(0, height, 0, 128, 0).bottom, height);
  for (int k = 0; k < 255; ++k)
    EXPECT_EQ(fnFadeBand(k, height, 0, 128, 0).top, fnFadeBand(k + 1, height, 0, 128, 0).bottom);
  const TFadeBand top = fnFadeBand(255, height, 200, 128, 64);
  EXPECT_EQ(top.red, 199);
  EXPECT_EQ(top.green, 127);
  EXPECT_EQ(top.blue, 63);
  const TFadeBand bottom = fnFadeBand(0, height, 200, 128, 64);
  EXPECT_EQ(bottom.red + bottom.green + bottom.blue, 0);
  EXPECT_EQ(bottom.top, height - height / 256);
}

TEST(CardAppearance, NamesNeverLeaveTheirFolder) {
  EXPECT_EQ(fnFileInFolder("/data/custom decks/", "Roses", ".bmp"), "/data/custom decks/Roses.bmp");
  for (const char* name : {"", ".", "..", "../Cfg", "a/b", "..\\x", "/etc/passwd"})
    EXPECT_EQ(fnFileInFolder("/data/custom decks/", name, ".bmp"), "") << name;
}

TEST_F(CardAppearanceTest, ResetToDefaultForgetsCustomSetsAndBacks) {
  for (const TConfigField field : {cfg::kCustomDeck, cfg::kCustomCardSet, cfg::kAddOnCardSet, cfg::kAddOnDeck})
    state.config.Write(field, "Y");
  state.config.Write(cfg::kCardSize, "S");
  state.store->WriteString("Preference", "Customized_Cards_Set", "Mine");
  state.store->WriteString("Preference", "Additional_Deck", "D007");
  state.display.moreThan256Colours = false;
  fnForgetCustomCardsAndDecks(state);
  EXPECT_EQ(state.config.Read(cfg::kCardSize), "B");
  for (const TConfigField field : {cfg::kCustomDeck, cfg::kCustomCardSet, cfg::kAddOnCardSet, cfg::kAddOnDeck})
    EXPECT_EQ(state.config.Read(field), "N");
  EXPECT_EQ(state.config.Read(cfg::kCardSet), "003");
  EXPECT_EQ(state.store->ReadString("Preference", "Customized_Cards_Set", "?"), "");
  EXPECT_EQ(state.store->ReadString("Preference", "Additional_Deck", "?"), "");
  EXPECT_EQ(state.store->ReadInteger("Preference", "Card", 0), 3);
}

TEST_F(CardAppearanceTest, NarrowScreenFallsBackToSmallCards) {
  state.config.Write(cfg::kCustomCardSet, "Y");
  fnFallBackToBuiltInSet(state, 640);
  EXPECT_EQ(state.config.Read(cfg::kCardSize), "M");
  EXPECT_EQ(state.config.Read(cfg::kCardSet), "003");
  EXPECT_EQ(state.config.Read(cfg::kCustomCardSet), "N");
  fnFallBackToBuiltInSet(state, 650);
  EXPECT_EQ(state.config.Read(cfg::kCardSize), "B");
  EXPECT_EQ(state.config.Read(cfg::kCardSet), "001");
  EXPECT_EQ(state.store->ReadString("Preference", "Card_Size", ""), "B");
}

TEST_F(CardAppearanceTest, AddOnIndexMatchesWholeNamesOnly) {
  folder.Write("plus/d01.dat", "[Animals]\r\nD010=Big Cats\r\nD01=Cats\r\n[Nature]\r\nD020=Sea\r\n");
  EXPECT_EQ(AddOnResourceName(state, "Cats", "Decks"), "D01");
  EXPECT_EQ(AddOnResourceName(state, "Sea", "decks"), "D020");
  EXPECT_EQ(AddOnDisplayName(state, "d01", "DECKS"), "Cats");
  EXPECT_EQ(AddOnResourceName(state, "Dogs", "decks"), "");
  EXPECT_EQ(AddOnResourceName(state, "Sea", "backgrounds"), "");  // no b01.dat
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_EQ(AddOnResourceName(state, "Sea", "sounds"), "");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "File not found:");
}

TEST_F(CardAppearanceTest, PoolWithEveryEntryOutGivesTheDefaults) {
  folder.Write("Rnd_cfg.dat",
               "[Cards]\nDefault=nB001\nClassic 2=nB003\n[Decks]\nFox=n 002\n"
               "[Backgrounds]\nOak=n 321\nBlue=n 16711680\n");
  for (const TConfigField field : {cfg::kRandomBackground, cfg::kRandomDeck, cfg::kRandomCard})
    state.config.Write(field, "Y");
  state.config.Write(cfg::kCardSet, "005");
  state.config.Write(cfg::kBackNumber, "002");
  state.config.Write(cfg::kBackgroundPicture, "321");
  const TRandomChanges changes = fnChooseRandomAppearance(state);
  EXPECT_TRUE(changes.background && changes.deck && changes.cards);
  EXPECT_EQ(state.config.Read(cfg::kBackgroundDefault), "Y");
  EXPECT_EQ(state.config.Read(cfg::kBackgroundPicture), "0");
  EXPECT_EQ(state.config.Read(cfg::kBackNumber), "011");
  EXPECT_EQ(state.config.Read(cfg::kCardSet), "001");
}

TEST_F(CardAppearanceTest, RandomCardSetFitsTheCardSize) {
  folder.Write("Rnd_cfg.dat", "[Cards]\nDefault=yB001\nClassic small 1=yM003\nClassic large 1=yS001\n");
  state.config.Write(cfg::kRandomCard, "Y");
  state.config.Write(cfg::kCardSize, "M");
  for (int draw = 0; draw < 20; ++draw) {
    state.config.Write(cfg::kCardSet, "000");
    fnChooseRandomAppearance(state);
    EXPECT_EQ(state.config.Read(cfg::kCardSet), "003");
  }
}

TEST_F(CardAppearanceTest, RandomEntriesOfEveryKind) {
  folder.Write("plus/b01.dat", "[Sky]\nB501=Clouds at dawn\n");
  struct TCase {
    const char* line;
    TConfigField field;
    const char* value;
    const char* key;
    const char* keyValue;
  };
  for (const TCase& c :
       {TCase{"Oak=y 321", cfg::kBackgroundPicture, "321", nullptr, nullptr},
        {"Blue=y 16711680", cfg::kBackgroundFixedColour, "16711680", nullptr, nullptr},
        {"Clouds at dawn=y -103", cfg::kAddOnBackground, "Y", "Additional_Background", "B501"},
        {"sea.jpg (/pictures/)=y -102", cfg::kCustomBackground, "Y", "Customized_Background", "/pictures/sea.jpg"}}) {
    folder.Write("Rnd_cfg.dat", std::string("[Backgrounds]\n") + c.line + "\n");
    state.config.Write(cfg::kRandomBackground, "Y");
    fnChooseRandomAppearance(state);
    EXPECT_EQ(state.config.Read(c.field), c.value) << c.line;
    EXPECT_EQ(state.config.Read(cfg::kBackgroundDefault), "N") << c.line;
    if (c.key) {
      EXPECT_EQ(state.store->ReadString("Preference", c.key, ""), c.keyValue) << c.line;
    }
  }
}

TEST_F(CardAppearanceTest, RewrittenPoolKeepsThePlayersFlags) {
  folder.Write("Rnd_cfg.dat", "[Decks]\nFox=n 002\n");
  folder.Write("custom decks/My Back.bmp", "BM");
  EXPECT_TRUE(fnRandomPoolIsStale(state, 0));
  fnWriteRandomPool(state, fnOfferedAppearances(state, [](const std::string&) { return 'B'; }));
  EXPECT_FALSE(fnRandomPoolIsStale(state, 0));
  TIniFile pool(fs, screen, folder / "Rnd_cfg.dat");
  EXPECT_EQ(pool.ReadString("Decks", "Fox", ""), "n 002");
  EXPECT_EQ(pool.ReadString("Decks", "Owl", ""), "y 004");
  EXPECT_EQ(pool.ReadString("Decks", "My Back", ""), "y -102");
  EXPECT_EQ(pool.ReadString("Cards", "Classic small 1", ""), "yM003");
  EXPECT_EQ(pool.ReadString("Backgrounds", "Oak", ""), "y 321");
  EXPECT_EQ(pool.ReadString("Backgrounds", "Navy", ""), "y 8388608");
  EXPECT_EQ(pool.ReadKeys("Decks").size(), fnBuiltInBacks().size() + 1);
  // A newer add-on pack asks for a rebuild once.
  EXPECT_TRUE(fnRandomPoolIsStale(state, 20260101));
  EXPECT_FALSE(fnRandomPoolIsStale(state, 20260101));
}

TEST(AppearanceCatalogue, TwentyEightBacksInSevenGroups) {
  std::set<std::string> groups;
  std::set<int> numbers;
  for (const TAppearanceItem& back : fnBuiltInBacks()) {
    groups.insert(back.group);
    numbers.insert(back.number);
  }
  EXPECT_EQ(fnBuiltInBacks().size(), 28u);
  EXPECT_EQ(numbers.size(), 28u);
  EXPECT_EQ(groups, (std::set<std::string>{"Animals", "Children", "Classics", "Famous pictures", "Flowers", "Geometric",
                                           "Nature"}));
  EXPECT_TRUE(numbers.count(kDefaultBack));
  for (const TAppearanceItem& background : fnBuiltInBackgrounds()) {
    const bool colour = std::string(background.group) == "Colors";
    EXPECT_TRUE(colour ? background.number == 1 || background.number > 1000
                       : background.number >= 101 && background.number <= 324)
        << background.name;
  }
}

}  // namespace
}  // namespace tablerun
