// Whole games won through pointer input, replaying solved scripts of pointer
// actions: every drop, click and stock press goes the way the window's would.
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/session/pointer_script.h"
#include "support/played_game.h"

namespace tablerun::testing {
namespace {

struct TSolvedDeal {
  int code;
  const char* number;
  const char* script;
};

class ScriptedWinTest : public ::testing::TestWithParam<TSolvedDeal> {};

TEST_P(ScriptedWinTest, EndsWonWithEveryCardScored) {
  const TSolvedDeal& deal = GetParam();
  TPlayedGame game(deal.code, deal.number);
  ASSERT_TRUE(game.started);
  std::ifstream script(std::string(TABLERUN_SOURCE_DIR) + "/tests/core/data/" + deal.script);
  ASSERT_TRUE(script.is_open());
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    ASSERT_TRUE(game.state.runtime.Flag(TRuntimeFlag::GameInProgress)) << "ended before line " << number;
    const TScriptStep step = fnPlayScriptLine(game.session, line);
    ASSERT_TRUE(step.understood) << "line " << number << ": " << step.error;
  }
  EXPECT_EQ(fnStoredScore(game.state), 208);
  EXPECT_FALSE(game.state.runtime.Flag(TRuntimeFlag::GameInProgress));
  ASSERT_EQ(game.results.size(), 1u);
  EXPECT_TRUE(game.results[0].won);
  EXPECT_TRUE(game.results[0].eligible);
  EXPECT_EQ(game.screen.winningAnimations, 1);
  EXPECT_EQ(game.screen.gameWonWindows, 1);
}

INSTANTIATE_TEST_SUITE_P(SolvedDeals, ScriptedWinTest,
                         ::testing::Values(TSolvedDeal{1, "1", "freecell_deal_1.moves"},
                                           TSolvedDeal{0, "1", "klondike_deal_1.moves"}));

}  // namespace
}  // namespace tablerun::testing
