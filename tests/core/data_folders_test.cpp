#include "config/data_folders.h"

#include <gtest/gtest.h>

#include <map>

#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TRecordingScreen;
using testing::TTempFolder;

class DataFoldersTest : public ::testing::Test {
 protected:
  std::string Find() { return fnFindDataFolder(fs, screen, program.Path(), "/home/ann/.local/share"); }
  TTempFolder program;
  TPosixFileSystem fs;
  TRecordingScreen screen;
};

TEST_F(DataFoldersTest, FirstStartPointsAtTheUsersOwnFolder) {
  EXPECT_EQ(Find(), "/home/ann/.local/share/Tablerun/");
  EXPECT_EQ(program.Read("tblr_fold.dat"), "[Default Data Folder]\r\n");
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(DataFoldersTest, ACopyWithItsOwnDataKeepsUsingIt) {
  program.Write("data/Cfg.dat", "[Preference]\r\n");
  EXPECT_EQ(Find(), program / "data/");
  EXPECT_EQ(program.Read("tblr_fold.dat"), program / "data/\r\n");
}

TEST_F(DataFoldersTest, PointerFileLines) {
  struct TCase {
    const char* contents;
    std::string folder;
  };
  for (const auto& [contents, folder] :
       std::initializer_list<TCase>{{"/srv/cards\r\n", "/srv/cards/"},
                                    {"/srv/cards/   \r\nignored\r\n", "/srv/cards/"},
                                    {"   \r\n", "/home/ann/.local/share/Tablerun/"},
                                    {"", "/home/ann/.local/share/Tablerun/"},
                                    {"[Default Data Folder] old note", "/home/ann/.local/share/Tablerun/"}}) {
    program.Write("tblr_fold.dat", contents);
    EXPECT_EQ(Find(), folder) << contents;
  }
}

TEST_F(DataFoldersTest, WithoutAUserFolderTheDataLivesBesideTheProgram) {
  EXPECT_EQ(fnDefaultDataFolder("/opt/tablerun/", "  "), "/opt/tablerun/Data/");
  EXPECT_EQ(fnDefaultDataFolder("/opt/tablerun", "/x/"), "/x/Tablerun/");
}

TEST_F(DataFoldersTest, APointerFileThatCannotBeWrittenIsReportedAndTheDefaultUsed) {
  const std::string readOnly = program / "no-such-folder/";
  EXPECT_EQ(fnFindDataFolder(fs, screen, readOnly, "/d"), "/d/Tablerun/");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text,
            "Error saving the file: " + readOnly +
                "tblr_fold.dat\rNote: the program folder must be writable by this user to save this file.");
}

TEST_F(DataFoldersTest, UserFoldersFollowTheDesktopConventions) {
  std::map<std::string, std::string> env{{"HOME", "/home/ann"}};
  auto lookup = [&env](const std::string& name) { return env.count(name) ? env[name] : std::string(); };
  EXPECT_EQ(fnUserFolders(fs, lookup).applicationData, "/home/ann/.local/share");
  EXPECT_EQ(fnUserFolders(fs, lookup).documents, "/home/ann/Documents");

  program.Write("config/user-dirs.dirs", "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
  env["XDG_CONFIG_HOME"] = program / "config";
  env["XDG_DATA_HOME"] = "/data";
  EXPECT_EQ(fnUserFolders(fs, lookup).applicationData, "/data");
  EXPECT_EQ(fnUserFolders(fs, lookup).documents, "/home/ann/Papers");

  env.clear();
  EXPECT_EQ(fnUserFolders(fs, lookup).applicationData, "");
  EXPECT_EQ(fnUserFolders(fs, lookup).documents, "");
}

}  // namespace
}  // namespace tablerun
