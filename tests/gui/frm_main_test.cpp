#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QtTest>

#include <signal.h>
#include <unistd.h>

#include <optional>

#include "engine/session/start_up.h"
#include "engine/session/window_title.h"
#include "support/window_world.h"
#include "view/appearance.h"
#include "view/frm_main.h"
#include "view/qt_screen.h"
#include "view/table_area.h"
#include "view/termination.h"

namespace tablerun {

class FrmMainTest : public QObject {
  Q_OBJECT

  using TWorld = testing::TWindowWorld;

 private slots:
  void showsTheTitleMenusStatusBarAndGreenTable() {
    TWorld world;
    QVERIFY(world.started);
    TfrmMain window(world.state, world.session, world.appearance, world.library);
    QVERIFY(window.windowTitle().startsWith("Tablerun 2002 10.2  ["));
    QCOMPARE(window.windowTitle(), QString::fromStdString(fnWindowTitle(world.state.config)));

    QStringList menus;
    for (QAction* action : window.menuBar()->actions()) menus << action->text();
    QCOMPARE(menus, (QStringList{"&File", "&Game", "S&eries", "&Statistics", "F&avorites", "&Tools", "&Help"}));

    QCOMPARE(window.statusBar()->findChildren<QFrame*>(QRegularExpression("^pnlStatus\\d$")).size(), 6);
    QCOMPARE(window.TableArea()->Cloth(), QColor(0, 128, 0));
  }

  void theTablesPointerFollowsTheCursorPreference() {
    struct TCase {
      const char* number;
      Qt::CursorShape shape;
    };
    for (const TCase& c : {TCase{"10", Qt::ArrowCursor}, TCase{"12", Qt::BitmapCursor}, TCase{"23", Qt::BitmapCursor},
                           TCase{"30", Qt::PointingHandCursor}, TCase{"99", Qt::ArrowCursor}}) {
      TWorld world;
      QString message;
      QVERIFY(world.library.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, message));
      world.state.config.Write(cfg::kCursor, c.number);
      TfrmMain window(world.state, world.session, world.appearance, world.library);
      QCOMPARE(window.TableArea()->cursor().shape(), c.shape);
    }
  }

  void onlyWorkingCommandsAreEnabled() {
    TWorld world;
    TfrmMain window(world.state, world.session, world.appearance, world.library);
    QStringList enabled;
    for (QAction* action : window.findChildren<QAction*>()) {
      if (action->objectName().startsWith("mnu") && !action->menu() && action->isEnabled() && !action->isSeparator())
        enabled << action->objectName();
    }
    enabled.sort();
    // Before a game is dealt only what needs no game in progress; a number
    // can be chosen for the game already chosen, and the game added to the favourites.
    QCOMPARE(enabled,
             (QStringList{"mnuAbout", "mnuAddFavorites", "mnuEsci", "mnuFullScreen", "mnuGamesFastSearch",
                          "mnuHiScores", "mnuOpen", "mnuOrganizeFavorite", "mnuPlayers", "mnuRandomAll",
                          "mnuRandomFavorites", "mnuSelect", "mnuStatInternetSingleGame", "mnuStatisOverall"}));
    auto* about = window.findChild<QAction*>("mnuAbout");
    QCOMPARE(about->text(), QString("A&bout Tablerun 2002..."));
    QCOMPARE(window.findChild<QAction*>("mnuNew")->shortcut(), QKeySequence("F2"));
    QVERIFY(window.findChild<QMenu*>("mnuTwoPlayersMode")->menuAction()->isVisible());
  }

  void aStoredPlacementIsFittedToTheScreen() {
    TWorld world;
    for (const auto& [key, value] : {std::pair{"MainWindowState_Left", "-90000"},
                                     {"MainWindowState_Top", "50"},
                                     {"MainWindowState_Width", "40000"},
                                     {"MainWindowState_Height", "2147483647"},
                                     {"MainWindowState_Maximized", "N"}}) {
      world.state.store->WriteString("Preference", key, value);
    }
    TfrmMain window(world.state, world.session, world.appearance, world.library);
    window.RestorePlacement();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(
        screen.contains(window.geometry()),
        qPrintable(QString("%1,%2 %3x%4").arg(window.x()).arg(window.y()).arg(window.width()).arg(window.height())));
  }

  void aTerminationSignalClosesAnOpenBoxAndEndsAsExitDoes() {
    TWorld world;
    world.state.store->WriteString("Preference", "ConfirmQuit", "Y");  // Exit would ask; an ending must not
    TQtScreen screen;
    TfrmMain window(world.state, world.session, world.appearance, world.library);
    window.ConnectScreen(screen);
    QVERIFY(fnTerminateOnSignals(window));
    window.setGeometry(120, 90, 700, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    bool boxWasOpen = false;
    std::optional<TMessageAnswer> answer;
    QTimer::singleShot(300, [&boxWasOpen] {
      boxWasOpen = QApplication::activeModalWidget() != nullptr;
      ::kill(::getpid(), SIGTERM);
    });
    QTimer::singleShot(
        0, [&] { answer = screen.ShowMessage(TMessageKind::Question, "Leave the game?", TMessageButtons::OkCancel); });
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    QVERIFY(boxWasOpen);
    QCOMPARE(answer, std::optional(TMessageAnswer::Cancel));
    QVERIFY(world.Store().find("MainWindowState_Maximized=N\r\n") != std::string::npos);
  }

  // A modal window minimised by the window manager must not leave the table
  // blocked on screen: the program goes with it and comes back with it.
  void aMinimisedModalWindowTakesTheProgramWithIt() {
    TWorld world;
    TfrmMain window(world.state, world.session, world.appearance, world.library);
    window.show();
    QDialog tool(&window);
    tool.show();
    tool.setWindowState(Qt::WindowMinimized);
    QVERIFY(!window.isMinimized());

    QDialog box(&window);
    box.setModal(true);
    box.show();
    box.setWindowState(Qt::WindowMinimized);
    QVERIFY(window.isMinimized());
    window.setWindowState(Qt::WindowNoState);
    QVERIFY(!box.isMinimized());
    QVERIFY(tool.isMinimized());
  }

  void exitSavesPlacementAndChangedSettings() {
    TWorld world;
    QVERIFY(world.Store().find("User001=Player 1") != std::string::npos);
    {
      TfrmMain window(world.state, world.session, world.appearance, world.library);
      window.setGeometry(120, 90, 800, 500);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      world.state.config.Write(cfg::kShowTime, "N");
      window.findChild<QAction*>("mnuEsci")->trigger();
      QVERIFY(!window.isVisible());
    }
    const std::string store = world.Store();
    QVERIFY(store.find("MainWindowState_Maximized=N\r\n") != std::string::npos);
    QVERIFY(store.find("MainWindowState_Width=800\r\n") != std::string::npos);
    QVERIFY(store.find("Show_Time=N\r\n") != std::string::npos);
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::FrmMainTest)
#include "frm_main_test.moc"
