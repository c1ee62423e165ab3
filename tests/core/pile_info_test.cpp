// What the status bar says about the pile under the pointer: the building
// sentences, dealt Klondike tables, the redeals and the optional hint file.
#include <gtest/gtest.h>

#include "engine/pointer/hit_test.h"
#include "engine/pointer/pile_info.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"
#include "support/played_game.h"
#include "support/temp_folder.h"

namespace tablerun::testing {
namespace {

constexpr int kKlondike = 0;
constexpr int kKlondikeByThrees = 176;

TEST(BuildRuleText, EveryRuleAndDirection) {
  struct TCase {
    int rule, direction, global;
    const char* text;
  };
  const TCase cases[] = {
      {0, 1, -1, "Build up in suit (ex. 2 [h] on Ace [h])"},
      {0, 0, -1, "Build down in suit (ex. 10 [s] on Jack [s])"},
      {0, 2, -1, "Build up or down in suit (ex. 10 [d] on 9 [d] or on Jack [d])"},
      {1, 1, -1, "Build up by the same color (ex. 2 [h] on Ace [h][d])"},
      {1, 0, -1, "Build down by the same color (ex. 10 [h] on Jack [h][d])"},
      {1, 2, -1, "Build up or down by the same color (ex. 10 [d] on 9 [d][h] or on Jack [d][h])"},
      {2, 1, -1, "Build up regardless of suit (ex. 2 [h] on Ace [h][c][d][s])"},
      {2, 0, -1, "Build down regardless of suit (ex. 10 [d] on Jack [h][c][d][s])"},
      {2, 2, -1, "Build up or down regardless of suit (ex. 10 [c] on 9 or on Jack [h][c][d][s])"},
      {3, 1, -1, "Build up in alternating colors (ex. 2 [s] on Ace [h][d])"},
      {3, 0, -1, "Build down in alternating colors (ex. 10 [d] on Jack [c][s])"},
      {3, 2, -1, "Build up or down in alternating colors (ex. 10 [h] on 9 [c][s] or on Jack [c][s])"},
      {4, 0, -1, "The top card is available for play to the foundations "},
      {4, 7, -1, "The top card is available for play to the foundations "},
      // The global rule wins over the pile's own.
      {0, 0, 3, "Build down in alternating colors (ex. 10 [d] on Jack [c][s])"},
      {3, 1, 4, "The top card is available for play to the foundations "},
      {2, 1, 21, ""},
      {21, 1, -1, ""},
      {-2, 1, -1, ""},
      // A direction without words gives no sentence rather than a wrong one.
      {0, 3, -1, ""},
      {0, -1, -1, ""},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(fnBuildRuleText(c.rule, c.direction, c.global), c.text)
        << "rule " << c.rule << ", direction " << c.direction << ", global " << c.global;
  }
}

struct TPoint {
  int x, y;
};

class PileInfoTest : public ::testing::Test {
 protected:
  explicit PileInfoTest(int code = kKlondike) : game(code, "1") {}

  TPoint On(TPileRef pile) const {
    const TPileGeometry geometry = fnPileGeometry(game.state);
    const TRect rect = geometry.CardRect(pile, std::max(geometry.View().Count(pile) - 1, 0));
    return {rect.left + 2, rect.top + 2};
  }
  TPileInfo Info(TPileRef pile, const THintFile& hints = {}) const {
    const TPoint at = On(pile);
    return fnPileInfo(game.state, at.x, at.y, hints);
  }

