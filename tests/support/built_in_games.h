// The rules of a built-in game, from the definitions in data/games compiled as
// the build compiles them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "config/file_system.h"
#include "model/catalogue.h"
#include "model/game_definitions.h"
#include "model/rule_record.h"

namespace tablerun::testing {

// Every definition of data/games, compiled once per test program.
inline const TGamesCompiler& BuiltInDefinitions() {
  static const TGamesCompiler compiled = [] {
    TGamesCompiler compiler;
    const std::filesystem::path folder = std::filesystem::path(TABLERUN_SOURCE_DIR) / "data/games";
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
      if (file.path().extension() != ".game") continue;
      std::stringstream text;
      text << std::ifstream(file.path()).rdbuf();
      compiler.Add(file.path().filename().string(), text.str());
    }
    std::vector<std::string> errors;
    if (!compiler.Compile(errors)) ADD_FAILURE() << errors.front();
    return compiler;
  }();
  return compiled;
}

// The games list the program would read.
inline const TCatalogue& BuiltInCatalogue() {
  static const TCatalogue catalogue = [] {
    TCatalogue loaded;
    std::string error;
    if (!loaded.Load(TGamesFile::Parse(BuiltInDefinitions().GamesFileBytes()), error)) ADD_FAILURE() << error;
    return loaded;
  }();
  return catalogue;
}

inline void LoadBuiltInRules(TGameRules& rules, int code) {
  TPosixFileSystem fs;
  const TCustomGames none(fs, "/nonexistent/");
  std::string error;
  if (!fnLoadRuleRecord(rules, BuiltInCatalogue(), none, code, error)) ADD_FAILURE() << error;
}

}  // namespace tablerun::testing
