// The players list in the preferences, the players dialog's decisions and the
// turns of two-players mode.
#include "records/players.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "records/game_recording.h"
#include "records/player_names.h"
#include "records/statistics_operations.h"
#include "support/game_in_progress.h"
#include "support/game_state.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

constexpr int kFreeCell = 1;

struct Players : ::testing::Test, testing::TGameState {
  TIniFile& Store() { return *state.store; }
  void StoreUsers(const std::vector<std::pair<std::string, std::string>>& users) {
    for (const auto& [key, name] : users) Store().WriteString("Users", key, name);
  }
  std::vector<std::string> Numbered(int count) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back("P" + std::to_string(i));
    return names;
  }
};

TEST_F(Players, TheListIsTheUsedUserKeysInKeyOrderAndSortedForTheBoxes) {
  StoreUsers({{"User003", "Carl"},
              {"User001", "bea"},
              {"User002", ""},
              {"User020", "Al"},
              {"User021", "Zed"},
              {"User004", "Bad/Name"}});
  EXPECT_EQ(fnReadPlayers(Store()), (std::vector<std::string>{"bea", "Carl", "Bad/Name", "Al"}));
  // A name that cannot be used is nobody's to choose; the case does not order the names.
  EXPECT_EQ(fnSortedPlayers(Store()), (std::vector<std::string>{"Al", "bea", "Carl"}));
}

TEST_F(Players, NewAndRenamedNamesArePassedOrRefusedWithTheirMessage) {
  const TPlayersList list({"Ann", "Bob"});
  const std::string taken = "This player name already exists.";
  const struct {
    std::string name;
    std::optional<std::size_t> renamed;
    std::string refusal;
  } cases[] = {
      {"Carl", std::nullopt, ""},
      {"ann", std::nullopt, ""},  // names differ by case
      {"Ann", std::nullopt, taken},
      {"Bob", 0, taken},
      {"Ann", 0, ""},  // renamed to itself
      {"", std::nullopt, "Please enter at least 1 character."},
      {"A/B", 1, "A Player name cannot contain any of the following characters: \\ / : * ? \" < > |"},
      {"Ann ", 0, fnNameProblemMessage(TNameProblem::NotAFileName)},
      {"..", std::nullopt, fnNameProblemMessage(TNameProblem::NotAFileName)},
      {std::string(31, 'x'), std::nullopt, fnNameProblemMessage(TNameProblem::TooLong)},
  };
  for (const auto& c : cases) EXPECT_EQ(list.NameRefusal(c.name, c.renamed), c.refusal) << '"' << c.name << '"';
}

TEST_F(Players, ATwentyFirstPlayerIsRefusedAtOnce) {
  TPlayersList list(Numbered(19));
  EXPECT_EQ(list.AddRefusal(), "");
  list.Add("P20");
  EXPECT_EQ(list.AddRefusal(), "There can be at most 20 players.");
  fnStorePlayers(state, list);
  EXPECT_EQ(fnReadPlayers(Store()).size(), kMaxPlayers);
}

TEST_F(Players, ClosingWritesAllTwentyKeysOnlyWhenTheListChanged) {
  StoreUsers({{"User001", "Ann"}, {"User002", "Bob"}, {"User003", "Carl"}});
  state.config.Write(cfg::kPlayer, "Bob");
  TPlayersList list(fnReadPlayers(Store()));
  fnStorePlayers(state, list);
  EXPECT_FALSE(Store().KeyExists("Users", "User004"));
  EXPECT_EQ(Store().ReadString("Preference", "UserDefault", ""), "Bob");

  list.Remove(0);
  list.Rename(1, "Abe");  // sorted after the rename
  list.Add("Dan");
  list.Add("Dan");
  fnStorePlayers(state, list);
  EXPECT_EQ(fnReadPlayers(Store()), (std::vector<std::string>{"Abe", "Bob", "Dan"}));
  EXPECT_EQ(Store().ReadKeys("Users").size(), kMaxPlayers);
  EXPECT_TRUE(Store().KeyExists("Users", "User020"));
  EXPECT_EQ(Store().ReadString("Users", "User004", "unused?"), "");
}

