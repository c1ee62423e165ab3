#include "tool/games_commands.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "config/data_folders.h"
#include "config/safe_replace.h"
#include "model/catalogue.h"
#include "model/game_definitions.h"
#include "model/rule_record.h"
#include "model/rule_slot_names.h"
#include "tool/console_screen.h"

namespace tablerun {
bool fnLoadGamesList(const std::string& gamesFile, TCatalogue& catalogue) {
  TPosixFileSystem fs;
  const auto bytes = fnReadWholeFile(fs, gamesFile);
  std::string error;
  if (!bytes)
    error = "cannot read " + gamesFile;
  else
    catalogue.Load(TGamesFile::Parse(*bytes), error);
  if (!error.empty()) std::fprintf(stderr, "%s\n", error.c_str());
  return error.empty();
}

bool fnLoadGameRules(const std::string& gamesFile, int code, TGameRules& rules) {
  TCatalogue catalogue;
  if (!fnLoadGamesList(gamesFile, catalogue)) return false;
  TPosixFileSystem fs;
  const TCustomGames none(fs, "/nonexistent/");  // the tool knows only built-in games
  std::string error;
  if (fnLoadRuleRecord(rules, catalogue, none, code, error)) return true;
  std::fprintf(stderr, "%s\n", error.c_str());
  return false;
}

std::string fnDefaultGamesFile() {
  std::error_code ignored;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ignored);
  return fnWithTrailingSlash(self.parent_path().string()) + kGamesFileName;
}

int fnGamesCompile(const std::string& folder, const std::string& output) {
  TPosixFileSystem fs;
  TGamesCompiler compiler;
  std::vector<std::string> files;
  for (const auto& name : fs.ListFolder(folder)) {
    if (name.ends_with(".game")) files.push_back(name);
  }
  std::sort(files.begin(), files.end());
  for (const auto& name : files)
    compiler.Add(name, fnReadWholeFile(fs, fnWithTrailingSlash(folder) + name).value_or(""));
  std::vector<std::string> errors;
  if (!compiler.Compile(errors)) {
    for (const auto& error : errors) std::fprintf(stderr, "%s%s\n", fnWithTrailingSlash(folder).c_str(), error.c_str());
    return 1;
  }
  TConsoleScreen screen;
  if (!fnReplaceFile(fs, screen, output, compiler.GamesFileBytes())) return 1;
  std::printf("%zu games compiled into %s\n", compiler.Games().size(), output.c_str());
  return 0;
}

int fnGamesList(const std::string& gamesFile) {
  TCatalogue catalogue;
  if (!fnLoadGamesList(gamesFile, catalogue)) return 1;
  for (const auto& entry : catalogue.Entries())
    std::printf("%03d\t%d\t%s\n", entry.code, entry.type, entry.name.c_str());
  return 0;
}

int fnGamesShow(int code, const std::string& gamesFile) {
  TCatalogue catalogue;
  TGameRules rules;
  if (!fnLoadGamesList(gamesFile, catalogue) || !fnLoadGameRules(gamesFile, code, rules)) return 1;
  std::printf("%03d %s\n", code, catalogue.Entries()[static_cast<std::size_t>(catalogue.Index(code))].name.c_str());
  for (int slot = 0; slot < TGameRules::kSize; ++slot) {
    if (rules.Get(TRuleSlot{slot}) != 0)
      std::printf("%3d\t%s\t%d\n", slot, fnRuleSlotLabel(slot).c_str(), rules.Get(TRuleSlot{slot}));
  }
  return 0;
}

}  // namespace tablerun
