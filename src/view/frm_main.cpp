#include "view/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QToolBar>

#include <initializer_list>

#include "engine/session/start_up.h"
#include "engine/session/window_placement.h"
#include "engine/session/window_title.h"
#include "pictures/image_library.h"
#include "view/full_screen.h"
#include "view/main_menu.h"
#include "view/pause_screen.h"
#include "view/qt_screen.h"
#include "view/sound_player.h"
#include "view/status_panels.h"
#include "view/table_area.h"
#include "view/table_scroller.h"

namespace tablerun {
namespace {

constexpr int kTickMilliseconds = 1000;

// The table's pointer: screen cursor numbers 11-15 and 20-25 are the library's
// pointers, 30 the system's hand; 10 and anything else the system's arrow.
QCursor fnTableCursor(const TImageLibrary& library, int number) {
  static constexpr const char* kPointers[] = {"CUR_ARROW1",      "CUR_ARROW2",     "CUR_RIGHT_HAND1",
                                              "CUR_RIGHT_HAND2", "CUR_LEFT_HAND1", "CUR_LEFT_HAND2"};
  if (number == 30) return QCursor(Qt::PointingHandCursor);
  const bool setA = number > 10 && number <= 15, setB = number >= 20 && number <= 25;
  QCursor cursor(Qt::ArrowCursor);
  if (setA || setB) library.LoadCursor(QString(kPointers[number % 10]) + (setA ? "A" : "B"), cursor);
  return cursor;
}

// Tool tips of the toolbars only while "Show_ToolTips" is on.
class TToolTipGate final : public QObject {
 public:
  TToolTipGate(const TWindowSettings& settings, QObject* parent) : QObject(parent), settings_(settings) {}
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == QEvent::ToolTip && !settings_.ShowToolTips();
  }

 private:
  const TWindowSettings& settings_;
};

}  // namespace

