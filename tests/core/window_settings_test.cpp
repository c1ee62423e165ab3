// The main window's settings by name: their values before the player changes
// them, and that a change is kept where the next run reads it.
#include "engine/session/window_settings.h"

#include <gtest/gtest.h>

#include "support/game_state.h"

namespace tablerun {
namespace {

TEST(WindowSettings, TheToolbarLooksAsItDidUntilThePlayerChangesIt) {
  testing::TGameState game;
  TWindowSettings settings(game.state);
  EXPECT_TRUE(settings.LargeToolbar() && settings.FlatToolbar() && settings.XpToolbar());
  settings.SetLargeToolbar(false);
  settings.SetXpToolbar(false);
  EXPECT_EQ(game.state.store->ReadString("Preference", "ToolBar_Large", ""), "N");
  EXPECT_FALSE(TWindowSettings(game.state).LargeToolbar());
  EXPECT_FALSE(settings.XpToolbar());
  EXPECT_TRUE(settings.FlatToolbar());
}

TEST(WindowSettings, QuittingIsConfirmedUnlessTurnedOff) {
  testing::TGameState game;
  TWindowSettings settings(game.state);
  EXPECT_FALSE(settings.ConfirmQuit());
  for (const auto& [stored, confirm] :
       std::initializer_list<std::pair<const char*, bool>>{{"Y", true}, {"1", true}, {"N", false}}) {
    game.state.store->WriteString("Preference", "ConfirmQuit", stored);
    EXPECT_EQ(settings.ConfirmQuit(), confirm) << stored;
  }
}

TEST(WindowSettings, TheTableTakesTheClothAndPointerThePlayerFixed) {
  testing::TGameState game;
  TWindowSettings settings(game.state);
  game.state.config.Write(cfg::kBackgroundFixedColour, "");
  game.state.config.Write(cfg::kCursor, "");
  EXPECT_EQ(settings.FixedCloth(), std::nullopt);
  EXPECT_EQ(settings.TableCursor(), 10);
  game.state.config.Write(cfg::kBackgroundFixedColour, "32768");
  game.state.config.Write(cfg::kCursor, "22");
  EXPECT_EQ(settings.FixedCloth(), 32768);
  EXPECT_EQ(settings.TableCursor(), 22);
}

TEST(WindowSettings, APauseFadesTheTableOnlyOnADisplayOfManyColours) {
  testing::TGameState game;
  TWindowSettings settings(game.state);
  game.state.config.Write(cfg::kFadeBackground, "Y");
  EXPECT_TRUE(settings.FadedPause());
  game.state.display.moreThan256Colours = false;
  EXPECT_FALSE(settings.FadedPause());
}

TEST(WindowSettings, MovesFlyWithShadowsUnlessTurnedOffWhileTheLayoutLeavesRoomOnlyWhenTurnedOn) {
  struct TRow {
    const char* stored;
    bool flies;
    int layoutRoom;
  };
  testing::TGameState game;
  const TWindowSettings settings(game.state);
  for (const auto& [stored, flies, layoutRoom] :
       std::initializer_list<TRow>{{"Y", true, 9}, {"N", false, 0}, {"", true, 0}, {"y", true, 0}}) {
    game.state.config.Write(cfg::kCardsAnimate, stored);
    game.state.config.Write(cfg::kCardsShadowed, stored);
    EXPECT_EQ(settings.AnimatedMoves(), flies) << '"' << stored << '"';
    EXPECT_EQ(settings.MovingShadows(), flies) << '"' << stored << '"';
    EXPECT_EQ(settings.LayoutShadowDepth(), layoutRoom) << '"' << stored << '"';
  }
}

TEST(WindowSettings, AFlightStepNeverWaitsLessThanNothing) {
  testing::TGameState game;
  const TWindowSettings settings(game.state);
  for (const auto& [stored, delay] :
       std::initializer_list<std::pair<const char*, int>>{{"10", 10}, {"0", 0}, {"-5", 0}, {"", 0}, {"x", 0}}) {
    game.state.config.Write(cfg::kCardSpeed, stored);
    EXPECT_EQ(settings.CardStepDelay(), delay) << '"' << stored << '"';
  }
}

TEST(WindowSettings, GamesAreSavedUnderTheGamesNameInTheFolderLastUsed) {
  testing::TGameState game;
  game.state.userFolders.documents = "/home/player/Documents/";
  TWindowSettings settings(game.state);
  game.ChooseGame(1);
  EXPECT_EQ(settings.SavedGameName(), "FreeCell.gam");
  EXPECT_EQ(settings.SaveFolder(), "/home/player/Documents/");
  settings.SetSaveFolder("/home/player/games/");
  EXPECT_EQ(settings.SaveFolder(), "/home/player/games/");
}

}  // namespace
}  // namespace tablerun
