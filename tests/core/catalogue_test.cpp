#include "model/catalogue.h"

#include <gtest/gtest.h>

#include "model/rule_record.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

// A games list written by hand, as stored: plain headers and slot numbers,
// everything else shifted by 48.
std::string fnHandMadeGamesFile() {
  const auto sect1 = [](const std::string& plain) { return fnScramble(plain) + "\r\n"; };
  const auto field = [](const std::string& value) { return fnScramble(value + std::string(10 - value.size(), ' ')); };
  std::string bytes = "[Sect1]\r\n";
  bytes += sect1("005 000000Klondike");
  bytes += sect1("  4 002900Withdrawn");  // "9": not in the catalogue, no column
  bytes += sect1("4   00100 FreeCell   ");
  bytes += sect1("002 011011Canfield");  // needs 650 pixels; new
  bytes += "[Sect2]\r\n";
  bytes += "0024" + std::string(12, '.') + field("1") + "|" + field("0") + "|" + field("3") + "\r\n";
  bytes += "0016" + std::string(12, '.') + field("-1") + "|" + field("1") + "|" + field("-1") + "\r\n";
  bytes += "0375" + std::string(12, '.') + field("7") + "|" + field("8") + "|" + field("4") + "\r\n";
  bytes += "[SectS]\r\n" + fnScramble("1") + "\r\n" + fnScramble("000") + "\r\n[SectO]\r\n[SectK]\r\n" +
           fnScramble("11") + "\r\n";
  return bytes;
}

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(catalogue.Load(TGamesFile::Parse(fnHandMadeGamesFile()), error)) << error;
    folder.Write("gam_cust.dat", "[R-0301]\r\n8000Klondike Easy" + std::string(37, ' ') +
                                     "0000\r\n003-01212001000000\r\n" + std::string(28, '\n'));
  }
  testing::TTempFolder folder;
  TPosixFileSystem fs;
  TCustomGames custom{fs, folder.Path()};
  testing::TRecordingScreen screen;
  TCatalogue catalogue;
};

TEST_F(CatalogueTest, HiddenLinesShiftTheColumnsOfLaterGames) {
  ASSERT_EQ(catalogue.Entries().size(), 3u);
  EXPECT_EQ(catalogue.Index(0), 0);
  EXPECT_EQ(catalogue.Index(1), 1);  // FreeCell: second line after the hidden one
  EXPECT_EQ(catalogue.Index(11), 2);
  EXPECT_EQ(catalogue.Index(2), -1);  // the withdrawn game
  EXPECT_EQ(catalogue.Index(8000), -1);
  EXPECT_TRUE(catalogue.Entries()[2].isNew);
  EXPECT_EQ(catalogue.SelectedGames(), (std::vector<int>{1, 0}));
  EXPECT_EQ(catalogue.ChildrensGames(), (std::vector<int>{11}));

  TGameRules rules;
  std::string error;
  struct TCase {
    int code, perTurn, deals, piles;
  };
  for (const auto& [code, perTurn, deals, piles] : {TCase{0, 1, -1, 7}, TCase{1, 0, 1, 8}, TCase{11, 3, -1, 4}}) {
    ASSERT_TRUE(fnLoadRuleRecord(rules, catalogue, custom, code, error)) << error;
    EXPECT_EQ(rules.Get(rule::kCardsPerTurn), perTurn) << code;
    EXPECT_EQ(rules.Get(rule::kDeals), deals) << code;
    EXPECT_EQ(rules.Get(rule::kTableauPiles), piles) << code;
    EXPECT_EQ(rules.Get(rule::kGameTime), 0);  // not in the list
  }
}

TEST_F(CatalogueTest, NamesCodesAndTypes) {
  EXPECT_EQ(catalogue.NameOf(1, custom), "FreeCell");
  EXPECT_EQ(catalogue.NameOf(2, custom), "");
  EXPECT_EQ(catalogue.NameOf(8000, custom), "Klondike Easy");
  EXPECT_EQ(catalogue.CodeOf("freecell ", custom), 1);
  EXPECT_EQ(catalogue.CodeOf("KLONDIKE EASY", custom), 8000);
  EXPECT_EQ(catalogue.CodeOf("Withdrawn", custom), -1);
  EXPECT_EQ(catalogue.TypeOf(1), 4);
  EXPECT_EQ(catalogue.TypeOf(11), 2);
  EXPECT_EQ(catalogue.TypeOf(8003), 800);  // even when no such custom game exists
  EXPECT_EQ(catalogue.TypeOf(-1), -1);
  EXPECT_EQ(catalogue.TypeOf(2), -1);
  EXPECT_EQ(fnGameTypeKey(4), "TREE5_FREECELL_TYPE");
  EXPECT_EQ(fnGameTypeKey(27), "TREE5_SLYFOX_TYPE");
  EXPECT_EQ(fnGameTypeKey(800), "TREE5_CUSTOMIZED_GAMES");
  EXPECT_EQ(fnGameTypeKey(1), "");
}

