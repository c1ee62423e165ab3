// Which player names are taken, and what the player is told about the rest.
#include "records/player_names.h"

#include <gtest/gtest.h>

#include <string>

namespace tablerun {
namespace {

TEST(PlayerNames, AcceptedAndRefusedNames) {
  const struct {
    std::string name;
    TNameProblem problem;
  } cases[] = {
      {"Ann", TNameProblem::None},
      {"Mary Ann O'Neil", TNameProblem::None},
      {"J.R", TNameProblem::None},
      {std::string(30, 'x'), TNameProblem::None},
      {"", TNameProblem::Empty},
      {"A/B", TNameProblem::ForbiddenCharacter},
      {"Ann|Bob", TNameProblem::ForbiddenCharacter},
      {"C:\\x", TNameProblem::ForbiddenCharacter},
      {".", TNameProblem::NotAFileName},
      {"..", TNameProblem::NotAFileName},
      {" Ann", TNameProblem::NotAFileName},
      {"Ann ", TNameProblem::NotAFileName},
      {"Ann.", TNameProblem::NotAFileName},
      {"An\tn", TNameProblem::NotAFileName},
      {std::string("A\0n", 3), TNameProblem::NotAFileName},
      {std::string(31, 'x'), TNameProblem::TooLong},
  };
  for (const auto& c : cases) EXPECT_EQ(fnCheckPlayerName(c.name), c.problem) << '"' << c.name << '"';
}

TEST(PlayerNames, MessagesNameTheProblem) {
  EXPECT_EQ(fnNameProblemMessage(TNameProblem::ForbiddenCharacter),
            "A Player name cannot contain any of the following characters: \\ / : * ? \" < > |");
  EXPECT_EQ(fnNameProblemMessage(TNameProblem::Empty), "Please enter at least 1 character.");
  EXPECT_TRUE(fnNameProblemMessage(TNameProblem::None).empty());
  EXPECT_FALSE(fnNameProblemMessage(TNameProblem::TooLong).empty());
}

}  // namespace
}  // namespace tablerun
