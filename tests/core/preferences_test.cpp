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
    int position, length;
    const char* value;
  };
  for (const auto& [position, length, value] : std::initializer_list<TExpected>{
           {1, 20, "Cfg.dat"}, {21, 3, "011"}, {24, 3, "001"}, {27, 1, "N"}, {28, 15, "-2147483633"},
           {43, 4, "0"}, {47, 15, "32768"}, {62, 4, "0001"}, {68, 6, "20000"}, {74, 2, "10"},
           {77, 30, "Player 1"}, {112, 4, "0000"}, {120, 2, "01"}, {128, 1, "B"}, {137, 1, "0"},
           {145, 1, "N"}, {172, 2, "10"}, {178, 1, "Y"}, {189, 50, "FreeCell"}, {246, 1, "N"},
           {251, 1, "N"}, {252, 1, "Y"}, {254, 1, "Y"}}) {
    EXPECT_EQ(record.Read(position, length), value) << "position " << position;
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
  EXPECT_EQ(record.Read(21, 3), "001");               // a stored 0 is the first back
  EXPECT_EQ(record.Read(62, 4), "0012");              // zero-filled
  EXPECT_EQ(record.Read(28, 15), "-2147483633");      // 0 means the default colour
  EXPECT_EQ(record.Read(47, 15), "-2147483633");      // unsigned form accepted
  EXPECT_EQ(record.Read(178, 1), "N");                // shadows follow animation
  EXPECT_EQ(record.Read(77, 30), "Ann");
  EXPECT_EQ(record.Read(256, 1), "Y");
  EXPECT_FALSE(store.SectionExists("Users"));         // a player exists already
  EXPECT_EQ(settings[1], (std::pair<int, std::int16_t>{108, 5}));
  EXPECT_EQ(settings[4], (std::pair<int, std::int16_t>{119, 1}));
  EXPECT_EQ(settings[5], (std::pair<int, std::int16_t>{128, 1}));

  TDisplayInfo fewColours{false};
  TIniFile empty(fs, screen, folder / "other.dat");
  fnLoadPreferences(empty, record, fewColours);
  EXPECT_EQ(record.Read(24, 3), "003");
}

TEST_F(PreferencesTest, SavingWritesOnlyWhatChangedAndRoundTrips) {
  TIniFile store = Store();
  TMainGameSettings settings = fnLoadPreferences(store, record, display);
  const std::string firstRun = folder.Read("Cfg.dat");
  ASSERT_TRUE(fnSavePreferences(store, record, settings, display));
  EXPECT_EQ(folder.Read("Cfg.dat"), firstRun);

  record.Write(66, 1, "N");
  record.Write(21, 3, "007");
  record.Write(28, 15, "255");
  settings[5].second = 1;  // click-to-move
  ASSERT_TRUE(fnSavePreferences(store, record, settings, display));
  EXPECT_EQ(store.ReadString("Preference", "Back_Card", ""), "7");
  EXPECT_EQ(store.ReadString("Preference", "Move_Cards_DragAndDrop", ""), "N");

  TConfigRecord reloaded;
  TIniFile again = Store();
  EXPECT_EQ(fnLoadPreferences(again, reloaded, display), settings);
  for (int position : {21, 28, 66, 77}) EXPECT_EQ(reloaded.Read(position, 15), record.Read(position, 15));
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
    record.Write(62, 4, code);
    record.Write(189, 50, name);
    fnCheckCurrentGame(record, gameName);
    EXPECT_EQ(record.Read(62, 4), expectedCode) << code;
    EXPECT_EQ(record.Read(189, 50), expectedName) << code;
  }
}

}  // namespace
}  // namespace tablerun