TEST_F(CatalogueTest, NarrowScreensRefuseWideGames) {
  EXPECT_TRUE(catalogue.CanBeShown(11, 800, screen, custom));
  EXPECT_TRUE(catalogue.CanBeShown(0, 640, screen, custom));
  EXPECT_TRUE(catalogue.CanBeShown(8000, 640, screen, custom));  // base game 0
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_FALSE(catalogue.CanBeShown(11, 640, screen, custom));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text,
            "Your video card's display is 640x480 pixels.\rYou can't play: Canfield\r"
            "Please set your screen resolution to 800x600 pixels or higher.");
}

TEST_F(CatalogueTest, SortedNamesAndChooser) {
  const auto names = catalogue.AllNamesSorted(custom);
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[0], "Canfield");
  EXPECT_EQ(names[1], "FreeCell   ");  // built-in names as stored
  EXPECT_EQ(names[3], "Klondike Easy");
  EXPECT_EQ(fnGameChooser(catalogue, custom, 1).selected, 1);
  EXPECT_EQ(fnGameChooser(catalogue, custom, -1).selected, -1);
}

TEST_F(CatalogueTest, ReadsSlotsOfAnyGameWithoutLoadingIt) {
  const auto values = fnReadSlotsOfGame(catalogue, custom, 11, {24, 16, -1, 375, 200, -1, -1, -1, -1});
  EXPECT_EQ(values, (std::array<int, 9>{3, -1, -99, 4, 0, -99, -99, -99, -99}));
  EXPECT_EQ(fnReadSlotsOfGame(catalogue, custom, 8000, {375, -1, -1, -1, -1, -1, -1, -1, -1})[0], 7);
  EXPECT_EQ(fnReadTwoSlotsOfEveryGame(catalogue, 24, 16),
            (std::vector<std::string>{"0000000001-000000001", "00000000000000000001", "0000000003-000000001"}));
}

TEST_F(CatalogueTest, AShortOrBadRuleLineStopsTheLoad) {
  for (const std::string& line : {std::string("0497"), "0497" + std::string(12, '.') + fnScramble("1x        ")}) {
    std::string error;
    EXPECT_FALSE(catalogue.Load(TGamesFile::Parse(fnHandMadeGamesFile() + "[Sect2]\r\n" + line + "\r\n"), error));
    EXPECT_NE(error.find("\"0497\" of game 0 is not a number"), std::string::npos) << error;
  }
}

// Only a cut right after the last header's line break leaves a file that
// reads as whole: it lacks no section and no game's rules.
TEST(CutGamesFile, IsRefusedWhereverItEnds) {
  const std::string whole = fnHandMadeGamesFile();
  const std::size_t lastLineAt = whole.rfind("[SectK]\r\n") + 9;
  for (std::size_t length = 0; length < whole.size(); ++length) {
    TCatalogue catalogue;
    std::string error;
    EXPECT_EQ(catalogue.Load(TGamesFile::Parse(whole.substr(0, length)), error), length == lastLineAt)
        << "cut after " << length << " bytes";
  }
}

TEST(Placeholders, OnlyTheFirstOfEachIsReplaced) {
  EXPECT_EQ(fnExpandPlaceholders("A&bout [Program]... [Program]"), "A&bout Tablerun 2002... [Program]");
  EXPECT_EQ(fnExpandPlaceholders("[Program_sw] has [GameNum_sw] games"), "Tablerun 2002 has 322 games");
}

TEST(DamagedGamesFile, IsRefusedWithAReasonNeverACrash) {
  struct TCase {
    std::string bytes;
    const char* reason;
  };
  for (const auto& [bytes, reason] : std::initializer_list<TCase>{
           {"", "holds no games"},
           {"[Sect1]\r\n" + fnScramble("005 0"), "line 1 of [Sect1]"},
           {"[Sect1]\r\n" + fnScramble("abc 000000Klondike"), "line 1 of [Sect1]"},
           {"[Sect1]\r\n" + fnScramble("005 000000Klondike") + "\r\n[SectS]\r\n", "[Sect2] is missing"},
           {"[Sect1]\r\n" + fnScramble("005 000000Klondike") + "\r\n[Sect2]\r\n[SectS]\r\n[SectO]\r\n[SectK]",
            "middle of a line"},
           {"[Sect1]\r\n" + fnScramble("005 000000Klondike") + "\r\n[Sect2]\r\n[SectS]\r\n" + fnScramble("x1") +
                "\r\n[SectO]\r\n[SectK]\r\n",
            "game group"}}) {
    TCatalogue catalogue;
    std::string error;
    EXPECT_FALSE(catalogue.Load(TGamesFile::Parse(bytes), error));
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace tablerun