TEST_F(Players, TheCurrentPlayerCannotBeDeleted) {
  state.config.Write(cfg::kPlayer, "Ann");
  EXPECT_EQ(fnDeleteRefusal(state, "Ann"), "It is impossible to delete the selected player.");
  EXPECT_EQ(fnDeleteRefusal(state, "Bob"), "");
}

TEST_F(Players, ABadNameOfTheListIsShownForItsRename) {
  EXPECT_FALSE(TPlayersList({"Ann", "Bob"}).FirstBadName());
  const auto bad = TPlayersList({"Ann", "Bo|b", "C:d"}).FirstBadName();
  ASSERT_TRUE(bad);
  EXPECT_EQ(bad->index, 1u);
  EXPECT_EQ(bad->message,
            fnNameProblemMessage(TNameProblem::ForbiddenCharacter) + "\rPlease rename the Player name:  Bo|b");
}

TEST_F(Players, ACurrentPlayerFromAFileThatCannotBeUsedGivesWay) {
  state.config.Write(cfg::kPlayer, "Ann");
  EXPECT_EQ(fnKeepUsablePlayer(state, "Player 1"), "");
  EXPECT_EQ(fnCurrentPlayer(state), "Ann");
  state.config.Write(cfg::kPlayer, "../Ann");
  const std::string notice = fnKeepUsablePlayer(state, "Player 1");
  EXPECT_EQ(fnCurrentPlayer(state), "Player 1");
  EXPECT_NE(notice.find("\"../Ann\""), std::string::npos);
  EXPECT_NE(notice.find(fnNameProblemMessage(TNameProblem::ForbiddenCharacter)), std::string::npos);
  state.config.Write(cfg::kPlayer, "");
  EXPECT_EQ(fnKeepUsablePlayer(state, "Ann"), "") << "no name at all is no fault to tell";
  EXPECT_EQ(fnCurrentPlayer(state), "Ann");
}

TEST_F(Players, TwoPlayersTakeTurnsGameByGame) {
  EXPECT_FALSE(fnTwoPlayersModeOn(state));
  EXPECT_EQ(fnChangeTurn(state), "");
  fnStartTwoPlayersMode(state, {.player1 = "Ann", .player2 = "Bob", .sameGameNumber = true, .showSituation = false});
  EXPECT_TRUE(fnTwoPlayersModeOn(state));
  EXPECT_EQ(Store().ReadString("Preference", "Two_Players_Mode_Same_Game_Num", ""), "Y");
  EXPECT_EQ(Store().ReadString("Preference", "Two_Players_Mode_Show_Situation", ""), "N");
  EXPECT_EQ(Store().ReadString("Preference", "Two_Players_Mode_Confirm_New_Game", ""), "Y");
  for (const std::string& name : std::vector<std::string>{"Ann", "Bob", "Ann"}) {
    EXPECT_EQ(fnChangeTurn(state), "Now play: " + name);
    EXPECT_EQ(fnCurrentPlayer(state), name);
  }
  fnQuitTwoPlayersMode(state);
  EXPECT_EQ(fnChangeTurn(state), "");
  EXPECT_EQ(fnCurrentPlayer(state), "Ann");
}

TEST_F(Players, ATurnWithoutAUsableNameLeavesTheCurrentPlayer) {
  state.config.Write(cfg::kPlayer, "Carl");
  fnStartTwoPlayersMode(state, {.player1 = "", .player2 = "Bob"});
  Store().WriteString("Preference", "Two_Players_Mode_Player_2", "B?b");
  EXPECT_EQ(fnChangeTurn(state), "");
  EXPECT_EQ(fnChangeTurn(state), "");
  EXPECT_EQ(fnCurrentPlayer(state), "Carl");
}