  TPlayedGame game;
};

TEST_F(PileInfoTest, DealtKlondikePiles) {
  ASSERT_TRUE(game.started);
  struct TCase {
    TPileRef pile;
    std::array<const char*, 4> panels;
  };
  const TCase cases[] = {
      {fnFila(0), {"Tableau", "7", "1 card", "Build down in alternating colors (ex. 10 [d] on Jack [c][s])"}},
      {fnFila(6), {"Tableau", "7", "7 cards", "Build down in alternating colors (ex. 10 [d] on Jack [c][s])"}},
      {fnDest(2), {"Foundation", "4", "0 cards", "Build up in suit (ex. 2 [h] on Ace [h])"}},
      {kMazzo, {"Stock", "1", "24 cards", "Click to turn up one card at a time to the waste"}},
      {kMazzoVis, {"Waste", "1", "0 cards", "The top card is available for play to the foundations or to the tableau"}},
  };
  for (const TCase& c : cases) {
    const TPileInfo info = Info(c.pile);
    SCOPED_TRACE(fnPileName(c.pile));
    EXPECT_TRUE(info.hit);
    for (std::size_t panel = 0; panel < c.panels.size(); ++panel) EXPECT_EQ(info.panels[panel], c.panels[panel]);
    EXPECT_EQ(info.panels[kPanelRedeals], "Unlimited redeals");
    EXPECT_EQ(info.cardCount, c.panels[kPanelCards]);
    EXPECT_EQ(info.stock, c.pile == kMazzo);
    EXPECT_EQ(info.hasCards, info.cardCount != std::string("0 cards"));
  }
}

TEST_F(PileInfoTest, EmptyStockWithUnlimitedRedealsOffersARedeal) {
  for (int press = 0; press < 24 && !game.state.table.Pile(kMazzo).empty(); ++press) game.session.executor.PressStock();
  ASSERT_TRUE(game.state.table.Pile(kMazzo).empty());
  const TPileInfo info = Info(kMazzo);
  EXPECT_EQ(info.panels[kPanelHint], "Click to redeal");
  EXPECT_EQ(info.panels[kPanelCards], "0 cards");
  EXPECT_EQ(info.panels[kPanelRedeals], "Unlimited redeals");
  EXPECT_EQ(info.redeals, "Unlimited");
  EXPECT_TRUE(info.stock);
  EXPECT_FALSE(info.hasCards);
}

TEST_F(PileInfoTest, CountedRedealsAndTheLastPass) {
  game.state.table.SetPile(kMazzo, "");
  struct TCase {
    int deals, passesMade;
    const char *panel, *pointer, *hint;
  };
  const TCase cases[] = {
      {3, 1, "0/2 redeals", "0/2", "Click to redeal"},
      {3, 2, "1/2 redeals", "1/2", "Click to redeal"},
      {3, 3, "2/2 redeals", "2/2", ""},
      {0, 1, "No redeal", "none", ""},
  };
  for (const TCase& c : cases) {
    game.state.rules.Set(rule::kDeals, static_cast<int16_t>(c.deals));
    game.state.mainGame.Set(entries::kRedealRound, static_cast<int16_t>(c.passesMade));
    const TPileInfo info = Info(kMazzo);
    SCOPED_TRACE(c.panel);
    EXPECT_EQ(info.panels[kPanelRedeals], c.panel);
    EXPECT_EQ(info.redeals, c.pointer);
    EXPECT_EQ(info.panels[kPanelHint], c.hint);
  }
}

TEST_F(PileInfoTest, BetweenPilesOnlyTheRedealsStay) {
  const TPoint stock = On(kMazzo);
  const TPileInfo info = fnPileInfo(game.state, stock.x, stock.y - 3, {});
  EXPECT_FALSE(info.hit);
  for (int panel = kPanelKind; panel < kPanelRedeals; ++panel)
    EXPECT_EQ(info.panels[static_cast<std::size_t>(panel)], "");
  EXPECT_EQ(info.panels[kPanelRedeals], "Unlimited redeals");
}

TEST_F(PileInfoTest, NoGameInProgressEmptiesAllButThePileCount) {
  game.state.runtime.SetFlag(TRuntimeFlag::GameInProgress, false);
  const TPileInfo info = Info(fnFila(3));
  EXPECT_TRUE(info.hit);
  EXPECT_EQ(info.panels, (std::array<std::string, kStatusPanelCount>{"", "7", "", "", ""}));
}

class KlondikeByThreesInfoTest : public PileInfoTest {
 protected:
  KlondikeByThreesInfoTest() : PileInfoTest(kKlondikeByThrees) {}
};

TEST_F(KlondikeByThreesInfoTest, StockTellsHowManyCardsTurn) {
  EXPECT_EQ(Info(kMazzo).panels[kPanelHint], "Click to turn up 3 cards at a time to the waste");
}

// The hint file as the program reads it: each line of section "Main" is
// key + "=" + text, every byte raised by the key's next character.
std::string Scrambled(std::string_view line) {
  constexpr std::string_view kKey = "Tablerun#Hints!";
  std::string bytes(line);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    bytes[i] = static_cast<char>((static_cast<unsigned char>(bytes[i]) + kKey[i % kKey.size()]) % 256);
  }
  return bytes;
}

std::string HintFile() {
  return "[Other]\r\n" + Scrambled("0000T002=From another section") + "\r\n[Main]\r\n" +
         Scrambled("0000T000=Any tableau pile") + "\r\n" + Scrambled("0000T003=Only the third pile") + "\r\n" +
         Scrambled("0001T000=Another game") + "\r\n" + Scrambled("0000S001") + "\r\n" +
         Scrambled("0000W001=Waste [h] hint") + "\r\n";
}

TEST_F(PileInfoTest, HintFileReplacesTheBuiltHintSpecificKeyFirst) {
  const THintFile hints = fnDecodeHintFile(HintFile());
  EXPECT_EQ(hints.size(), 4u);
  EXPECT_EQ(Info(fnFila(2), hints).panels[kPanelHint], "Only the third pile");
  EXPECT_EQ(Info(fnFila(1), hints).panels[kPanelHint], "Any tableau pile");
  EXPECT_EQ(Info(kMazzoVis, hints).panels[kPanelHint], "Waste [h] hint");
  // No key for the pile: the built hint stays.
  EXPECT_EQ(Info(kMazzo, hints).panels[kPanelHint], "Click to turn up one card at a time to the waste");
  EXPECT_EQ(Info(fnDest(0), hints).panels[kPanelHint], "Build up in suit (ex. 2 [h] on Ace [h])");
}

TEST(HintFile, ReadFromTheProgramFolderWhenThere) {
  TTempFolder folder;
  TPosixFileSystem fs;
  EXPECT_TRUE(fnReadHintFile(fs, folder.Path()).empty());
  folder.Write(kHintFileName, HintFile());
  const THintFile hints = fnReadHintFile(fs, folder.Path());
  ASSERT_EQ(hints.count("0000T003"), 1u);
  EXPECT_EQ(hints.at("0000T003"), "Only the third pile");
}

}  // namespace
}  // namespace tablerun::testing