TfrmMain::TfrmMain(TTablerunState& state, TPlaySession& session, TAppearance& appearance, const TImageLibrary& library,
                   QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      session_(session),
      settings_(state),
      appearance_(appearance),
      library_(library) {
  setObjectName("frmMain");
  session_.endOfGame.SetResultRecorder([this](const TGameResult& result) { GameRecorded(result); });
  UpdateTitle();
  fnBuildMainMenu(*this);
  for (const char* name : {"mnuPause", "mnuAutoPlay", "mnuFullScreen"}) Action(name)->setCheckable(true);
  Action("mnuNew")->setStatusTip("Start a new game for the solitaire you are playing");
  using THandler = void (TfrmMain::*)();
  const std::pair<const char*, THandler> commands[] = {
      {"mnuNew", &TfrmMain::mnuNewClick},
      {"mnuRestartGame", &TfrmMain::mnuRestartGameClick},
      {"mnuSave", &TfrmMain::mnuSaveClick},
      {"mnuUndo", &TfrmMain::mnuUndoClick},
      {"mnuRedo", &TfrmMain::mnuRedoClick},
      {"mnuSnapshotPosition", &TfrmMain::mnuSnapshotPositionClick},
      {"mnuUndoToSnapshot", &TfrmMain::mnuUndoToSnapshotClick},
      {"mnuPause", &TfrmMain::mnuPauseClick},
      {"mnuQuitGame", &TfrmMain::mnuQuitGameClick},
      {"mnuAutoPlay", &TfrmMain::mnuAutoPlayClick},
      {"mnuFullScreen", &TfrmMain::mnuFullScreenClick},
      {"mnuEsci", &TfrmMain::mnuEsciClick},
      {"mnuAbout", &TfrmMain::mnuAboutClick},
      {"mnuPlayers", &TfrmMain::mnuPlayersClick},
      {"mnuStartTwoPlayersMode", &TfrmMain::mnuStartTwoPlayersModeClick},
      {"mnuQuitTwoPlayersMode", &TfrmMain::mnuQuitTwoPlayersModeClick},
      {"mnuHiScores", &TfrmMain::mnuHiScoresClick},
      {"mnuStatisOverall", &TfrmMain::mnuStatisOverallClick},
      {"mnuStatInternetSingleGame", &TfrmMain::mnuStatInternetSingleGameClick},
      {"mnuSelect", &TfrmMain::mnuSelectClick},
      {"mnuRandomAll", &TfrmMain::mnuRandomAllClick},
      {"mnuOpen", &TfrmMain::mnuOpenClick},
      {"mnuGamesFastSearch", &TfrmMain::mnuGamesFastSearchClick},
      {"mnuRandomFavorites", &TfrmMain::mnuRandomFavoritesClick},
      {"mnuAddFavorites", &TfrmMain::mnuAddFavoritesClick},
      {"mnuOrganizeFavorite", &TfrmMain::mnuOrganizeFavoriteClick},
  };
  for (const auto& [name, handler] : commands) ConnectCommand(name, handler);
  // Without the menu bar (full screen) the window answers the shortcuts itself.
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    if (!action->shortcut().isEmpty()) addAction(action);
  }

  xpStyle_ = settings_.XpToolbar();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  toolbars_ = fnBuildToolbars(*this, library_, xpStyle_, screen.width() < 650);
  for (QAction* restore : {toolbars_.restoreLarge, toolbars_.restoreSmall})
    connect(restore, &QAction::triggered, this, &TfrmMain::ToggleFullScreen);
  auto* gate = new TToolTipGate(settings_, this);
  for (QToolBar* bar : {toolbars_.large, toolbars_.small}) {
    for (QWidget* button : bar->findChildren<QWidget*>()) button->installEventFilter(gate);
  }
  BuildPanels();
  BuildToolbarMenus();
  ShowToolbar(settings_.LargeToolbar());
  SetToolbarFlat(settings_.FlatToolbar());
  findChild<QAction*>(xpStyle_ ? "popTBStyle1" : "popTBStyle2")->setChecked(true);
  BuildMainPopup();

  table_ = new C_TTableArea(this);
  table_->Attach(session_, appearance, library);
  if (const auto fixed = settings_.FixedCloth()) table_->SetCloth(fnColourFromStore(*fixed));
  scroller_ = new C_TTableScroller(*table_, this);
  setCentralWidget(scroller_);
  // Held cards take the pointer ten numbers on; the system arrow stays the arrow.
  const int cursor = settings_.TableCursor();
  table_->SetCursors(fnTableCursor(library_, cursor), fnTableCursor(library_, cursor == 10 ? 10 : cursor + 10));
  connect(scroller_, &C_TTableScroller::viewResized, this, &TfrmMain::RelayoutWindow);
  connect(table_, &C_TTableArea::tableChanged, this, &TfrmMain::TableChanged);
  connect(table_, &C_TTableArea::pointerMoved, this, [this](QPoint at) {
    statusPanels_->PointerMoved(at, table_->mapTo(this, at));
    if (session_.pointer.Picture().card != 0) scroller_->ScrollWhileDragging(at);
  });
  pause_ = new C_TPauseScreen(*scroller_->viewport(), library_, settings_.FadedPause());
  connect(pause_, &C_TPauseScreen::resumeRequested, this, [this] { SetPause(false); });
  fullScreen_ = new C_TFullScreen(*this);
  // Space presses the stock, as a click just inside it would.
  auto* clickStock = new QAction(this);
  clickStock->setObjectName("actClickStock");
  clickStock->setShortcut(Qt::Key_Space);
  connect(clickStock, &QAction::triggered, table_, &C_TTableArea::ClickStock);
  addAction(clickStock);
  sounds_ = new TSoundPlayer(state_.config, library_, this);
  statusPanels_ = new C_TStatusPanels(*this, state_, library_);
  qApp->installEventFilter(this);

  autoplaySwitch_ = fnRememberedAutoplaySwitch(state_, autoplaySwitch_);
  timer1_.setObjectName("Timer1");
  timer1_.setInterval(kTickMilliseconds);
  connect(&timer1_, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
  timer1_.start();
  UpdateCommands();
}

TfrmMain::~TfrmMain() = default;

QAction* TfrmMain::Action(const char* name) const { return findChild<QAction*>(name); }

void TfrmMain::ConnectCommand(const char* name, void (TfrmMain::*handler)()) {
  if (auto* action = Action(name)) {
    action->setEnabled(true);
    // A command never lands in the middle of a move: the cards in flight land first.
    connect(action, &QAction::triggered, this, [this, handler] {
      if (table_) table_->FinishFlights();
      (this->*handler)();
    });
  }
}

void TfrmMain::ConnectScreen(TQtScreen& screen) {
  screen_ = &screen;
  screen.SetParentWindow(this);
  screen.SetScoreLabels(lblScore_, lblTempo_);
  screen.SetSoundPlayer(sounds_);
  // After the winning move has returned, so that a new deal does not start inside it.
  screen.SetGameWonHandler([this] { QTimer::singleShot(0, this, &TfrmMain::ShowGameWonWindow); });
  screen.SetMainPopupHandler([this](int x, int y) { ShowMainPopup(x, y); });
}

QFrame* TfrmMain::BuildPanel(const char* panel, const char* caption, const char* label, QLabel*& value) {
  auto* frame = new QFrame(this);
  frame->setObjectName(panel);
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* layout = new QHBoxLayout(frame);
  layout->setContentsMargins(4, 0, 4, 0);
  auto* title = new QLabel(caption, frame);
  title->setObjectName(QString(label) + "2");
  value = new QLabel(frame);
  value->setObjectName(label);
  value->setMinimumWidth(48);
  value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  layout->addWidget(title);
  layout->addWidget(value);
  return frame;
}

void TfrmMain::BuildPanels() {
  pnlTempo_ = BuildPanel("pnlTempo", "Time:", "lblTempo", lblTempo_);
  pnlScore_ = BuildPanel("pnlScore", "Score:", "lblScore", lblScore_);
  lblTempo_->setText("0:00:00");
  lblScore_->setText("0");
  // The clock's tick repaints its own text only: the panels are opaque, and
  // the time's label is as wide as the widest time, so it never resizes.
  for (QWidget* opaque : std::initializer_list<QWidget*>{pnlTempo_, pnlScore_, lblTempo_, lblScore_}) {
    opaque->setAutoFillBackground(true);
  }
  lblTempo_->setFixedWidth(lblTempo_->fontMetrics().horizontalAdvance("00:00:00") + 2);
  const auto hideMenu = [this](QFrame* panel, const char* name, const char* caption, bool time) {
    auto* menu = new QMenu(panel);
    menu->setObjectName(name);
    menu->addAction(caption, this, [this, time] { time ? ShowTime(false, true) : ShowScore(false, true); });
    connect(panel, &QWidget::customContextMenuRequested, menu,
            [menu, panel](const QPoint& at) { menu->popup(panel->mapToGlobal(at)); });
  };
  hideMenu(pnlTempo_, "popTime", "&Hide", true);
  hideMenu(pnlScore_, "popScore", "Hide", false);
  pnlTempo_->setVisible(settings_.ShowTime());
  pnlScore_->setVisible(settings_.ShowScore());
}

void TfrmMain::ShowToolbar(bool large) {
  toolbars_.large->setVisible(large);
  toolbars_.small->setVisible(!large);
  findChild<QAction*>(large ? "popTBSize1" : "popTBSize2")->setChecked(true);
  const int height = large ? 24 : 20;
  for (QFrame* panel : {pnlTempo_, pnlScore_}) panel->setFixedHeight(height);
  if (!firstShow_) settings_.SetLargeToolbar(large);
  ArrangePanels();
}

QToolBar* TfrmMain::VisibleToolbar() const {
  return toolbars_.large->isVisibleTo(this) ? toolbars_.large : toolbars_.small;
}

void TfrmMain::ShowTime(bool show, bool save) {
  pnlTempo_->setVisible(show);
  if (save) settings_.SetShowTime(show);
  ArrangePanels();
}

void TfrmMain::ShowScore(bool show, bool save) {
  pnlScore_->setVisible(show);
  if (save) settings_.SetShowScore(show);
  ArrangePanels();
}

void TfrmMain::ArrangePanels() {
  if (!pnlTempo_ || !pnlScore_) return;
  QToolBar* bar = VisibleToolbar();
  int right = width() - 15;
  QAction* restore = bar == toolbars_.large ? toolbars_.restoreLarge : toolbars_.restoreSmall;
  if (fullScreen_ && fullScreen_->IsActive()) right = bar->geometry().left() + bar->actionGeometry(restore).left() - 5;
  const auto place = [bar, &right](QFrame* panel) {
    panel->adjustSize();
    const int y = bar->geometry().top() + (bar->height() - panel->height()) / 2;
    panel->move(right - panel->width(), y);
    panel->raise();
    right -= panel->width() + 5;
  };
  if (pnlTempo_->isVisibleTo(this)) place(pnlTempo_);
  if (pnlScore_->isVisibleTo(this)) place(pnlScore_);
  // The panels never cover a button: the window keeps room for both.
  const QString exitName = bar == toolbars_.large ? "tbExit_Large" : "tbExit_Small";
  if (const auto* exit = bar->findChild<QWidget*>(exitName); exit && !(fullScreen_ && fullScreen_->IsActive())) {
    const int buttons = bar->geometry().left() + exit->geometry().right() + 5;
    const int needed = buttons + (width() - right);
    const QScreen* screen = this->screen();
    setMinimumWidth(screen ? std::min(needed, screen->availableGeometry().width()) : needed);
  }
}

void TfrmMain::UpdateTitle() {
  const QString title = QString::fromStdString(fnWindowTitle(state_.config));
  if (windowTitle() != title) setWindowTitle(title);
}

void TfrmMain::RestorePlacement() {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const TStoredWindow stored =
      fnReadStoredWindow(*state_.store, {screen.left(), screen.top(), screen.width(), screen.height()});
  const TWindowPlacement& placed = stored.placement;
  setGeometry(placed.left, placed.top, placed.width, placed.height);
  if (stored.maximized) setWindowState(Qt::WindowMaximized);
  startFullScreen_ = stored.fullScreen;
}

void TfrmMain::SavePlacement() {
  const bool full = fullScreen_->IsActive();
  const QRect placed = full ? fullScreen_->RestoredGeometry() : normalGeometry();
  fnStoreWindow(*state_.store, {.placement = {placed.left(), placed.top(), placed.width(), placed.height()},
                                .maximized = full ? fullScreen_->RestoresMaximized() : isMaximized(),
                                .fullScreen = full});
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!firstShow_) return;
  firstShow_ = false;
  QTimer::singleShot(0, this, &TfrmMain::FirstTimeInForeground);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ArrangePanels();
}

