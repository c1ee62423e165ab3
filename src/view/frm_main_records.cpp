// The main window's part in the statistics: every finished game is recorded.
#include "records/game_recording.h"
#include "view/frm_main.h"

namespace tablerun {

void TfrmMain::GameRecorded(const TGameResult& result) { fnRecordFinishedGame(state_, result); }

}  // namespace tablerun
