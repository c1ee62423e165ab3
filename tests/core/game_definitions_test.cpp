#include "model/game_definitions.h"

#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/rule_record.h"
#include "support/built_in_games.h"
#include "support/games_fixture.h"

namespace tablerun {
namespace {

using testing::fnFixtureGame;

std::vector<std::string> fnErrors(const std::vector<std::pair<std::string, std::string>>& definitions) {
  TGamesCompiler compiler;
  for (const auto& [file, text] : definitions) compiler.Add(file, text);
  std::vector<std::string> errors;
  compiler.Compile(errors);
  return errors;
}

TEST(GameDefinitions, ValuesRepeatsLettersLayoutsAndVariants) {
  TGamesCompiler compiler;
  compiler.Add("plain.game", fnFixtureGame(0, "Plain",
                                           "# a comment\nfoundation base: 'Q'*2 1 -1  # trailing comment\n"
                                           "tableau layout: 2014\ngroups: selected children\n"));
  compiler.Add("variant.game",
               "based on: plain\ncode: 7\nname: Variant\nflags: wide-screen new\ntableau deal: 26 26\n"
               "tableau piles: 2\ntableau layout: 1002\n");
  std::vector<std::string> errors;
  ASSERT_TRUE(compiler.Compile(errors)) << errors.front();
  const auto& games = compiler.Games();
  ASSERT_EQ(games.size(), 2u);
  EXPECT_EQ(games[0].slots[55], 81);
  EXPECT_EQ(games[0].slots[56], 81);
  EXPECT_EQ(games[0].slots[57], 1);
  EXPECT_EQ(games[0].slots[58], -1);
  EXPECT_EQ(games[0].slots[367], 2);
  EXPECT_EQ(games[0].slots[366], 14);
  EXPECT_EQ(games[1].slots[55], 81);  // inherited
  EXPECT_EQ(games[1].slots[384], 0);  // an array is given whole
  EXPECT_TRUE(games[1].needsWideScreen);
  EXPECT_EQ(games[1].groups, (std::vector<std::string>{"selected", "children"}));
}

TEST(GameDefinitions, MistakesAreRefusedWithFileAndLine) {
  struct TCase {
    std::string extra;
    const char* message;
  };
  for (const auto& [extra, message] : std::initializer_list<TCase>{
           {"foundations: 17\n", "foundations is 17; it must lie in 0–16"},
           {"reserves: 13\n", "reserves is 13"},
           {"tableau faces: 1*5\n", "\"tableau faces\" sets pile 5, but the game has 4"},
           {"tableau deal: 1*41\n", "\"1*41\" is not a value"},
           {"stock deal: 1\n", "the deal places 53 cards, but the deck holds 52"},
           {"tableau layout: 1999\n", "the tableau layout 1999 is not one the table layout knows"},
           {"tableau layout: 12\n", "is a four-digit code"},
           {"foundation layout: 8001\n", "the foundation layout 8001"},
           {"cards: 50\n", "cards must be 52, 104, 156 or 208"},
           {"foundation capacity: 0\n", "\"foundation capacity\" must be at least 1"},
           {"tableau capacity: 0\n", "\"tableau capacity\" must be -1 (unlimited) or at least 1"},
           {"waste deal: 1 2\n", "\"waste deal\" takes 1 value, not 2"},
           {"deals: x\n", "\"x\" is not a value"},
           {"tableau fan: 1\n", "unknown rule \"tableau fan\""},
           {"deals: 1\ndeals: 2\n", "\"deals\" is given twice"},
           {"no colon here\n", "expected \"rule: value\""},
           {"flags: upside-down\n", "unknown flag"},
           {"reference won: 3\n", "more reference games won than played"},
           {"based on: nothing\n", "no game definition \"nothing\""}}) {
    const auto errors = fnErrors({{"g.game", fnFixtureGame(0, "G", extra)}});
    ASSERT_FALSE(errors.empty()) << extra;
    EXPECT_EQ(errors.front().rfind("g.game:", 0), 0u) << errors.front();
    EXPECT_NE(errors.front().find(message), std::string::npos) << errors.front();
  }
  const auto errors = fnErrors({{"g.game", "# first line\ncode: 1\n\nname: G\ncode: 2\n"}});
  EXPECT_EQ(errors.front(), "g.game:5: \"code\" is given twice");
}

TEST(GameDefinitions, GamesMustDifferAndCarryTheirFeatures) {
  auto errors = fnErrors({{"a.game", fnFixtureGame(3, "Same")}, {"b.game", fnFixtureGame(3, "same ")}});
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], "b.game: code 3 is also a.game's");
  EXPECT_EQ(errors[1], "b.game: name \"same\" is also a.game's");

  errors = fnErrors({{"a.game", "code: 1\nname: Bare\ntype: 5\ncards: 52\nstock deal: 52\n"}});  // no piles
  EXPECT_EQ(errors.size(), 6u);
  EXPECT_EQ(errors.front(), "a.game: \"game time\" is missing");

  errors = fnErrors({{"a.game", "based on: b\n"}, {"b.game", "based on: a\n"}});
  ASSERT_FALSE(errors.empty());
  EXPECT_NE(errors.front().find("is based on itself"), std::string::npos);
}

TEST(GameDefinitions, DealCountsFollowTheDealRules) {
  struct TCase {
    std::string extra;
    bool accepted;
  };
  for (const auto& [extra, accepted] : std::initializer_list<TCase>{
           {"tableau deal: 13 13 13 12\nfoundation starter: 93\n", true},  // an Ace on foundation 1
           {"tableau deal: 13 13 13 12\nextra foundation card: 1\n", true},
           {"tableau deal: 13 13 13 1001\nstock deal: 12\n", true},  // 1001: one chosen card
           {"tableau deal: 13 13 13 12\nfoundation start mode: 1\n", true},
           {"tableau deal: 13 13 13 12\nfoundation start mode: 2\n", false},  // four starters
           {"cards: 104\nstripped deck: 1\ntableau deal: 16*4\n", true},      // 104 − 2 × 20
           {"jokers in deck: 1\njokers: 2\nstock deal: 2\n", true},
           {"tableau deal: 1\ndeck arrangement: 9\n", true},  // filtered decks go unchecked
           {"tableau deal: 1\ndeal check: off\n", true}}) {
    const auto errors = fnErrors({{"g.game", fnFixtureGame(0, "G", extra)}});
    EXPECT_EQ(errors.empty(), accepted) << extra << (errors.empty() ? "" : errors.front());
  }
}

// What the compiler writes, the program reads back slot for slot.
TEST(GameDefinitions, TheBuiltInGamesSurviveTheRoundTrip) {
  const TGamesCompiler& compiler = testing::BuiltInDefinitions();
  const TCatalogue& catalogue = testing::BuiltInCatalogue();
  TPosixFileSystem fs;
  TCustomGames none(fs, "/nonexistent/");
  ASSERT_EQ(catalogue.Entries().size(), compiler.Games().size());
  for (const auto& game : compiler.Games()) {
    EXPECT_EQ(catalogue.NameOf(game.code, none), game.name);
    EXPECT_EQ(catalogue.TypeOf(game.code), game.type);
    TGameRules rules;
    testing::LoadBuiltInRules(rules, game.code);
    for (int slot = 1; slot < TGameRules::kSize; ++slot)
      EXPECT_EQ(rules.Get(TRuleSlot{slot}), game.slots[static_cast<std::size_t>(slot)])
          << game.name << " slot " << slot;
  }
}

}  // namespace
}  // namespace tablerun
