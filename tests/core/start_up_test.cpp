#include "engine/session/start_up.h"

#include <gtest/gtest.h>

#include "engine/session/program_folder_upkeep.h"
#include "engine/session/window_title.h"
#include "support/games_fixture.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

class StartUpTest : public ::testing::Test {
 protected:
  bool Start() {
    TStartUpPlace place;
    place.programFolder = program.Path();
    place.userFolders.applicationData = home.Path();
    return fnStartUp(state, place);
  }
  void WriteStore(const std::string& preference) {
    home.Write("Tablerun/Cfg.dat", "[Preference]\r\nUserDefault=Ann\r\n" + preference);
  }
  testing::TTempFolder program, home;
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TTablerunState state{fs, screen};
};

TEST_F(StartUpTest, WithoutTheGamesListTheProgramCannotRun) {
  EXPECT_FALSE(Start());
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].kind, TMessageKind::Error);
  EXPECT_EQ(screen.messages[0].text, "Cannot find file:\r" + program.Path() +
                                         "GAMES.DAT\rCopy the file into the directory that above is specified\r"
                                         "or reinstall the program.");
  program.Write("GAMES.DAT", "[Sect1]\r\n" + fnScramble("5"));
  EXPECT_FALSE(Start());
  EXPECT_NE(screen.messages.back().text.find("damaged"), std::string::npos);
}

TEST_F(StartUpTest, TheStoredGameMustStillExist) {
  program.Write("GAMES.DAT", testing::fnCompileGames({{"k.game", testing::fnFixtureGame(0, "Klondike")},
                                                      {"f.game", testing::fnFixtureGame(1, "FreeCell")}}));
  home.Write("Tablerun/GAM_CUST.DAT", "[R-0301]\r\n8000Mine" + std::string(46, ' ') + "0000\r\n001001\r\n");
  struct TCase {
    const char* stored;
    const char* code;
    const char* name;
  };
  for (const auto& [stored, code, name] :
       {TCase{"", "0001", "FreeCell"}, TCase{"Game=0\r\nGame_name=Klondike\r\n", "0000", "Klondike"},
        TCase{"Game=8000\r\nGame_name=Mine\r\n", "8000", "Mine"},
        TCase{"Game=0\r\nGame_name=../../FreeCell\r\n", "0000", "Klondike"},
        TCase{"Game=7\r\nGame_name=Gone\r\n", "0001", "FreeCell"},
        TCase{"Game=9999\r\nGame_name=Gone\r\n", "0001", "FreeCell"}}) {
    WriteStore(stored);
    ASSERT_TRUE(Start());
    EXPECT_EQ(state.config.Read(cfg::kGame), code) << stored;
    EXPECT_EQ(state.config.Read(cfg::kGameName), name) << stored;
  }
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(StartUpTest, MarksTheVersionAndClearsWhatEarlierReleasesLeft) {
  program.Write("GAMES.DAT", testing::fnCompileGames({{"f.game", testing::fnFixtureGame(1, "FreeCell")}}));
  ASSERT_TRUE(fs.CreateFolders(program / "IMAGES"));
  const std::vector<std::string> leftOver = {"IMAGES/GAME0000.BMP", "IMAGES/GAME0100.BMP", "IMAGES/WB001.BMP",
                                             "IMAGES/WP025.BMP",    "IMAGES/CB001C.BMP",   "IMAGES/CL003S.BMP",
                                             "TABLERUN.DLL"};
  for (const std::string& name : leftOver) program.Write(name, "old");
  // Without its telltale file a group stays: these may be the player's own.
  program.Write("IMAGES/WM007.BMP", "kept");
  fs.Remove(program / "IMAGES/WB001.BMP");
  program.Write("IMAGES/GAME0101.BMP", "not one of ours");

  ASSERT_TRUE(Start());
  for (const char* name :
       {"IMAGES/GAME0000.BMP", "IMAGES/GAME0100.BMP", "IMAGES/CB001C.BMP", "IMAGES/CL003S.BMP", "TABLERUN.DLL"}) {
    EXPECT_FALSE(fs.Exists(program / name)) << name;
  }
  EXPECT_TRUE(fs.Exists(program / "IMAGES/WM007.BMP"));
  EXPECT_TRUE(fs.Exists(program / "IMAGES/GAME0101.BMP"));
  // Version 10.2 is marked as "1020".
  fnMarkProgramVersion(fs, program.Path(), "10.2");
  EXPECT_EQ(program.Read("TBLRV1020.DAT"), "Tablerun version: 10.2\r\n");
}

TEST(WindowTitle, NamesTheGamePlayerAndDeal) {
  TConfigRecord config;
  EXPECT_EQ(fnWindowTitle(config), "Tablerun 2002 10.2");
  config.Write(cfg::kGameName, "Klondike");
  config.Write(cfg::kPlayer, "Player 1");
  EXPECT_EQ(fnWindowTitle(config), "Tablerun 2002 10.2  [Klondike]  [Player 1]");
  config.Write(cfg::kGameNumber, "0000000012345");
  EXPECT_EQ(fnWindowTitle(config), "Tablerun 2002 10.2  [Klondike]  [Player 1]  [0000000012345]");
}

}  // namespace
}  // namespace tablerun
