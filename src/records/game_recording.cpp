#include "records/game_recording.h"

#include "config/text.h"
#include "model/main_game_entries.h"
#include "records/fixed_fields.h"
#include "records/game_log_file.h"
#include "records/internet_counts.h"
#include "records/progression.h"
#include "records/records_of_state.h"
#include "records/statistics_records.h"

namespace tablerun {
namespace {

void fnAppendProgression(TRecordsFolder& folder, const std::string& player, int gameCode, const TGameResult& result) {
  const auto path = folder.ProgressionPath(player);
  if (!path) return;
  const std::string group = fnProgressionGroup({gameCode, result.end.year % 100, result.end.month, result.won});
  if (!folder.AppendBytes(*path, group)) folder.messages.ShowMessage(TMessageKind::Information, "Open error: " + *path);
}

void fnUpdateRecord(TTablerunState& state, TRecordsFolder& folder, const std::string& player, int gameCode, bool won,
                    std::int64_t score) {
  fnWriteStatistics(folder, gameCode, player, fnAfterGame(fnReadStatistics(folder, gameCode, player), won, score));
  const TConfigField counter = won ? cfg::kSessionWon : cfg::kSessionLost;
  const std::int64_t played = fnParseInteger(state.config.Read(counter)).value_or(0);
  state.config.Write(counter, fnFixedNumber(played + 1, counter.length));
}

TRecordedGame fnRecord(TTablerunState& state, const TGameResult& result) {
  const TConfigRecord& config = state.config;
  const std::string player = config.Read(cfg::kPlayer);
  TRecordsFolder folder = fnRecordsFolder(state);
  folder.EnsureFiles(player);
  if (!result.eligible) return {};

  const int gameCode = fnCurrentGameCode(config);
  const std::string scoreKind = config.Read(cfg::kScoreKind);
  const std::string scoreText = config.Read(cfg::kScore);
  const std::int64_t score = fnParseInteger(scoreText).value_or(0);
  fnAppendLogLine(folder, {.end = result.end,
                           .elapsedSeconds = result.elapsedSeconds,
                           .gameCode = gameCode,
                           .gameName = config.Read(cfg::kGameName),
                           .player = player,
                           .won = result.won,
                           .scoreKind = scoreKind,
                           .score = scoreText,
                           .gameNumber = config.Read(cfg::kGameNumber)});
  fnAppendProgression(folder, player, gameCode, result);
  fnUpdateRecord(state, folder, player, gameCode, result.won, score);

  const bool builtIn = gameCode >= 0 && gameCode < kFirstCustomCode;
  if (builtIn && state.mainGame.Get(entries::kFreshNumber) == 1)
    fnCountInternetGame(folder, gameCode, player, result.won, state.random);

  const int rank = fnEnterHiScoreResult(folder, THiScoreFile::HiScores, fnGameSection(gameCode), scoreKind,
                                        {.score = score,
                                         .seconds = result.elapsedSeconds,
                                         .date = fnLogDate(result.end),
                                         .timeOfDay = fnLogTime(result.end),
                                         .player = player,
                                         .tag = config.Read(cfg::kGameNumber),
                                         .won = result.won},
                                        fnHiScoreDefaults(state, gameCode, result.end));
  if (builtIn && score >= 0)
    fnUpdateBestScore(folder, gameCode, player, score, result.elapsedSeconds, false, state.random);
  return {rank};
}

}  // namespace

TRecordedGame fnRecordFinishedGame(TTablerunState& state, const TGameResult& result) {
  try {
    return fnRecord(state, result);
  } catch (const TFileOpenError& error) {
    // A file the player made unreadable: this game goes unrecorded, the program plays on.
    state.screen.ShowMessage(TMessageKind::Error, error.what());
    return {};
  }
}

}  // namespace tablerun
