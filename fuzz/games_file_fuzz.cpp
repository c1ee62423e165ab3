// Any bytes as the games list and as the custom games file: reading the
// catalogue, loading every game's rules and laying custom rule texts over them
// must never crash.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "model/catalogue.h"
#include "model/rule_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tablerun::TPosixFileSystem fs;
  const std::string folder = tablerun::fuzzing::fnScratchFolder();
  tablerun::fuzzing::fnStoreBytes(folder + "GAM_CUST.DAT", bytes);
  tablerun::TCustomGames custom(fs, folder);
  tablerun::fuzzing::TSilentScreen screen;

  tablerun::TCatalogue catalogue;
  std::string error;
  if (!catalogue.Load(tablerun::TGamesFile::Parse(bytes), error)) return 0;
  tablerun::TGameRules rules;
  for (const auto& entry : catalogue.Entries()) {
    tablerun::fnLoadRuleRecord(rules, catalogue, custom, entry.code, error);
    catalogue.CanBeShown(entry.code, 640, screen, custom);
  }
  for (const auto& game : custom.All()) {
    tablerun::fnLoadRuleRecord(rules, catalogue, custom, game.code, error);
    tablerun::fnOverlayRuleText(rules, game.ruleText);
  }
  tablerun::fnReadTwoSlotsOfEveryGame(catalogue, 497, 498);
  tablerun::fnReadSlotsOfGame(catalogue, custom, 8000, {1, 2, 3, -1, 375, 500, 0, 502, 503});
  catalogue.AllNamesSorted(custom);
  return 0;
}
