// The main window's part in the statistics: every finished game is recorded,
// a result that made the hi-scores shows them, and the score windows open
// from the menu.
#include <QTimer>
#include <utility>

#include "config/text.h"
#include "records/game_recording.h"
#include "records/hi_score_window.h"
#include "records/ui/frm_hi_score.h"
#include "records/ui/frm_stat_internet_single_game.h"
#include "records/ui/frm_statis_overall.h"
#include "view/frm_main.h"

namespace tablerun {
namespace {

TfrmHiScore::TPlaySound fnWindowSounds(TfrmMain& window) {
  return [&window](const QString& name, bool enabled) { window.PlaySoundByName(name, enabled); };
}

}  // namespace

void TfrmMain::GameRecorded(const TGameResult& result) {
  const TRecordedGame recorded = fnRecordFinishedGame(state_, result);
  RefreshOpenGameMarks(static_cast<int>(fnParseInteger(state_.config.Read(cfg::kGame)).value_or(-1)));
  FastSearchFollowsRecord();
  if (recorded.hiScoreRank < 0 || !fnNewHiScoreWindowWanted(state_)) return;
  newHiScoreRank_ = recorded.hiScoreRank;
  // The game is still ending here: the window waits for the event loop.
  QTimer::singleShot(0, this, &TfrmMain::ShowNewHiScore);
}

void TfrmMain::ShowNewHiScore() {
  TfrmHiScore window(session_, library_, fnWindowSounds(*this), TfrmHiScore::TNewScore{newHiScoreRank_}, this);
  window.exec();
  newHiScoreRank_ = -1;
  if (std::exchange(gameWonWaiting_, false)) ShowGameWonWindow();
}

void TfrmMain::mnuHiScoresClick() {
  TfrmHiScore window(session_, library_, fnWindowSounds(*this), std::nullopt, this);
  window.exec();
}

void TfrmMain::mnuStatisOverallClick() {
  TfrmStatisOverall window(
      state_, [this](int code) { return ChangeGame(code); }, this);
  window.exec();
}

void TfrmMain::mnuStatInternetSingleGameClick() {
  TfrmStatInternetSingleGame window(
      state_, [this](int code) { return ChangeGame(code); }, this);
  if (window.HasCounts()) window.exec();
}

}  // namespace tablerun
