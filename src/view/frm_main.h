// The main window: menu bar, toolbars with the time and score, table and
// status bar, and the play commands they dispatch.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>

#include "choice/chosen_game.h"
#include "engine/deal/game_setup.h"
#include "engine/session/play_commands.h"
#include "engine/session/play_session.h"
#include "engine/session/window_settings.h"
#include "engine/state/tablerun_state.h"
#include "view/main_toolbar.h"

class QLabel;
class QFrame;
class QMenu;

namespace tablerun {

class C_TFullScreen;
class C_TPauseScreen;
class C_TStatusPanels;
class C_TTableArea;
class C_TTableScroller;
class TAppearance;
class TfrmFastSearch;
class TImageLibrary;
class TQtScreen;
class TSoundPlayer;
class TfrmOpenGame;

class TfrmMain final : public QMainWindow {
  Q_OBJECT
 public:
  TfrmMain(TTablerunState& state, TPlaySession& session, TAppearance& appearance, const TImageLibrary& library,
           QWidget* parent = nullptr);
  ~TfrmMain() override;

  C_TTableArea* TableArea() const { return table_; }
  // Puts the window where the player left it (maximized on the first run).
  void RestorePlacement();
  // The core's screen shows the time, score, sounds and "Game won" here.
  void ConnectScreen(TQtScreen& screen);
  // The program is asked to end (SIGTERM, SIGINT): open boxes and menus give
  // their cautious answer, nothing more is asked, and the window closes as
  // soon as no automatic sequence runs, saving and recording as Exit does.
  void Terminate();

  // Asks for a saved game's path (save: where to write it); an empty answer cancels.
  using TFileChooser = std::function<QString(bool save, const QString& folder, const QString& name)>;
  void SetFileChooser(TFileChooser chooser) { chooseFile_ = std::move(chooser); }

  void UpdateTitle();
  void ShowTime(bool show, bool save);
  void ShowScore(bool show, bool save);
  void ArrangePanels();
  void RelayoutWindow();
  void SetPause(bool on);
  bool IsPaused() const;
  void ToggleFullScreen();
  void PlaySoundByName(const QString& name, bool enabled);
  // The play-area menu at a point of the table.
  void ShowMainPopup(int x, int y);
  void StopSound();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Any key press hides the panels beside the pointer; a minimised modal window
  // takes the program with it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  void mnuNewClick();
  void mnuRestartGameClick();
  void mnuSaveClick();
  void mnuLoadGameClick();
  void mnuUndoClick();
  void mnuRedoClick();
  void mnuSnapshotPositionClick();
  void mnuUndoToSnapshotClick();
  void mnuPauseClick();
  void mnuQuitGameClick();
  void mnuAutoPlayClick();
  void mnuFullScreenClick();
  void mnuEsciClick();
  void mnuAboutClick();
  void mnuPlayersClick();
  void mnuStartTwoPlayersModeClick();
  void mnuQuitTwoPlayersModeClick();
  void mnuHiScoresClick();
  void mnuStatisOverallClick();
  void mnuStatInternetSingleGameClick();
  void mnuSelectClick();
  void mnuRandomAllClick();
  void mnuOpenClick();
  void mnuGamesFastSearchClick();
  void mnuRandomFavoritesClick();
  void mnuAddFavoritesClick();
  void mnuOrganizeFavoriteClick();
  void Timer1Timer();
  void FirstTimeInForeground();
  void ShowGameWonWindow();

 private:
  // Statistics (frm_main_records.cpp).
  void GameRecorded(const TGameResult& result);
  void ShowNewHiScore();
  // Construction (frm_main.cpp).
  void BuildPanels();
  // Pop-up menus (frm_main_popups.cpp).
  void BuildToolbarMenus();
  void BuildMainPopup();
  // Two radio items; `choose` is told whether the first was picked.
  void AddRadioPair(QMenu& menu, const char* first, const char* second, const char* name,
                    void (TfrmMain::*choose)(bool));
  void SetToolbarFlat(bool flat);
  void KeepModalWindowsWithProgram(const QObject* watched);
  void SetToolbarStyle(bool xp);
  void ConnectCommand(const char* name, void (TfrmMain::*handler)());
  QFrame* BuildPanel(const char* panel, const char* caption, const char* label, QLabel*& value);
  void ShowToolbar(bool large);
  QToolBar* VisibleToolbar() const;
  void SavePlacement();
  bool AskToClose();
  void CloseWhenFree();