bool TfrmMain::AskToClose() {
  TRuntime& runtime = state_.runtime;
  // A running automatic sequence is only stopped.
  if (runtime.Flag(TRuntimeFlag::Busy)) {
    runtime.SetFlag(TRuntimeFlag::StopRequest, true);
    return false;
  }
  SavePlacement();
  // During the winning animation the close waits for its end.
  if (runtime.Flag(TRuntimeFlag::WinningAnimation)) return session_.endOfGame.CloseRequested();
  if (!terminating_ && settings_.ConfirmQuit() &&
      state_.screen.ShowMessage(TMessageKind::Question, "Exit Tablerun 2002?", TMessageButtons::OkCancel) !=
          TMessageAnswer::Ok) {
    return false;
  }
  session_.endOfGame.CloseRequested();
  return true;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) statusPanels_->HidePointerPanels();
  if (event->type() == QEvent::WindowStateChange) KeepModalWindowsWithProgram(watched);
  return QMainWindow::eventFilter(watched, event);
}

// Some window managers give every dialog a minimise button whatever it asks
// for. A minimised modal window would leave the table blocked with nothing to
// answer, so the whole program goes to the task bar with it and comes back
// with it.
void TfrmMain::KeepModalWindowsWithProgram(const QObject* watched) {
  if (watched == this) {
    if (isMinimized()) return;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window != this && window->isModal() && window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    return;
  }
  const auto* window = qobject_cast<const QWidget*>(watched);
  if (window && window->isWindow() && window->isModal() && window->isMinimized() && !isMinimized()) showMinimized();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  table_->FinishFlights();
  if (!AskToClose()) {
    event->ignore();
    return;
  }
  if (IsPaused()) SetPause(false);
  StopSound();
  timer1_.stop();
  fnRememberAutoplaySwitch(state_, autoplaySwitch_);
  fnSaveSettings(state_);
  event->accept();
}

void TfrmMain::mnuEsciClick() { close(); }

void TfrmMain::Terminate() {
  terminating_ = true;
  if (screen_) screen_->Silence();
  // The code that opened a box or menu goes on with its cautious answer and returns to the event loop.
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) dialog->reject();
  }
  QTimer::singleShot(0, this, &TfrmMain::CloseWhenFree);
}

void TfrmMain::CloseWhenFree() {
  constexpr int kRetryMilliseconds = 50;
  // An automatic sequence or the winning animation is told to stop first.
  if (isVisible() && !close()) QTimer::singleShot(kRetryMilliseconds, this, &TfrmMain::CloseWhenFree);
}

void TfrmMain::mnuAboutClick() {
  QMessageBox about(
      QMessageBox::NoIcon, "About Tablerun 2002",
      QString("<b>Tablerun 2002</b><p>Version %1</p><p>Patience card games for one player.</p>").arg(TABLERUN_VERSION),
      QMessageBox::Ok, this);
  about.setIconPixmap(windowIcon().pixmap(64, 64));
  fnPrepareMessageBox(about);
  about.exec();
}

}  // namespace tablerun
