// The main window's play commands: each asks the play engine, then shows what changed.
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>

#include "choice/game_number_choice.h"
#include "choice/recent_games.h"
#include "dialogs/frm_game_won.h"
#include "engine/appearance/table_painting.h"
#include "engine/saved/saved_game.h"
#include "engine/session/command_states.h"
#include "model/main_game_entries.h"
#include "records/players.h"
#include "view/appearance.h"
#include "view/frm_main.h"
#include "view/full_screen.h"
#include "view/pause_screen.h"
#include "view/sound_player.h"
#include "view/status_panels.h"
#include "view/table_area.h"
#include "view/table_scroller.h"

namespace tablerun {
namespace {

constexpr const char* kFileFilter = "Tablerun Game (*.gam)";
constexpr const char* kOpenFilter = "Tablerun Game (*.gam *.GAM)";

}  // namespace

TLayoutMetrics TfrmMain::Metrics() const {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  TLayoutMetrics metrics;
  const QSize visible = scroller_->VisibleSize();
  metrics.tableWidth = visible.width();
  metrics.tableHeight = visible.height();
  metrics.top = VisibleToolbar()->isVisible() ? VisibleToolbar()->height() : 0;
  metrics.windowHeight = frameGeometry().height();
  metrics.frameHeight = frameGeometry().height() - height();
  metrics.screenWidth = screen.width();
  metrics.screenHeight = screen.height();
  metrics.shadowDepth = settings_.LayoutShadowDepth();
  return metrics;
}

void TfrmMain::FirstTimeInForeground() {
  if (startFullScreen_) ToggleFullScreen();
  // A hand-edited current player that cannot be used plays no game.
  KeepUsablePlayer("Player 1");
  FavoritesAtStart();
  // Until games are held at exit, the stored game is dealt.
  if (fnGameChosen(state_)) DealAndShow(true);
  // The dealt table shows before the sound system wakes up.
  table_->repaint();
  PlaySoundByName("Splash", settings_.SplashSound());
}

void TfrmMain::DealAndShow(bool otherGame, int numberMode) {
  if (IsPaused()) SetPause(false);
  TakeTurn();
  const TCurrentGame current = fnDealGame(session_, Metrics(), autoplaySwitch_, otherGame, numberMode);
  FollowCurrentGame(current);
  if (!current.started) return;
  scroller_->ScrollToTop();
  table_->DealTable(settings_.DealAnimation());
  fnDealShown(session_);
  table_->RedrawChangedPiles();
  FitScrollBar();
  UpdateCommands();
  // Kept once the deal shows, both lists in one rewrite of the preference store.
  if (state_.store) {
    TIniFile::TDeferredWrites once(*state_.store);
    if (fnRecordDealtGame(*state_.store, fnCurrentGameCode(state_.config))) FastSearchFollowsDeal();
    fnRecordGameNumber(*state_.store, state_.config.Read(cfg::kGameNumber));
  }
}

void TfrmMain::FollowCurrentGame(const TCurrentGame& current) {
  table_->SetBare(false);
  if (current.setUp && current.setUp->reloadCardImages) appearance_.LoadCardImages(false);
  commands_ = state_.rules.IsLoaded() ? fnGameCommands(state_.rules) : TGameCommands{};
  UpdateTitle();
  UpdateCommands();
  statusPanels_->Refresh();
}

void TfrmMain::mnuNewClick() {
  // After a win the "Game won" window stands instead of a new deal.
  if (fnLeaveGame(session_) != TLeaving::Left) return;
  PlaySoundByName("New", settings_.NewGameSound());
  DealAndShow(false);
}

void TfrmMain::mnuRestartGameClick() {
  if (IsPaused()) SetPause(false);
  if (!fnRestartGame(session_)) return;
  TableChanged();
}

QString TfrmMain::SaveFolder() const {
  QString folder = QString::fromStdString(settings_.SaveFolder());
  // A folder not made yet (a fresh account's documents) or removed since: the
  // nearest folder above it, never the folder the program was started from.
  while (!folder.isEmpty() && !QFileInfo(folder).isDir()) {
    const QString above = QFileInfo(QDir::cleanPath(folder)).path();
    folder = above == folder ? QString() : above;
  }
  return folder.isEmpty() ? QDir::homePath() : folder;
}

QString TfrmMain::ChooseFile(bool save, const QString& folder, const QString& name) {
  if (chooseFile_) return chooseFile_(save, folder, name);
  QFileDialog dialog(this);
  dialog.setObjectName(save ? "SaveDialog1" : "OpenDialog1");
  dialog.setDirectory(folder);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("gam");
    dialog.setNameFilter(kFileFilter);
    dialog.selectFile(name);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kOpenFilter);
  }
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                 : QString();
}

void TfrmMain::mnuSaveClick() {
  const QString path = ChooseFile(true, SaveFolder(), QString::fromStdString(settings_.SavedGameName()));
  if (path.isEmpty()) return;
  if (!fnSaveGameFile(state_, session_.executor, path.toStdString(), session_.clock.RecordedSeconds())) return;
  settings_.SetSaveFolder(QFileInfo(path).absolutePath().toStdString() + "/");
}

void TfrmMain::mnuLoadGameClick() {
  const QString path = ChooseFile(false, SaveFolder(), "");
  if (path.isEmpty()) return;
  if (IsPaused()) SetPause(false);
  const std::string player = fnCurrentPlayer(state_);
  const TCurrentGame current = fnLoadGame(session_, path.toStdString(), Metrics(), autoplaySwitch_);
  // A saved game's player that cannot be used leaves the game to the player who loaded it.
  KeepUsablePlayer(player);
  if (current.setUp || current.started) FollowCurrentGame(current);
  if (!current.started) return;
  settings_.SetSaveFolder(QFileInfo(path).absolutePath().toStdString() + "/");
  table_->RedrawTable();
  TableChanged();
  fnEndIfWon(session_);
}

