#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>

#include <filesystem>

#include "engine/start_up.h"
#include "engine/window_title.h"
#include "support/fake_clock.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"
#include "view/appearance.h"
#include "view/frm_main.h"
#include "view/table_area.h"

namespace tablerun {

class FrmMainTest : public QObject {
  Q_OBJECT

  struct TWorld {
    testing::TTempFolder program, home;
    TPosixFileSystem fs;
    testing::TRecordingScreen screen;
    TTablerunState state{fs, screen};
    testing::TFakeClock clock;
    TPlaySession session{state, clock};
    TImageLibrary library;
    TAppearance appearance{state, library};
    bool started = false;

    TWorld() {
      std::filesystem::copy_file(TABLERUN_BUILT_GAMES_FILE, program / "GAMES.DAT");
      TStartUpPlace place;
      place.programFolder = program.Path();
      place.userFolders.applicationData = home.Path();
      started = fnStartUp(state, place);
    }
    std::string Store() const { return home.Read("Tablerun/Cfg.dat"); }
  };

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

    QCOMPARE(window.statusBar()->findChildren<QLabel*>().size(), 6);
    QCOMPARE(window.TableArea()->Cloth(), QColor(0, 128, 0));
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
    QCOMPARE(enabled, (QStringList{"mnuAbout", "mnuEsci"}));
    auto* about = window.findChild<QAction*>("mnuAbout");
    QCOMPARE(about->text(), QString("A&bout Tablerun 2002..."));
    QCOMPARE(window.findChild<QAction*>("mnuNew")->shortcut(), QKeySequence("F2"));
    QVERIFY(!window.findChild<QMenu*>("mnuTwoPlayersMode")->menuAction()->isVisible());
  }

  void exitSavesPlacementAndChangedSettings() {
    TWorld world;
    QVERIFY(world.Store().find("User001=Player 1") != std::string::npos);
    {
      TfrmMain window(world.state, world.session, world.appearance, world.library);
      window.setGeometry(120, 90, 700, 500);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      world.state.config.Write(66, 1, "N");
      window.findChild<QAction*>("mnuEsci")->trigger();
      QVERIFY(!window.isVisible());
    }
    const std::string store = world.Store();
    QVERIFY(store.find("MainWindowState_Maximized=N\r\n") != std::string::npos);
    QVERIFY(store.find("MainWindowState_Width=700\r\n") != std::string::npos);
    QVERIFY(store.find("Show_Time=N\r\n") != std::string::npos);
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::FrmMainTest)
#include "frm_main_test.moc"
