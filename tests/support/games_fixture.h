// Small games lists for tests, compiled from inline definitions.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/game_definitions.h"

namespace tablerun::testing {

// Rules every fixture game shares, so that each test states only what it is
// about; a rule in `extra` replaces the shared one.
inline std::string fnFixtureGame(int code, const std::string& name, const std::string& extra = "") {
  const std::string shared =
      "type: 5\ncards: 52\nfoundations: 4\ntableau piles: 4\ntableau deal: 13*4\n"
      "foundation capacity: 13\ntableau capacity: -1\n"
      "tableau layout: 1001\nfoundation layout: 1001\n"
      "game time: 1\ndifficulty: 1\nskill: 1\nchance of winning: 2\nreference won: 1\nreference played: 2\n";
  std::string text = "code: " + std::to_string(code) + "\nname: " + name + "\n";
  std::istringstream lines(shared);
  for (std::string line; std::getline(lines, line);) {
    const std::string key = line.substr(0, line.find(':') + 1);
    if (extra.find("\n" + key) == std::string::npos && extra.rfind(key, 0) != 0) text += line + "\n";
  }
  return text + extra;
}

// GAMES.DAT bytes for the given (file name, definition) pairs; fails the test on a compile error.
inline std::string fnCompileGames(const std::vector<std::pair<std::string, std::string>>& definitions) {
  TGamesCompiler compiler;
  for (const auto& [file, text] : definitions) compiler.Add(file, text);
  std::vector<std::string> errors;
  const bool compiled = compiler.Compile(errors);
  for (const auto& error : errors) ADD_FAILURE() << error;
  return compiled ? compiler.GamesFileBytes() : std::string();
}

}  // namespace tablerun::testing