  // Commands (frm_main_commands.cpp).
  // Game `code` for the current player with a new number; false when the
  // player stayed with the game in progress.
  bool ChangeGame(int code);
  TLayoutMetrics Metrics() const;
  // Deals the current game and shows the deal; otherGame reads its rules afresh.
  // numberMode 2 draws a new game number; otherwise position 153 is dealt.
  void DealAndShow(bool otherGame, int numberMode = 2);
  // Choosing a deal (frm_main_choice.cpp). Every list, menu and dialog that
  // names a game starts it here; true when the game in progress was given up.
  bool StartChosenGame(const TChosenGame& chosen);
  // False when the player stayed with the game in progress or won it while leaving.
  bool PlayNumberedGame(int code, const std::string& number);
  // A game drawn at random of `kind`, remembered as the kind to repeat.
  bool PlayRandomGame(int code, int kind);
  // Opening a game (frm_main_open_game.cpp): the dialog lives as long as the window.
  TfrmOpenGame& OpenGameDialog();
  void RefreshOpenGameMarks(int code);
  // The fast-search window (frm_main_fast_search.cpp): the recent games
  // follow a deal, the lost games and the marks a recorded game.
  void FastSearchFollowsDeal();
  void FastSearchFollowsRecord();
  // The open-a-game dialog's "Show won and lost" box was switched.
  void FastSearchFollowsMarks();
  // Favourites (frm_main_favorites.cpp). Favourites kept by earlier releases are converted first.
  void FavoritesAtStart();
  void RebuildFavoritesMenu();
  // After either favourites dialog saved: the menu, the open-a-game dialog's list and the
  // fast-search window showing the favourites follow.
  void FavoritesChanged();
  void StartFavorite(const std::string& caption);
  // Players (frm_main_players.cpp). In two-players mode the next player takes the table.
  void TakeTurn();
  // A current player's name from a file that cannot be used gives way to `fallback`.
  void KeepUsablePlayer(const std::string& fallback);
  // A game became current (dealt or loaded): title, card images and commands follow.
  void FollowCurrentGame(const TCurrentGame& current);
  void TableChanged();
  // Shows or hides the vertical bar as the cards reach below the window.
  void FitScrollBar();
  void UpdateCommands();
  QString ChooseFile(bool save, const QString& folder, const QString& name);
  QString SaveFolder() const;
  QAction* Action(const char* name) const;

  TTablerunState& state_;
  TPlaySession& session_;
  TWindowSettings settings_;
  TAppearance& appearance_;
  const TImageLibrary& library_;
  C_TTableArea* table_ = nullptr;
  C_TTableScroller* scroller_ = nullptr;
  TToolbars toolbars_;
  QFrame* pnlTempo_ = nullptr;
  QFrame* pnlScore_ = nullptr;
  QLabel* lblTempo_ = nullptr;
  QLabel* lblScore_ = nullptr;
  QMenu* popTB_ = nullptr;
  QMenu* popMain_ = nullptr;
  C_TPauseScreen* pause_ = nullptr;
  C_TFullScreen* fullScreen_ = nullptr;
  C_TStatusPanels* statusPanels_ = nullptr;
  TSoundPlayer* sounds_ = nullptr;
  QTimer timer1_;
  TFileChooser chooseFile_;
  TGameCommands commands_;
  // The check mark of "Autoplay"; Autoplay plays when the game also allows it.
  bool autoplaySwitch_ = true;
  bool xpStyle_ = true;
  bool firstShow_ = true;
  bool terminating_ = false;
  TQtScreen* screen_ = nullptr;           // outlives the window
  TfrmFastSearch* fastSearch_ = nullptr;  // made at its first showing, kept for the run
  // The bar's coming or going resizes the view while the layout follows it.
  bool fitting_ = false;
  bool startFullScreen_ = false;
  // The rank of a result that made the hi-scores while its window is due or open.
  int newHiScoreRank_ = -1;
  bool gameWonWaiting_ = false;
  TfrmOpenGame* frmOpenGame_ = nullptr;
  // The current player while the open-a-game dialog shows, put back when it closes.
  std::string openGamePlayer_;
};

}  // namespace tablerun
