// Random play over every built-in game, in-process so that the sanitizers
// watch the whole engine: cards kept, undo, redo and saved games exact.
#include "engine/session/soak.h"

#include <gtest/gtest.h>

#include "support/built_in_games.h"

namespace tablerun {
namespace {

TEST(Soak, EveryBuiltInGamePlaysConsistently) {
  const TCatalogue& catalogue = testing::BuiltInCatalogue();
  ASSERT_FALSE(catalogue.Entries().empty());
  for (const auto& entry : catalogue.Entries()) {
    const TSoakReport report = fnSoakGame(catalogue, entry.code, {.deals = 2, .moves = 120, .seed = 3});
    EXPECT_EQ(report.deals, 2) << entry.name;
    EXPECT_GT(report.moves, 0) << entry.name;
    for (const std::string& failure : report.failures) ADD_FAILURE() << entry.name << ": " << failure;
  }
}

}  // namespace
}  // namespace tablerun
