#include "config/preferences.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TRecordingScreen;
using testing::TTempFolder;

class PreferencesTest : public ::testing::Test {
 protected:
  TIniFile Store() { return TIniFile(fs, screen, folder / "Cfg.dat"); }
  TTempFolder folder;
  TPosixFileSystem fs;
  TRecordingScreen screen;
  TConfigRecord record;
  TDisplayInfo display;
};

TEST_F(PreferencesTest, FirstRunFillsDefaultsAndCreatesThePlayers) {
  TIniFile store = Store();
  const TMainGameSettings settings = fnLoadPreferences(store, record, display);

  struct TExpected {
    TConfigField field;
    const char* value;
  };
  for (const auto& [field, value] : std::initializer_list<TExpected>{{cfg::kStoreName, "Cfg.dat"},
                                                                     {cfg::kBackNumber, "011"},
                                                                     {cfg::kCardSet, "001"},
                                                                     {cfg::kBackgroundDefault, "N"},
                                                                     {cfg::kBackgroundColour, "-2147483633"},
                                                                     {cfg::kBackgroundPicture, "0"},
                                                                     {cfg::kBackgroundFixedColour, "32768"},
                                                                     {cfg::kGame, "0001"},
                                                                     {cfg::kLanguage, "20000"},
                                                                     {cfg::kCardSpeed, "10"},
                                                                     {cfg::kPlayer, "Player 1"},
                                                                     {cfg::kSessionWon, "0000"},
                                                                     {cfg::kScoreKind, "01"},
                                                                     {cfg::kCardSize, "B"},
                                                                     {cfg::kUndoEnabled, "0"},
                                                                     {cfg::kSoundNewGame, "N"},
                                                                     {cfg::kCursor, "10"},
                                                                     {cfg::kCardsShadowed, "Y"},
                                                                     {cfg::kGameName, "FreeCell"},
                                                                     {cfg::kCustomBackground, "N"},
                                                                     {cfg::kDoubleToTableau, "N"},
                                                                     {cfg::kSoundRedealStill, "Y"},
                                                                     {cfg::kStartYes, "Y"}}) {
    EXPECT_EQ(record.Read(field), value) << "position " << field.position;
  }
  EXPECT_EQ(folder.Read("Cfg.dat"),
            "[Preference]\r\nUserDefault=Player 1\r\n\r\n"
            "[Users]\r\nUser001=Player 1\r\nUser002=Player 2\r\nUser003=Player 3\r\n");

  const TMainGameSettings expected{{{107, 0}, {108, 2}, {109, 1}, {112, 0}, {119, 0}, {128, 0}}};
  EXPECT_EQ(settings, expected);
}

TEST_F(PreferencesTest, StoredValuesAndTheirSpecialRules) {
  folder.Write("Cfg.dat",
               "[Preference]\r\nBack_Card=0\r\nGame=12\r\nBackground_Col=0\r\nBackground_Fixed_Col=2147483663\r\n"
               "Cards_Animate=N\r\nUserDefault=Ann\r\nCustomized_Deck=mine.bmp\r\nDisable_Statistics=Y\r\n"
               "Move_Cards_DragAndDrop=N\r\n[Settings]\r\nRandom_Game_Type=5\r\n");
  TIniFile store = Store();
  const TMainGameSettings settings = fnLoadPreferences(store, record, display);
  EXPECT_EQ(record.Read(cfg::kBackNumber), "001");                     // a stored 0 is the first back
  EXPECT_EQ(record.Read(cfg::kGame), "0012");                          // zero-filled
  EXPECT_EQ(record.Read(cfg::kBackgroundColour), "-2147483633");       // 0 means the default colour
  EXPECT_EQ(record.Read(cfg::kBackgroundFixedColour), "-2147483633");  // unsigned form accepted
  EXPECT_EQ(record.Read(cfg::kCardsShadowed), "N");                    // shadows follow animation
  EXPECT_EQ(record.Read(cfg::kPlayer), "Ann");
  EXPECT_EQ(record.Read(cfg::kCustomDeck), "Y");
  EXPECT_FALSE(store.SectionExists("Users"));  // a player exists already
  EXPECT_EQ(settings[1], (std::pair<int, std::int16_t>{108, 5}));
  EXPECT_EQ(settings[4], (std::pair<int, std::int16_t>{119, 1}));
  EXPECT_EQ(settings[5], (std::pair<int, std::int16_t>{128, 1}));

  TDisplayInfo fewColours{false};
  TIniFile empty(fs, screen, folder / "other.dat");
  fnLoadPreferences(empty, record, fewColours);
  EXPECT_EQ(record.Read(cfg::kCardSet), "003");
}

TEST_F(PreferencesTest, SavingWritesOnlyWhatChangedAndRoundTrips) {
  TIniFile store = Store();
  TMainGameSettings settings = fnLoadPreferences(store, record, display);
  const std::string firstRun = folder.Read("Cfg.dat");
  ASSERT_TRUE(fnSavePreferences(store, record, settings, display));
  EXPECT_EQ(folder.Read("Cfg.dat"), firstRun);

  record.Write(cfg::kShowTime, "N");
  record.Write(cfg::kBackNumber, "007");
  record.Write(cfg::kBackgroundColour, "255");
  settings[5].second = 1;  // click-to-move
  ASSERT_TRUE(fnSavePreferences(store, record, settings, display));
  EXPECT_EQ(store.ReadString("Preference", "Back_Card", ""), "7");
  EXPECT_EQ(store.ReadString("Preference", "Move_Cards_DragAndDrop", ""), "N");

  TConfigRecord reloaded;
  TIniFile again = Store();
  EXPECT_EQ(fnLoadPreferences(again, reloaded, display), settings);
  for (const TConfigField field : {cfg::kBackNumber, cfg::kBackgroundColour, cfg::kShowTime, cfg::kPlayer})
    EXPECT_EQ(reloaded.Read(field), record.Read(field));
}

TEST_F(PreferencesTest, AnUnknownGameFallsBackToTheDefaultUnderTheListsName) {
  const auto names = [](int code) { return code == 12 ? "Klondike" : code == 1 ? "FreeCell" : ""; };
  const auto noGames = [](int) { return std::string(); };
  struct TCase {
    const char* code;
    const char* name;
    std::function<std::string(int)> gameName;
    const char* expectedCode;
    const char* expectedName;
  };
  for (const auto& [code, name, gameName, expectedCode, expectedName] : {
           TCase{"0012", "../../etc", names, "0012", "Klondike"},
           TCase{"9999", "Klondike", names, "0001", "FreeCell"},
           TCase{"-7", "", names, "0001", "FreeCell"},
           TCase{"x", "", names, "0001", "FreeCell"},
           TCase{"0012", "Klondike", noGames, "-001", ""},
       }) {
    record.Write(cfg::kGame, code);
    record.Write(cfg::kGameName, name);
    fnCheckCurrentGame(record, gameName);
    EXPECT_EQ(record.Read(cfg::kGame), expectedCode) << code;
    EXPECT_EQ(record.Read(cfg::kGameName), expectedName) << code;
  }
}

}  // namespace
}  // namespace tablerun
