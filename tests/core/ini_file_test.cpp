#include "config/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TRecordingScreen;
using testing::TTempFolder;

class IniFileTest : public ::testing::Test {
 protected:
  TIniFile Open() { return TIniFile(fs, screen, folder / "Cfg.dat"); }
  TTempFolder folder;
  TPosixFileSystem fs;
  TRecordingScreen screen;
};

TEST_F(IniFileTest, WritesCrLfSectionsByteForByte) {
  TIniFile ini = Open();
  ini.WriteString("Preference", "UserDefault", "Player 1");
  ini.WriteString("Users", "User001", "Player 1");
  ini.WriteString("Preference", "Game", "0012");
  ini.WriteInteger("Preference", "Background_Col", -2147483633);
  EXPECT_EQ(folder.Read("Cfg.dat"),
            "[Preference]\r\nUserDefault=Player 1\r\nGame=0012\r\nBackground_Col=-2147483633\r\n"
            "\r\n[Users]\r\nUser001=Player 1\r\n");
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(IniFileTest, NamesIgnoreCaseAndKeepTheirSpelling) {
  folder.Write("Cfg.dat", "[preference]\nshow_time = N \n");
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadString("PREFERENCE", "Show_Time", "Y"), "N");
  ini.WriteString("Preference", "SHOW_TIME", "Y");
  EXPECT_EQ(folder.Read("Cfg.dat"), "[preference]\r\nshow_time=Y\r\n");
}

TEST_F(IniFileTest, MissingFileKeyOrNumberGivesTheFallback) {
  folder.Write("Cfg.dat", "[Preference]\r\nLanguage=abc\r\nSpeed=\r\nBig=2147483663\r\n");
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadString("Preference", "Nothing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("Other", "Language", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadInteger("Preference", "Language", 20000), 20000);
  EXPECT_EQ(ini.ReadInteger("Preference", "Speed", 10), 10);
  EXPECT_EQ(ini.ReadInteger("Preference", "Big", 0), 2147483663LL);
  EXPECT_EQ(TIniFile(fs, screen, folder / "none.dat").ReadString("A", "B", "x"), "x");
}

TEST_F(IniFileTest, NewKeysJoinTheirSectionAndUnknownLinesStay) {
  folder.Write("Cfg.dat", "; comment\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  TIniFile ini = Open();
  ini.WriteString("A", "z", "3");
  EXPECT_EQ(folder.Read("Cfg.dat"), "; comment\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(ini.ReadKeys("a"), (std::vector<std::string>{"x", "z"}));
  ini.EraseSection("A");
  EXPECT_EQ(folder.Read("Cfg.dat"), "; comment\r\n[B]\r\ny=2\r\n");
  EXPECT_FALSE(ini.SectionExists("A"));
}

TEST_F(IniFileTest, DeferredWritesTouchTheDiskOnce) {
  TIniFile ini = Open();
  {
    TIniFile::TDeferredWrites batch(ini);
    ini.WriteString("P", "a", "1");
    EXPECT_FALSE(folder.Exists("Cfg.dat"));
    ini.WriteString("P", "b", "2");
  }
  EXPECT_EQ(folder.Read("Cfg.dat"), "[P]\r\na=1\r\nb=2\r\n");
}

TEST_F(IniFileTest, BracketsInsideAValueAreNotAHeader) {
  folder.Write("Cfg.dat", "[Users]\r\nUser001=[Users] x\r\nUser002=b\r\n");
  TIniFile ini = Open();
  EXPECT_EQ(ini.ReadString("Users", "User002", ""), "b");
  EXPECT_EQ(ini.ReadString("Users", "User001", ""), "[Users] x");
}

TEST_F(IniFileTest, NamesAndValuesThatWouldForgeLinesAreRefused) {
  TIniFile ini = Open();
  ASSERT_TRUE(ini.WriteString("Users", "User001", "[Ann]"));
  EXPECT_FALSE(ini.WriteString("Users", "User002", "Bob\r\n[Preference]"));
  EXPECT_FALSE(ini.WriteString("Users]", "User002", "Bob"));
  EXPECT_FALSE(ini.WriteString("Users", "User=2", "Bob"));
  EXPECT_FALSE(ini.WriteString("Users", " ", "Bob"));
  EXPECT_EQ(folder.Read("Cfg.dat"), "[Users]\r\nUser001=[Ann]\r\n");
}

TEST_F(IniFileTest, ARewrittenStoreIsAnOrdinaryFile) {
  const mode_t old = ::umask(022);
  Open().WriteString("P", "a", "1");
  ::umask(old);
  struct stat st {};
  ASSERT_EQ(::stat((folder / "Cfg.dat").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);  // not the private mode of a temporary file
}

TEST_F(IniFileTest, AWriteThatCannotBeSavedSaysSoAndFails) {
  TIniFile ini(fs, screen, folder / "missing-folder/Cfg.dat");
  EXPECT_FALSE(ini.WriteString("P", "a", "2"));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text,
            "Error creating temp file. " + (folder / "missing-folder/Cfg.dat") + ": No such file or directory");
}

}  // namespace
}  // namespace tablerun
