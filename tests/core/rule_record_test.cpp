#include "model/rule_record.h"

#include <gtest/gtest.h>

#include "support/games_fixture.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

// A custom games file: the header line and 30-line blocks.
std::string fnCustomFile(const std::vector<std::pair<std::string, std::string>>& blocks) {
  std::string bytes = "[R-0301]\r\n";
  for (const auto& [head, ruleText] : blocks) bytes += head + "\r\n" + ruleText + "\r\n" + std::string(28, '\n');
  return bytes;
}

std::string fnHead(const std::string& code, const std::string& name, const std::string& base) {
  std::string padded = name;
  padded.resize(50, ' ');
  return code + padded + base;
}

class RuleRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string bytes = testing::fnCompileGames(
        {{"base.game",
          testing::fnFixtureGame(
              5, "Base",
              "tableau direction: 0*4\ntableau build: 3*4\nfoundation direction: 1*4\nfoundation base: 1*4\n"
              "tableau empty: 13*4\ncards per turn: 1\ndeals: 1\n")}});
    std::string message;
    ASSERT_TRUE(catalogue.Load(TGamesFile::Parse(bytes), message)) << message;
  }
  testing::TTempFolder folder;
  TPosixFileSystem fs;
  TCustomGames custom{fs, folder.Path()};
  TCatalogue catalogue;
  TGameRules rules;
  std::string error;
};

TEST_F(RuleRecordTest, ACustomGameLaysItsRuleTextOverItsBase) {
  // 3 per turn, unlimited deals, any card on empty piles, tableau down in colour, foundations up in suit.
  folder.Write("GAM_CUST.DAT", fnCustomFile({{fnHead("8001", "Mine", "0005"), "003-0120100300000"}}));
  ASSERT_TRUE(fnLoadRuleRecord(rules, catalogue, custom, 8001, error)) << error;
  EXPECT_EQ(rules.Get(rule::kCardsPerTurn), 3);
  EXPECT_EQ(rules.Get(rule::kDeals), -1);
  for (int pile = 0; pile < 4; ++pile) {
    EXPECT_EQ(rules.Get(rule::kTableauEmpty + pile), -1);
    EXPECT_EQ(rules.Get(rule::kTableauDirection + pile), 0);
    EXPECT_EQ(rules.Get(rule::kTableauBuild + pile), 1);
    EXPECT_EQ(rules.Get(rule::kFoundationDirection + pile), 1);
    EXPECT_EQ(rules.Get(rule::kFoundationBuild + pile), 0);
  }
  EXPECT_EQ(rules.Get(rule::kTableauEmpty + 4), 0);  // only the piles the game has
  EXPECT_EQ(rules.Get(rule::kTableauBuild + 4), 0);
}

TEST_F(RuleRecordTest, FieldsThatAreNotNumbersAreSkipped) {
  struct TCase {
    const char* ruleText;
    int perTurn, deals, empty, tableauBuild, foundationDirection;
  };
  for (const auto& [text, perTurn, deals, empty, tableauBuild, foundationDirection] :
       {TCase{"xx3-01", 1, 1, 13, 3, 1},          // per turn not a number: neither stock field
        TCase{"002abc9", 2, 1, 13, 3, 1},         // deals not a number; "9" leaves the empty piles
        TCase{"001001100xx004", 1, 1, 91, 3, 4},  // tableau build not a number; direction 4 is kept as is
        TCase{"00100230103", 1, 2, 0, 1, 1},      // a short text: build "03" (in colour) is same colour
        TCase{"", 1, 1, 13, 3, 1}}) {
    folder.Write("GAM_CUST.DAT", fnCustomFile({{fnHead("8001", "Mine", "0005"), text}}));
    ASSERT_TRUE(fnLoadRuleRecord(rules, catalogue, custom, 8001, error)) << error;
    EXPECT_EQ(rules.Get(rule::kCardsPerTurn), perTurn) << text;
    EXPECT_EQ(rules.Get(rule::kDeals), deals) << text;
    EXPECT_EQ(rules.Get(rule::kTableauEmpty), empty) << text;
    EXPECT_EQ(rules.Get(rule::kTableauBuild), tableauBuild) << text;
    EXPECT_EQ(rules.Get(rule::kFoundationDirection), foundationDirection) << text;
  }
}

TEST_F(RuleRecordTest, RestoreBringsBackWhatPlayLearned) {
  ASSERT_TRUE(fnLoadRuleRecord(rules, catalogue, custom, 5, error)) << error;
  EXPECT_TRUE(rules.IsLoaded());
  rules.Set(rule::kFoundationBase, 7);
  rules.Set(rule::kTableauEmpty, 6);
  rules.Set(rule::kCardsPerTurn, 9);
  rules.Restore();
  EXPECT_EQ(rules.Get(rule::kFoundationBase), 1);
  EXPECT_EQ(rules.Get(rule::kTableauEmpty), 13);
  EXPECT_EQ(rules.Get(rule::kCardsPerTurn), 9);  // only base ranks and empty-pile rules come back
}

TEST_F(RuleRecordTest, UnknownGamesAreRefused) {
  EXPECT_FALSE(fnLoadRuleRecord(rules, catalogue, custom, 6, error));
  EXPECT_FALSE(fnLoadRuleRecord(rules, catalogue, custom, 8001, error));  // no custom games file
  EXPECT_NE(error.find("8001"), std::string::npos);
}

TEST(CustomGamesFile, MalformedBlocksAreSkippedNeverACrash) {
  const std::string blocks = fnCustomFile({{fnHead("8000", "First", "0001"), "001-01"},
                                           {fnHead("80x1", "Bad code", "0001"), "001"},
                                           {fnHead("8002", "Bad base", "00y1"), "001"},
                                           {fnHead("8003", "first", "0002"), "003"}});
  const auto games = TCustomGames::Parse(blocks + "8004Short");
  ASSERT_EQ(games.size(), 4u);
  EXPECT_EQ(games[1].code, 8002);
  EXPECT_EQ(games[1].baseCode, -1);
  EXPECT_EQ(games[3].code, 8004);
  EXPECT_EQ(games[3].name, "Short");
  EXPECT_EQ(games[3].ruleText, "");
  for (const std::string& bytes : {std::string(), std::string("[R-0301]"), std::string("\n\n\n"), blocks.substr(0, 70)})
    EXPECT_NO_THROW(TCustomGames::Parse(bytes));

  testing::TTempFolder folder;
  TPosixFileSystem fs;
  TCustomGames custom(fs, folder.Path());
  EXPECT_EQ(custom.NewCode(), 8000);
  folder.Write("Gam_Cust.dat", blocks);
  EXPECT_EQ(custom.CodeOf(" FIRST "), 8003);  // the last matching block wins
  EXPECT_EQ(custom.NameOf(8000), "First");
  EXPECT_EQ(custom.NewCode(), 8001);
  EXPECT_EQ(custom.SortedByName().front().name, "Bad base");
}

}  // namespace
}  // namespace tablerun
