#include "records/statistics_operations.h"

#include <algorithm>

#include "config/text.h"
#include "records/fixed_fields.h"
#include "records/game_log_file.h"
#include "records/hi_score_file.h"
#include "records/internet_counts.h"
#include "records/overall_scores.h"
#include "records/player_names.h"
#include "records/records_of_state.h"
#include "records/statistics_records.h"

namespace tablerun {
namespace {

int fnCurrentGame(const TTablerunState& state) { return fnCurrentGameCode(state.config); }

std::string fnCurrentPlayer(const TTablerunState& state) { return state.config.Read(cfg::kPlayer); }

void fnRemoveProgressionFile(TRecordsFolder& folder, const std::string& player) {
  if (const auto path = folder.ProgressionPath(player); path && folder.fs.Exists(*path)) folder.fs.Remove(*path);
}

}  // namespace

TStatisticsView fnReadStatisticsView(TTablerunState& state, int gameCode, const std::string& player) {
  TRecordsFolder folder = fnRecordsFolder(state);
  folder.EnsureFiles(fnCurrentPlayer(state));
  TStatisticsView view{.statistics = fnReadStatistics(folder, gameCode, player)};
  if (fnTrimRight(player) == fnCurrentPlayer(state) && gameCode == fnCurrentGame(state)) {
    view.sessionWon = fnParseInteger(state.config.Read(cfg::kSessionWon)).value_or(0);
    view.sessionLost = fnParseInteger(state.config.Read(cfg::kSessionLost)).value_or(0);
  }
  return view;
}

void fnClearStatistics(TTablerunState& state, std::optional<int> game, const std::optional<std::string>& player) {
  TRecordsFolder folder = fnRecordsFolder(state);
  if (!game && !player) {
    folder.RemoveFile(records_file::kStatistics);
    folder.RemoveFile(records_file::kInternet);
    folder.RemoveFile(records_file::kLog);
    folder.EnsureFiles(fnCurrentPlayer(state));
  } else {
    const std::optional<std::string> name = player ? std::optional(fnTrimRight(*player)) : std::nullopt;
    fnZeroStatistics(folder, game, name);
    fnResetInternetCounts(folder, game.value_or(-1), name.value_or(""), state.random);
    fnRemoveLogLines(folder, game, name);
  }
  if (!game || !player || *game == fnCurrentGame(state)) fnResetSessionCounters(state.config);
}

void fnClearHiScores(TTablerunState& state, std::optional<int> game, const std::optional<std::string>& player,
                     const std::string& scoreKind) {
  TRecordsFolder folder = fnRecordsFolder(state);
  folder.EnsureFiles(fnCurrentPlayer(state));
  if (!game && !player) {
    fnClearHiScoreFile(folder, THiScoreFile::HiScores);
    folder.RemoveFile(records_file::kOverall);
    return;
  }
  const std::vector<TBuiltInGame> builtIn = fnBuiltInGames(state);
  std::vector<std::string> ranked;
  for (const TRankedPlayer& entry : fnRankPlayers(folder, builtIn, state.random, {}))
    ranked.push_back(fnLowerCase(fnTrimRight(entry.player)));

  std::vector<int> games;
  if (game) {
    games.push_back(*game);
  } else {
    for (const TBuiltInGame& each : builtIn) games.push_back(each.code);
  }
  for (const int code : games) {
    const auto forgetBest = [&](const std::string& owner) {
      if (code < kFirstCustomCode && std::find(ranked.begin(), ranked.end(), fnLowerCase(owner)) != ranked.end())
        fnUpdateBestScore(folder, code, owner, 0, 0, true, state.random);
    };
    fnRemoveHiScoreEntries(folder, fnGameSection(code), scoreKind, player.value_or(""), forgetBest);
  }
}

void fnClearSeriesScores(TTablerunState& state) {
  TRecordsFolder folder = fnRecordsFolder(state);
  fnClearHiScoreFile(folder, THiScoreFile::Series);
}

void fnClearAllValues(TTablerunState& state, const std::vector<std::string>& players) {
  fnClearStatistics(state, std::nullopt, std::nullopt);
  fnResetSessionCounters(state.config);
  fnClearHiScores(state, std::nullopt, std::nullopt, "01");
  fnClearSeriesScores(state);
  fnDeleteProgressionFiles(state, players);
}

void fnClearLog(TTablerunState& state) {
  TRecordsFolder folder = fnRecordsFolder(state);
  folder.RemoveFile(records_file::kLog);
  fnRemoveProgressionFile(folder, fnCurrentPlayer(state));
}

bool fnTrimLog(TTablerunState& state, int keep) {
  TRecordsFolder folder = fnRecordsFolder(state);
  if (!fnKeepLastLogLines(folder, keep, fnCurrentPlayer(state))) return false;
  state.screen.ShowMessage(TMessageKind::Information, "Log Statistics have been cleared.");
  return true;
}

void fnDeleteProgressionFiles(TTablerunState& state, const std::vector<std::string>& players) {
  TRecordsFolder folder = fnRecordsFolder(state);
  for (const std::string& player : players) fnRemoveProgressionFile(folder, player);
}

bool fnRenamePlayer(TTablerunState& state, const std::string& oldName, const std::string& newName,
                    const std::function<void(int linesDone)>& progress) {
  const std::string from = fnTrimRight(oldName);
  const std::string to = fnTrimRight(newName);
  if (fnCheckPlayerName(to) != TNameProblem::None) return false;
  TRecordsFolder folder = fnRecordsFolder(state);
  struct TRename {
    std::string_view file;
    int column;
    std::string oldForm, newForm;
  };
  const TRename renames[] = {
      {records_file::kStatistics, 1, from + "=", to + "="},
      {records_file::kOverall, 1, "[" + from + "]", "[" + to + "]"},
      {records_file::kInternet, 1, "[" + from + "]", "[" + to + "]"},
      {records_file::kLog, 82, fnPaddedText(from, 30), fnPaddedText(to, 30)},
      {records_file::kHiScores, 39, fnPaddedText(from, 30), fnPaddedText(to, 30)},
      {records_file::kSeriesScores, 39, fnPaddedText(from, 30), fnPaddedText(to, 30)},
  };
  if (progress) progress(0);
  bool whole = true;
  int linesBefore = 0;
  for (const TRename& rename : renames) {
    TSectionFile file = folder.Sections(rename.file);
    if (!folder.fs.Exists(file.Path())) continue;
    int linesHere = 0;
    whole = file.ReplaceInEveryLine(rename.column, rename.oldForm, rename.newForm, [&](int done) {
      linesHere = done;
      if (progress) progress(linesBefore + done);
    }) && whole;
    linesBefore += linesHere;
  }
  const auto oldPath = folder.ProgressionPath(from);
  const auto newPath = folder.ProgressionPath(to);
  if (oldPath && newPath && folder.fs.Exists(*oldPath) && !folder.fs.Rename(*oldPath, *newPath)) {
    state.screen.ShowMessage(TMessageKind::Information,
                             "Error in renaming the file: " + *oldPath + "\r" + "to:" + " " + *newPath);
    whole = false;
  }
  return whole;
}

}  // namespace tablerun
