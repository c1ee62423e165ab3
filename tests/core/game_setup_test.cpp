#include "engine/deal/game_setup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/deal/card_size_fit.h"
#include "engine/deal/game_start.h"
#include "engine/state/table_view.h"
#include "support/game_state.h"

namespace tablerun {
namespace {

constexpr int kKlondike = 0;
constexpr int kSpider = 3;
constexpr const char* kMessages = "Show_Messages";

class GameSetup : public ::testing::Test {
 protected:
  testing::TGameState game;
  TTablerunState& state = game.state;

  TLayoutMetrics Screen(int width) const { return fnMaximisedWindowMetrics(width, width * 3 / 4, 'B', 9); }
  std::string Config(TConfigField field) const { return state.config.Read(field); }
  bool Advised(const char* key) const { return state.store->KeyExists(kMessages, key); }
};

TEST_F(GameSetup, CardSizeFitsTheScreen) {
  struct TCase {
    int width;
    int screenClass;
    const char* size;
    const char* fitted;
    const char* cardSet;
    const char* advice;  // "" for none
  };
  const std::vector<TCase> cases = {
      {640, 1, "B", "M", "003", "Msg_Cards_Medium_640x480"},
      {800, 2, "B", "M", "003", "Msg_Cards_Medium_800x600"},
      {1024, 2, "S", "B", "001", "Msg_Extra_Large_Cards"},
      {800, 1, "X", "B", "001", "Msg_Extra_Large_Cards"},
      {800, 1, "S", "B", "001", "Msg_Cards_Large"},
      {800, 0, "X", "S", "001", "Msg_Extra_Large_Cards"},
      {1024, 1, "X", "X", "005", ""},
      {640, 0, "B", "B", "005", ""},
  };
  for (const TCase& c : cases) {
    testing::TGameState fresh;
    fresh.screen.tickAdvisory = true;
    fresh.state.rules.Set(rule::kScreenClass, static_cast<int16_t>(c.screenClass));
    fresh.state.config.Write(cfg::kCardSize, c.size);
    fresh.state.config.Write(cfg::kCardSet, "005");
    fnFitCardSize(fresh.state, c.width);
    const std::string what = std::to_string(c.width) + " class " + std::to_string(c.screenClass) + " " + c.size;
    EXPECT_EQ(fresh.state.config.Read(cfg::kCardSize), c.fitted) << what;
    EXPECT_EQ(fresh.state.config.Read(cfg::kCardSet), c.cardSet) << what;
    const std::vector<std::string> keys = fresh.state.store->ReadKeys(kMessages);
    EXPECT_EQ(keys, std::string(c.advice).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.advice})
        << what;
  }
}

TEST_F(GameSetup, NarrowScreenPlaysMediumCardsAndSaysSoOncePerRun) {
  state.rules.Set(rule::kScreenClass, 1);
  state.config.Write(cfg::kGameName, "Klondike");
  fnFitCardSize(state, 640);
  fnFitCardSize(state, 640);
  EXPECT_EQ(Config(cfg::kCardSize), "M");
  EXPECT_EQ(Config(cfg::kCardSet), "003");
  EXPECT_EQ(Config(cfg::kSavedCardSize), "B");
  EXPECT_EQ(Config(cfg::kSavedCardSet), "001");
  ASSERT_EQ(game.screen.advisories.size(), 1u);
  EXPECT_EQ(game.screen.advisories.front(),
            "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution should "
            "be set to 800x600 pixels or higher. However, it's possible to play Klondike using a predefined cards "
            "set.");
}

TEST_F(GameSetup, NoAdviceWhenThePlayerTurnedItOff) {
  state.store->WriteString(kMessages, "Msg_Cards_Medium_640x480", "N");
  state.rules.Set(rule::kScreenClass, 1);
  fnFitCardSize(state, 640);
  EXPECT_EQ(Config(cfg::kCardSize), "M");
  EXPECT_TRUE(game.screen.advisories.empty());
}

TEST_F(GameSetup, OwnCardSizeComesBackWhenTheScreenAllows) {
  state.store->WriteString("Preference", "Customized_Cards_Set", "Mine");
  state.config.Write(cfg::kCustomCardSet, "Y");
  state.config.Write(cfg::kCardSet, "007");
  state.rules.Set(rule::kScreenClass, 1);
  EXPECT_FALSE(fnFitCardSize(state, 640));
  EXPECT_EQ(Config(cfg::kCustomCardSet), "N");
  EXPECT_EQ(state.store->ReadString("Preference", "Customized_Cards_Set_Old_Big", ""), "Mine");

  EXPECT_TRUE(fnFitCardSize(state, 1024));
  EXPECT_EQ(Config(cfg::kCardSize), "B");
  EXPECT_EQ(Config(cfg::kCardSet), "007");
  EXPECT_EQ(Config(cfg::kCustomCardSet), "Y");
  for (const TConfigField field :
       {cfg::kSavedCardSize, cfg::kSavedCardSet, cfg::kSavedCustomCardSet, cfg::kSavedAddOnCardSet}) {
    EXPECT_EQ(Config(field), "") << field.position;
  }
  EXPECT_EQ(state.store->ReadString("Preference", "Customized_Cards_Set", ""), "Mine");
  EXPECT_EQ(state.store->ReadString("Preference", "Customized_Cards_Set_Old_Big", "unset"), "");
}

TEST_F(GameSetup, LoadsTheRulesAndLaysTheTableOut) {
  game.ChooseGame(kKlondike);
  const TSetupResult result = fnSetUpGame(state, Screen(1024));
  ASSERT_TRUE(result.loaded);
  EXPECT_EQ(state.rules.Get(rule::kTableauPiles), 7);
  EXPECT_EQ(state.mainGame.Get(entries::kSetUp), -1);
  EXPECT_TRUE(result.commands.autoplay);
  EXPECT_TRUE(result.commands.tutor);
  EXPECT_TRUE(result.commands.undoAndSave);
  EXPECT_FALSE(state.mainGame.IsPileAbsent(fnFila(6)));
  EXPECT_TRUE(state.mainGame.IsPileAbsent(fnFila(7)));

  game.ChooseGame(kSpider);
  EXPECT_FALSE(fnSetUpGame(state, Screen(1024)).commands.autoplay);
}

TEST_F(GameSetup, AGameMissingFromTheListIsNotSetUp) {
  state.config.Write(cfg::kGame, "0999");
  EXPECT_FALSE(fnSetUpGame(state, Screen(1024)).loaded);
  EXPECT_FALSE(state.rules.IsLoaded());
  EXPECT_EQ(game.screen.messages.size(), 1u);
}

TEST_F(GameSetup, StartResetsTheGameAndDealsANewNumber) {
  game.ChooseGame(kKlondike);
  state.mainGame.Set(entries::kDealShown, 5);
  state.mainGame.Set(entries::kRedealRound, 3);
  state.config.Write(cfg::kScore, "120");
  state.config.Write(cfg::kLastWasUndo, "1");
  ASSERT_TRUE(fnStartGame(state, TGameStart{}, Screen(1024)).started);
  EXPECT_EQ(state.mainGame.Get(entries::kDealShown), 0);
  EXPECT_EQ(state.mainGame.Get(entries::kStatisticsEligible), -1);
  EXPECT_EQ(state.mainGame.Get(entries::kRedealRound), 1);
  EXPECT_EQ(state.mainGame.Get(entries::kFreshNumber), 1);
  EXPECT_EQ(Config(cfg::kScore), "0");
  EXPECT_EQ(Config(cfg::kLastWasUndo), "0");
  EXPECT_EQ(state.table.Pile(kMazzo).size(), 24u * 3);
  EXPECT_EQ(game.screen.repaints, 1);
}

TEST_F(GameSetup, ANewDealOfTheSameGameRestoresLearnedRules) {
  game.ChooseGame(kKlondike);
  const TGameStart sameNumber{.numberMode = 0};
  const TStartResult first = fnStartGame(state, sameNumber, Screen(1024));
  ASSERT_TRUE(first.started);
  EXPECT_TRUE(first.setUp.has_value());
  const std::string firstDeal = state.table.Pile(fnFila(6));
  state.rules.Set(rule::kTableauEmpty, 4);
  state.rules.Set(rule::kFoundationBase, 9);
  state.mainGame.Set(entries::kFreshNumber, 1);  // the number was drawn for the deal before
  const TStartResult again = fnStartGame(state, sameNumber, Screen(1024));
  ASSERT_TRUE(again.started);
  EXPECT_FALSE(again.setUp.has_value());
  EXPECT_EQ(state.rules.Get(rule::kTableauEmpty), 13);
  EXPECT_EQ(state.rules.Get(rule::kFoundationBase), 1);
  EXPECT_EQ(state.table.Pile(fnFila(6)), firstDeal);
  EXPECT_EQ(state.mainGame.Get(entries::kFreshNumber), 0);
}

TEST_F(GameSetup, KeepsTheTableWhenNotDealing) {
  game.ChooseGame(kKlondike);
  ASSERT_TRUE(fnStartGame(state, TGameStart{}, Screen(1024)).started);
  const std::string stock = state.table.Pile(kMazzo);
  const std::string number = Config(cfg::kGameNumber);
  ASSERT_TRUE(fnStartGame(state, TGameStart{.deal = false, .quiet = true}, Screen(1024)).started);
  EXPECT_EQ(state.table.Pile(kMazzo), stock);
  EXPECT_EQ(Config(cfg::kGameNumber), number);
  EXPECT_EQ(game.screen.repaints, 1);
  // A table kept (a loaded game) was not dealt with a newly drawn number.
  EXPECT_EQ(state.mainGame.Get(entries::kFreshNumber), 0);
}

TEST_F(GameSetup, AFailedDeckStartsNoGame) {
  game.ChooseGame(kKlondike);
  ASSERT_TRUE(fnSetUpGame(state, Screen(1024)).loaded);
  state.rules.Set(rule::kCards, 100);
  EXPECT_FALSE(fnStartGame(state, TGameStart{}, Screen(1024)).started);
  EXPECT_TRUE(state.table.Pile(kMazzo).empty());
}

}  // namespace
}  // namespace tablerun
