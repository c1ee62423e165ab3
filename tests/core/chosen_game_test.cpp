// Starting a game chosen by name: what leaves the game in progress, and what
// becomes current.
#include "choice/chosen_game.h"

#include <gtest/gtest.h>

#include "support/game_in_progress.h"

namespace tablerun {
namespace {

struct ChosenGame : ::testing::Test, testing::TGameInProgress {
  TChosenGame Chosen(int code, const std::string& player) {
    return {code, state.mainGame.Catalogue().NameOf(code, state.customGames), player, true, true};
  }
};

TEST_F(ChosenGame, TheSameGameForTheSamePlayerStillGoingOnDoesNothing) {
  const TChosenStart start = fnTakeChosenGame(session, Chosen(kFreeCell, "Ann"));
  EXPECT_FALSE(start.leftGame);
  EXPECT_FALSE(start.deal);
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_TRUE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
}

TEST_F(ChosenGame, AnotherGameAsksRecordsAndBecomesCurrentWithFreshSessionCounters) {
  const int other = state.mainGame.Catalogue().Entries().back().code;
  screen.answers = {TMessageAnswer::Cancel};
  EXPECT_FALSE(fnTakeChosenGame(session, Chosen(other, "Ann")).leftGame);
  EXPECT_EQ(fnCurrentGameCode(state.config), kFreeCell);

  screen.answers = {TMessageAnswer::Ok};
  const TChosenStart start = fnTakeChosenGame(session, Chosen(other, "Ann"));
  EXPECT_TRUE(start.leftGame && start.deal && start.gameChanged);
  EXPECT_FALSE(start.playerChanged);
  EXPECT_EQ(recordedFor, std::vector<std::string>{"Ann"});
  EXPECT_EQ(fnCurrentGameCode(state.config), other);
  EXPECT_EQ(state.config.Read(cfg::kGameName), fnTrimRight(Chosen(other, "").name));
  EXPECT_EQ(state.config.Read(cfg::kSessionWon), "0000");
}

TEST_F(ChosenGame, AnotherPlayerBecomesTheDefaultAndTheChoiceIsRememberedWhenAsked) {
  screen.answers = {TMessageAnswer::Ok};
  const TChosenGame chosen = Chosen(kFreeCell, "Bob");
  const TChosenStart start = fnTakeChosenGame(session, chosen);
  EXPECT_TRUE(start.deal && start.playerChanged);
  EXPECT_FALSE(start.gameChanged);
  EXPECT_EQ(state.config.Read(cfg::kPlayer), "Bob");
  EXPECT_EQ(state.store->ReadString("Preference", "UserDefault", ""), "Bob");

  fnRememberChosenGame(state, chosen);
  EXPECT_EQ(state.store->ReadInteger("Preference", "Game_TreeType", 0), -1);
  EXPECT_EQ(state.store->ReadInteger("Preference", "Game_TreeNum", 0), -30);
}

}  // namespace
}  // namespace tablerun
