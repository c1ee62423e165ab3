// Ending a game: the question before leaving, the hand-over to the result
// recorder, and a close asked for during the winning animation.
#include <gtest/gtest.h>

#include "support/played_game.h"

namespace tablerun::testing {
namespace {

struct EndOfGameTest : ::testing::Test {
  TPlayedGame game{1, "1"};
  TEndOfGame& end = game.session.endOfGame;
};

TEST_F(EndOfGameTest, AsksBeforeLeavingOnlyWhenThePlayerWantsToBeAsked) {
  game.state.config.Write(cfg::kConfirmQuitGame, "N");
  EXPECT_TRUE(end.MayLeaveGame());
  EXPECT_TRUE(game.screen.messages.empty());

  game.state.config.Write(cfg::kConfirmQuitGame, "Y");
  game.screen.answers = {TMessageAnswer::Cancel, TMessageAnswer::Ok};
  EXPECT_FALSE(end.MayLeaveGame());
  EXPECT_TRUE(end.MayLeaveGame("Start a new game?"));
  ASSERT_EQ(game.screen.messages.size(), 2u);
  EXPECT_EQ(game.screen.messages[0].text, "Quit this game?");
  EXPECT_EQ(game.screen.messages[0].buttons, TMessageButtons::OkCancel);
  EXPECT_EQ(game.screen.messages[1].text, "Start a new game?");

  // A game just won is left without a question, and never during its animation.
  game.state.runtime.SetFlag(TRuntimeFlag::GameJustWon, true);
  EXPECT_TRUE(end.MayLeaveGame());
  game.state.runtime.SetFlag(TRuntimeFlag::WinningAnimation, true);
  EXPECT_FALSE(end.MayLeaveGame());
  EXPECT_EQ(game.screen.messages.size(), 2u);
}

TEST_F(EndOfGameTest, ALostGameIsRecordedOnceWithItsTime) {
  game.clock.Advance(75);
  EXPECT_FALSE(end.EndGame());
  EXPECT_FALSE(end.EndGame());
  ASSERT_EQ(game.results.size(), 1u);
  EXPECT_FALSE(game.results[0].won);
  EXPECT_TRUE(game.results[0].eligible);
  EXPECT_EQ(game.results[0].elapsedSeconds, 75);
  EXPECT_FALSE(game.state.runtime.Flag(TRuntimeFlag::ClockRuns));
  EXPECT_EQ(game.screen.gameWonWindows, 0);
}

TEST_F(EndOfGameTest, AGameTheTutorMovedInFirstIsNotEligible) {
  game.state.mainGame.Set(entries::kStatisticsEligible, 0);
  end.EndGame();
  ASSERT_EQ(game.results.size(), 1u);
  EXPECT_FALSE(game.results[0].eligible);
}

TEST_F(EndOfGameTest, ACloseDuringTheWinningAnimationWaitsAndTheWinIsStillRecorded) {
  game.screen.duringWinningAnimation = [this] { EXPECT_FALSE(end.CloseRequested()); };
  game.state.runtime.SetFlag(TRuntimeFlag::GameJustWon, true);
  EXPECT_TRUE(end.EndGame());
  ASSERT_EQ(game.results.size(), 1u);
  EXPECT_TRUE(game.results[0].won);
  EXPECT_EQ(game.screen.closes, 1);
  EXPECT_EQ(game.screen.gameWonWindows, 0);
}

TEST_F(EndOfGameTest, AScoreGameReachingItsTargetEndsWon) {
  game.state.rules.Set(rule::kWinningScore, -52);  // the dealt table's own score
  EXPECT_TRUE(end.EndGame());
  EXPECT_TRUE(game.results.at(0).won);
  EXPECT_EQ(game.screen.gameWonWindows, 1);
}

}  // namespace
}  // namespace tablerun::testing
