#include "config/advisory.h"

#include <gtest/gtest.h>

#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

TEST(OneTimeAdvisory, ShownUntilThePlayerTicksTheBox) {
  testing::TTempFolder folder;
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TIniFile store(fs, screen, folder / "Cfg.dat");

  fnShowOneTimeAdvisory(store, screen, "Msg_Cards_Medium_640x480", "Smaller cards.");
  EXPECT_FALSE(store.KeyExists("Show_Messages", "Msg_Cards_Medium_640x480"));
  screen.tickAdvisory = true;
  fnShowOneTimeAdvisory(store, screen, "Msg_Cards_Medium_640x480", "Smaller cards.");
  EXPECT_EQ(store.ReadString("Show_Messages", "Msg_Cards_Medium_640x480", ""), "N");
  fnShowOneTimeAdvisory(store, screen, "Msg_Cards_Medium_640x480", "Smaller cards.");
  EXPECT_EQ(screen.advisories.size(), 2u);
}

}  // namespace
}  // namespace tablerun