TEST_F(Players, TheTwoPlayersSettingsReadTheirDefaults) {
  const TTwoPlayersSettings none = fnReadTwoPlayersSettings(Store());
  EXPECT_FALSE(none.sameGameNumber);
  EXPECT_TRUE(none.showSituation);
  EXPECT_TRUE(none.confirmNewGame);
  Store().WriteString("Preference", "Two_Players_Mode_Confirm_New_Game", "x");  // only "N" turns it off
  EXPECT_TRUE(fnReadTwoPlayersSettings(Store()).confirmNewGame);
}

struct SelectPlayer : ::testing::Test, testing::TGameInProgress {};

TEST_F(SelectPlayer, RefusedTheGameGoesOnForTheSamePlayer) {
  screen.answers = {TMessageAnswer::Cancel};
  EXPECT_EQ(fnSelectPlayer(session, "Bob"), TLeaving::Stayed);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "Start a new game for player Bob?");
  EXPECT_EQ(fnCurrentPlayer(state), "Ann");
  EXPECT_TRUE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  EXPECT_EQ(state.config.Read(cfg::kSessionWon), "0003");
}

TEST_F(SelectPlayer, AcceptedTheGameIsRecordedForTheOldPlayer) {
  EXPECT_EQ(fnSelectPlayer(session, "Bob"), TLeaving::Left);
  EXPECT_EQ(recordedFor, std::vector<std::string>{"Ann"});
  EXPECT_EQ(fnCurrentPlayer(state), "Bob");
  EXPECT_FALSE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  EXPECT_EQ(state.config.Read(cfg::kSessionWon), "0000");
}

// A won FreeCell game for Ann and a lost one for Bob in the statistics files.
struct PlayersStatistics : Players {
  testing::TTempFolder data;
  TPlayersList list{{"Ann", "Bob", "Carl"}};

  PlayersStatistics() {
    state.dataFolder = data.Path();
    ChooseGame(kFreeCell);
    for (const auto& [player, won] : {std::pair{"Bob", false}, std::pair{"Ann", true}}) {
      state.config.Write(cfg::kPlayer, player);
      fnRecordFinishedGame(state, {.won = won, .eligible = true, .elapsedSeconds = 60, .end = {2026, 12, 11, 9, 0, 0}});
    }
  }
  TGameStatistics Statistics(const std::string& player) {
    return fnReadStatisticsView(state, kFreeCell, player).statistics;
  }
};

TEST_F(PlayersStatistics, ADeletedPlayersStatisticsGoWithTheName) {
  fnDeletePlayer(state, list, 1);
  EXPECT_EQ(list.Names(), (std::vector<std::string>{"Ann", "Carl"}));
  EXPECT_EQ(Statistics("Bob"), TGameStatistics{});
  EXPECT_EQ(Statistics("Ann").won, 1);
}

TEST_F(PlayersStatistics, ARenamedPlayerKeepsStatisticsTableAndTurn) {
  std::vector<int> progress;
  EXPECT_TRUE(fnRenamePlayerEverywhere(state, list, 0, "Dora", [&progress](int lines) { progress.push_back(lines); }));
  EXPECT_EQ(list.Names(), (std::vector<std::string>{"Bob", "Carl", "Dora"}));
  EXPECT_EQ(fnCurrentPlayer(state), "Dora");
  EXPECT_EQ(Statistics("Dora").won, 1);
  EXPECT_EQ(Statistics("Ann"), TGameStatistics{});
  EXPECT_FALSE(progress.empty());

  fnStartTwoPlayersMode(state, {.player1 = "Carl", .player2 = "Bob"});
  fnRenamePlayerEverywhere(state, list, 0, "Abe", [](int) {});
  EXPECT_EQ(fnCurrentPlayer(state), "Dora");
  EXPECT_EQ(Statistics("Abe").lost, 1);
  const TTwoPlayersSettings twoPlayers = fnReadTwoPlayersSettings(Store());
  EXPECT_EQ(twoPlayers.player1, "Carl");
  EXPECT_EQ(twoPlayers.player2, "Abe");
}

}  // namespace
}  // namespace tablerun
