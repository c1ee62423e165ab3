// The game's clock counts whole seconds on a monotonic clock: midnight, pauses
// and days-long games are plain arithmetic.
#include <gtest/gtest.h>

#include "engine/state/game_clock.h"
#include "support/fake_clock.h"
#include "support/game_state.h"

namespace tablerun::testing {
namespace {

struct GameClockTest : ::testing::Test {
  TGameState game;
  TFakeClock time;
  TGameClock clock{game.state, time};
};

TEST_F(GameClockTest, RunsOnAcrossMidnight) {
  time.now = {2026, 12, 31, 23, 59, 30};
  clock.Start();
  time.Advance(45);
  clock.Tick();
  EXPECT_EQ(time.now.hour, 0);
  EXPECT_EQ(game.screen.times.back(), "0:00:45");
}

TEST_F(GameClockTest, APauseDoesNotCount) {
  clock.Start();
  time.Advance(30);
  clock.SetPaused(true);
  time.Advance(120);
  EXPECT_EQ(clock.ElapsedSeconds(), 30);
  clock.SetPaused(false);
  EXPECT_EQ(game.screen.times.back(), "0:00:30");
  time.Advance(5);
  EXPECT_EQ(clock.ElapsedSeconds(), 35);
}

TEST_F(GameClockTest, StopsAtTheEndAndKeepsItsTime) {
  clock.Start();
  time.Advance(61);
  clock.Stop();
  time.Advance(600);
  EXPECT_EQ(clock.ElapsedSeconds(), 61);
  EXPECT_FALSE(clock.Runs());
}

TEST_F(GameClockTest, LongGamesShowAllTheirHoursAndRecordAtMostTheFieldsWidth) {
  clock.Start();
  time.Advance(25 * 3600 + 62);
  clock.Tick();
  EXPECT_EQ(game.screen.times.back(), "25:01:02");
  time.Advance(1'000'000);
  EXPECT_EQ(clock.RecordedSeconds(), kMaxRecordedSeconds);
}

TEST_F(GameClockTest, ALoadedGameGoesOnFromItsStoredTime) {
  clock.ContinueFrom(3599);
  time.Advance(1);
  EXPECT_EQ(fnElapsedText(clock.ElapsedSeconds()), "1:00:00");
}

}  // namespace
}  // namespace tablerun::testing
