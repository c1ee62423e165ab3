#include "records/hi_score_window.h"

#include "config/text.h"
#include "records/hi_score_file.h"
#include "records/records_of_state.h"
#include "records/statistics_records.h"

namespace tablerun {
namespace {

constexpr const char* kConfirmKey = "ConfirmEnterHiScores";

}  // namespace

THiScoreTable fnShownHiScoreTable(TTablerunState& state, int gameCode, const TDateTime& now) {
  TRecordsFolder folder = fnRecordsFolder(state);
  folder.EnsureFiles(state.config.Read(cfg::kPlayer));
  return fnReadHiScoreTable(folder, THiScoreFile::HiScores, fnGameSection(gameCode), state.config.Read(cfg::kScoreKind),
                            fnHiScoreDefaults(state, gameCode, now));
}

bool fnNewHiScoreWindowWanted(const TTablerunState& state) { return state.config.Read(cfg::kConfirmHiScores) != "N"; }

void fnStopNewHiScoreWindow(TTablerunState& state) {
  state.config.Write(cfg::kConfirmHiScores, "N");
  state.store->WriteString("Preference", kConfirmKey, "N");
}

std::string fnNewHiScoreCaption(std::string_view gameName) {
  return "Congratulations! Your score has made the \"" + fnTrim(gameName) + "\" Hi-Scores list!";
}

}  // namespace tablerun
