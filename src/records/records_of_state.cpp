#include "records/records_of_state.h"

#include "model/main_game_entries.h"
#include "model/rule_record.h"
#include "model/rule_slots.h"

namespace tablerun {

TRecordsFolder fnRecordsFolder(TTablerunState& state) { return {state.fs, state.screen, state.dataFolder}; }

std::vector<TBuiltInGame> fnBuiltInGames(const TTablerunState& state) {
  const TCatalogue& catalogue = state.mainGame.Catalogue();
  std::vector<TBuiltInGame> games;
  for (const TCatalogueEntry& entry : catalogue.Entries()) {
    const auto slots =
        fnReadSlotsOfGame(catalogue, state.customGames, entry.code,
                          {rule::kPileDealAndMaxScore.index, rule::kCards.index, -1, -1, -1, -1, -1, -1, -1});
    games.push_back({entry.code, entry.name, slots[0], slots[1]});
  }
  return games;
}

std::optional<THiScoreDefaults> fnHiScoreDefaults(const TTablerunState& state, int gameCode, const TDateTime& now) {
  if (state.mainGame.Get(entries::kStatisticsOff) == 1 || state.mainGame.Get(entries::kStatisticsEligible) == 0)
    return std::nullopt;
  const auto slots =
      fnReadSlotsOfGame(state.mainGame.Catalogue(), state.customGames, gameCode,
                        {rule::kCards.index, rule::kPileDealAndMaxScore.index, -1, -1, -1, -1, -1, -1, -1});
  if (slots[0] == -99 || slots[1] == -99) return std::nullopt;
  return THiScoreDefaults{.cards = slots[0], .maxScore = slots[1], .now = now};
}

}  // namespace tablerun
