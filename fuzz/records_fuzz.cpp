// Any bytes as the statistics files of a data folder: recording a game over
// them, ranking the players and reading the tables must not crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "model/main_game_entries.h"
#include "records/game_recording.h"
#include "records/hi_score_file.h"
#include "records/overall_scores.h"
#include "records/records_of_state.h"
#include "records/statistics_records.h"

namespace {

using namespace tablerun;

constexpr std::string_view kFiles[] = {"STAT.DAT", "Stat_glo.dat", "Stat_scr.dat", "Stat_uni.dat", "Stat_log.dat"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string folder = fuzzing::fnScratchFolder();
  // The files' bytes in turn, each ended by a byte 0.
  for (const std::string_view name : kFiles) {
    const std::size_t end = std::min(input.find('\0'), input.size());
    fuzzing::fnStoreBytes(folder + std::string(name), input.substr(0, end));
    input.remove_prefix(std::min(end + 1, input.size()));
  }

  TPosixFileSystem fs;
  fuzzing::TSilentScreen screen;
  TTablerunState state(fs, screen);
  state.dataFolder = folder;
  state.config.Write(cfg::kGame, "0000");
  state.config.Write(cfg::kPlayer, "Ann");
  state.config.Write(cfg::kScoreKind, "01");
  state.config.Write(cfg::kScore, "10");
  state.config.Write(cfg::kGameNumber, "1");
  state.mainGame.Set(entries::kStatisticsEligible, 1);
  state.mainGame.Set(entries::kFreshNumber, 1);
  for (const bool won : {true, false})
    fnRecordFinishedGame(state, {.won = won, .eligible = true, .elapsedSeconds = 30, .end = {2026, 1, 2, 3, 4, 5}});

  TRecordsFolder files = fnRecordsFolder(state);
  const std::vector<TBuiltInGame> games{{0, "Klondike", -1, 52}, {1, "FreeCell", -1, 52}};
  fnRankPlayers(files, games, state.random, {});
  fnReadPlayerStatistics(files, "Ann");
  fnReadHiScoreTable(files, THiScoreFile::HiScores, "0000", "01", std::nullopt);
  return 0;
}
