// The main window's part in the fast search: the window comes and goes with
// its command and follows the games dealt and recorded and the won and lost marks.
#include <QToolBar>

#include "choice/ui/frm_fast_search.h"
#include "choice/ui/frm_open_game.h"
#include "config/config_record.h"
#include "view/frm_main.h"
#include "view/table_area.h"

namespace tablerun {

void TfrmMain::mnuGamesFastSearchClick() {
  if (!fastSearch_) {
    fastSearch_ = new TfrmFastSearch(
        state_, library_, [this](const TChosenGame& chosen) { return StartChosenGame(chosen); }, this);
    connect(fastSearch_, &TfrmFastSearch::spacePressed, table_, &C_TTableArea::ClickStock);
  }
  if (fastSearch_->isVisible()) {
    fastSearch_->hide();
    return;
  }
  // Beside the tool bar, at the top of the table.
  const QWidget* table = centralWidget();
  fastSearch_->ShowAt(QPoint(VisibleToolbar()->mapToGlobal(QPoint(0, 0)).x(), table->mapToGlobal(QPoint(0, 0)).y()));
}

void TfrmMain::FastSearchFollowsDeal() {
  if (fastSearch_ && fastSearch_->isVisible() && fastSearch_->Kind() == TFastSearchKind::Recent) fastSearch_->Rebuild();
}

void TfrmMain::FastSearchFollowsRecord() {
  if (fastSearch_) fastSearch_->GameRecorded(fnCurrentGameCode(state_.config));
}

void TfrmMain::FastSearchFollowsMarks() {
  if (fastSearch_ && frmOpenGame_) fastSearch_->SetMarks(frmOpenGame_->ShowsWonLost());
}

}  // namespace tablerun
