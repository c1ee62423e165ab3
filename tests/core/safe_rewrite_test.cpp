// A rewrite changes a file's bytes and nothing else about it: its permissions
// stay, a link stays a link; and what killed rewrites leave behind is cleared.
#include "config/safe_replace.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>

#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

TEST(SafeRewrite, KeepsThePermissionsOfTheFile) {
  testing::TTempFolder folder;
  TPosixFileSystem files;
  for (const fs::perms permissions : {fs::perms::owner_read | fs::perms::owner_write,
                                      fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read}) {
    folder.Write("Cfg.dat", "old");
    fs::permissions(folder / "Cfg.dat", permissions);
    ASSERT_TRUE(fnWriteFileSafely(files, folder / "Cfg.dat", "new"));
    EXPECT_EQ(folder.Read("Cfg.dat"), "new");
    EXPECT_EQ(fs::status(folder / "Cfg.dat").permissions(), permissions);
  }
}

TEST(SafeRewrite, WritesThroughLinksToTheFileTheyName) {
  testing::TTempFolder folder;
  TPosixFileSystem files;
  folder.Write("real/Cfg.dat", "old");
  fs::create_directories(folder / "data");
  // A relative link to a link that names the file by its full path.
  fs::create_symlink(folder / "real/Cfg.dat", folder / "real/middle");
  fs::create_symlink("../real/middle", folder / "data/Cfg.dat");
  testing::TRecordingScreen screen;
  ASSERT_TRUE(fnReplaceFile(files, screen, folder / "data/Cfg.dat", "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "data/Cfg.dat"));
  EXPECT_TRUE(fs::is_symlink(folder / "real/middle"));
  EXPECT_EQ(folder.Read("real/Cfg.dat"), "new");
  EXPECT_EQ(Names(folder / "data"), (std::set<std::string>{"Cfg.dat"}));
  EXPECT_EQ(Names(folder / "real"), (std::set<std::string>{"Cfg.dat", "middle"}));

  // A link to itself is no file: refused, and nothing is left behind.
  fs::create_symlink("loop", folder / "data/loop");
  EXPECT_FALSE(fnReplaceFile(files, screen, folder / "data/loop", "new"));
  EXPECT_EQ(screen.messages.size(), 1u);
}

TEST(SafeRewrite, OnlyOurOwnOldTemporaryFilesAreRemoved) {
  testing::TTempFolder folder;
  TPosixFileSystem files;
  const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  struct TEntry {
    const char* name;
    bool old;
    bool removed;
  };
  const TEntry entries[] = {
      {"rplk3x9q0", true, true},    // ours, left by a killed rewrite
      {"rpla1b2c3", false, false},  // ours, but a running copy may be writing it
      {"rplabc", true, false},      // not a name we make
      {"rplABCDEF", true, false},   // nor is this
      {"rplk3x9q0.bak", true, false}, {"Cfg.dat", true, false},
  };
  for (const auto& [name, old, removed] : entries) {
    folder.Write(name, "bytes");
    if (old) fs::last_write_time(folder / name, hourAgo);
  }
  fs::create_directories(folder / "rplfolder");
  fs::create_symlink(folder / "Cfg.dat", folder / "rpllink00");
  const auto now =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();

  EXPECT_EQ(fnRemoveStaleTemporaryFiles(files, folder.Path(), now), 1);
  for (const auto& [name, old, removed] : entries) EXPECT_EQ(folder.Exists(name), !removed) << name;
  EXPECT_TRUE(fs::is_directory(folder / "rplfolder"));
  EXPECT_TRUE(fs::is_symlink(folder / "rpllink00"));
}

}  // namespace
}  // namespace tablerun