void TfrmMain::mnuUndoClick() {
  if (session_.Undo()) TableChanged();
}

void TfrmMain::mnuRedoClick() {
  if (session_.Redo()) TableChanged();
}

void TfrmMain::mnuSnapshotPositionClick() {
  fnInsertBookmark(state_, session_.executor, QDir::tempPath().toStdString() + "/", session_.clock.RecordedSeconds());
  UpdateCommands();
}

void TfrmMain::mnuUndoToSnapshotClick() {
  if (fnGoToBookmarkCommand(session_)) TableChanged();
}

void TfrmMain::mnuPauseClick() { SetPause(Action("mnuPause")->isChecked()); }

bool TfrmMain::IsPaused() const { return pause_->IsPaused(); }

void TfrmMain::SetPause(bool on) {
  Action("mnuPause")->setChecked(on);
  if (on == IsPaused()) return;
  session_.clock.SetPaused(on);
  if (on) {
    pause_->Start();
  } else {
    pause_->Stop();
    table_->RedrawTable();
  }
}

void TfrmMain::mnuAutoPlayClick() {
  autoplaySwitch_ = Action("mnuAutoPlay")->isChecked();
  fnToggleAutoplay(session_, autoplaySwitch_);
  TableChanged();
  fnEndIfWon(session_);
}

void TfrmMain::mnuFullScreenClick() { ToggleFullScreen(); }

void TfrmMain::ToggleFullScreen() {
  const bool on = !fullScreen_->IsActive();
  Action("mnuFullScreen")->setChecked(on);
  menuBar()->setVisible(!on);
  statusBar()->setVisible(!on);
  toolbars_.restoreLarge->setVisible(on);
  toolbars_.restoreSmall->setVisible(on);
  if (on) {
    fullScreen_->Enter();
  } else {
    fullScreen_->Leave();
  }
  ArrangePanels();
  raise();
  activateWindow();
}

void TfrmMain::RelayoutWindow() {
  ArrangePanels();
  if (!table_ || fitting_ || !state_.rules.IsLoaded() || IsPaused()) return;
  table_->FinishFlights();
  fnLayOutGame(state_, Metrics());
  table_->RedrawTable();
  FitScrollBar();
}

void TfrmMain::FitScrollBar() {
  const bool allowed = fnVerticalScrollBarAllowed(state_);
  const int cardHeight = appearance_.Images().CardSize().height();
  fitting_ = true;
  if (scroller_->Fit(allowed, table_->LowestDrawn(), table_->RightmostDrawn(), cardHeight)) {
    // A bar took or gave back its room: the piles are placed for the new size.
    fnLayOutGame(state_, Metrics());
    table_->RedrawTable();
    scroller_->Fit(allowed, table_->LowestDrawn(), table_->RightmostDrawn(), cardHeight);
  }
  fitting_ = false;
}

void TfrmMain::Timer1Timer() {
  session_.clock.Tick();
  statusPanels_->Tick();
}

void TfrmMain::PlaySoundByName(const QString& name, bool enabled) { sounds_->PlaySoundByName(name, enabled); }

void TfrmMain::StopSound() { sounds_->StopSound(); }

void TfrmMain::ShowGameWonWindow() {
  // The window of a new hi-score comes first.
  if (newHiScoreRank_ >= 0) {
    gameWonWaiting_ = true;
    return;
  }
  TfrmGameWon window(library_, xpStyle_, this);
  const int chosen = window.exec();
  table_->FinishFlights();
  switch (chosen) {
    case TfrmGameWon::NewGame: mnuNewClick(); break;
    case TfrmGameWon::Restart: mnuRestartGameClick(); break;
    // The last kind of random game again.
    case TfrmGameWon::RandomGame:
      if (state_.mainGame.Get(entries::kRandomGameType) == kRandomFromFavorites) {
        mnuRandomFavoritesClick();
      } else {
        mnuRandomAllClick();
      }
      break;
    case TfrmGameWon::SelectNumber: mnuSelectClick(); break;
    default: break;
  }
}

void TfrmMain::TableChanged() {
  table_->RedrawChangedPiles();
  FitScrollBar();
  UpdateCommands();
  statusPanels_->Refresh();
}

void TfrmMain::UpdateCommands() {
  const TCommandStates states = fnCommandStates(state_, commands_, session_.executor.History(), IsPaused());
  Action("mnuNew")->setEnabled(states.newGame);
  Action("mnuRestartGame")->setEnabled(states.restart);
  Action("mnuSave")->setEnabled(states.save);
  Action("mnuUndo")->setEnabled(states.undo);
  Action("mnuRedo")->setEnabled(states.redo);
  Action("mnuSnapshotPosition")->setEnabled(states.insertBookmark);
  Action("mnuUndoToSnapshot")->setEnabled(states.goToBookmark);
  Action("mnuPause")->setEnabled(states.pause);
  Action("mnuQuitGame")->setEnabled(states.quitGame);
  QAction* autoplay = Action("mnuAutoPlay");
  autoplay->setEnabled(states.autoplay);
  autoplay->setChecked(autoplaySwitch_);
  // Two-players mode begins with a new game.
  Action("mnuStartTwoPlayersMode")->setEnabled(states.newGame);
  Action("mnuQuitTwoPlayersMode")->setEnabled(fnTwoPlayersModeOn(state_));
  Action("mnuSelect")->setEnabled(fnGameChosen(state_));
  Action("mnuAddFavorites")->setEnabled(fnGameChosen(state_));
}

}  // namespace tablerun
