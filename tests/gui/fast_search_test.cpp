// The fast-search window: typing narrows the list, a double-click starts the
// game, the kind and the place are kept, and a game won leaves the lost games.
#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>

#include "choice/ui/frm_fast_search.h"
#include "config/text.h"
#include "model/main_game_entries.h"
#include "records/game_recording.h"
#include "support/window_world.h"
#include "view/frm_main.h"

namespace tablerun {
namespace {

constexpr int kFreeCell = 1;
const QPoint kHome(40, 60);

struct TWorld : testing::TWindowWorld {
  std::vector<TChosenGame> chosen;
  bool starts = true;

  TWorld() {
    std::filesystem::create_symlink(std::string(TABLERUN_PROGRAM_FOLDER) + "TBLR.RGF", program / "TBLR.RGF");
    if (!started || !fnOpenImageLibraryOrTell(state, library)) qFatal("no start-up");
  }
  TStartChosenGame Start() {
    return [this](const TChosenGame& game) {
      this->chosen.push_back(game);
      return starts;
    };
  }
  // A finished game of the current player, as the end of a game records it.
  void Record(int code, bool won) {
    state.config.Write(cfg::kGame, fnZeroFill(code, 4));
    state.config.Write(cfg::kGameName, state.mainGame.Catalogue().NameOf(code, state.customGames));
    state.config.Write(cfg::kGameNumber, "12345");
    state.mainGame.Set(entries::kStatisticsEligible, 1);
    fnRecordFinishedGame(state, {.won = won, .eligible = true, .elapsedSeconds = 60, .end = {2005, 3, 2, 14, 5, 9}});
  }
};

QStringList fnShown(const QTreeWidget& list) {
  QStringList shown;
  for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&list)); *it; ++it)
    shown << ((*it)->parent() ? "  " : "") + (*it)->text(0);
  return shown;
}

QTreeWidgetItem* fnItem(const QTreeWidget& list, const QString& text) {
  const QList<QTreeWidgetItem*> found = list.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.front();
}

// A double click is a click and then the second press.
void fnDoubleClick(QTreeWidget& list, QTreeWidgetItem* item) {
  const QPoint at = list.visualItemRect(item).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class FastSearchTest : public QObject {
  Q_OBJECT

 private slots:
  void typingNarrowsTheListAndADoubleClickStartsTheGame() {
    TWorld world;
    TfrmFastSearch window(world.state, world.library, world.Start());
    window.ShowAt(kHome);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("FastSearch [All games]"));
    auto* list = window.findChild<QTreeWidget*>("trvGames");
    auto* search = window.findChild<QLineEdit*>("edtSearch");
    QCOMPARE(list->topLevelItemCount(), int(world.state.mainGame.Catalogue().Entries().size()));
    QCOMPARE(list->topLevelItem(0)->icon(0).isNull(), false);

    QTest::keyClicks(search, "SpI");
    QCOMPARE(fnShown(*list), (QStringList{"Spider", "Spider One Suit"}));
    QTest::keyClicks(search, "x");
    QCOMPARE(fnShown(*list), QStringList{});
    search->clear();
    QTest::keyClicks(search, "freecel");
    QCOMPARE(fnShown(*list), QStringList{"FreeCell"});

    // Started: the window has gone; not started: it comes back.
    fnDoubleClick(*list, list->topLevelItem(0));
    QCOMPARE(world.chosen.size(), std::size_t{1});
    const TChosenGame& first = world.chosen.front();
    QCOMPARE(first.code, kFreeCell);
    QCOMPARE(first.name, std::string("FreeCell"));
    QCOMPARE(first.player, world.state.config.Read(cfg::kPlayer));
    QVERIFY(first.newNumber && first.savePreferences);
    QVERIFY(!window.isVisible());
    window.ShowAt(kHome);
    world.starts = false;
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(world.chosen.size(), std::size_t{2});
    QVERIFY(window.isVisible());
    // Kept on top, the window stays while the game starts.
    world.starts = true;
    window.findChild<QAction*>("mnuStayOnTop")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fnDoubleClick(*list, list->topLevelItem(0));
    QCOMPARE(world.chosen.size(), std::size_t{3});
    QVERIFY(window.isVisible());
    // Space plays on the table.
    QSignalSpy space(&window, &TfrmFastSearch::spacePressed);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(space.count(), 1);
  }

  void theFavouritesShowTheirFoldersAndAFolderIsNoGameToStart() {
    TWorld world;
    world.state.store->WriteString("Favorite Games", "Game0000", "01-011Cards");
    world.state.store->WriteString("Favorite Games", "Game0001", "020001FreeCell");
    world.state.store->WriteString("Favorite Games", "Game0002", "010003Spider");
    TfrmFastSearch window(world.state, world.library, world.Start());
    window.findChild<QAction*>("mnuFavoriteGames")->trigger();
    window.ShowAt(kHome);
    auto* list = window.findChild<QTreeWidget*>("trvGames");
    QCOMPARE(fnShown(*list), (QStringList{"Cards", "  FreeCell", "Spider"}));
    QTest::keyClicks(window.findChild<QLineEdit*>("edtSearch"), "cell");
    QCOMPARE(fnShown(*list), (QStringList{"Cards", "  FreeCell"}));
    fnDoubleClick(*list, fnItem(*list, "Cards"));
    QVERIFY(world.chosen.empty());
    QCOMPARE(world.screen.messages.size(), std::size_t{1});
    QCOMPARE(world.screen.messages.back().text, std::string("Open a game"));
    QVERIFY(window.isVisible());
  }

  void theKindAndThePlaceAreKeptAndAWindowOffTheScreenComesHome() {
    TWorld world;
    {
      TfrmFastSearch window(world.state, world.library, world.Start());
      window.ShowAt(kHome);
      window.findChild<QAction*>("mnuRecentGames")->trigger();
      QCOMPARE(window.windowTitle(), QString("FastSearch [My recent games]"));
      window.findChild<QAction*>("mnuStayOnTop")->trigger();
      window.move(kHome + QPoint(30, 20));
      window.hide();
    }
    QCOMPARE(world.state.mainGame.Get(entries::kFastSearchType), int16_t{5});
    QCOMPARE(world.state.store->ReadInteger("Settings", "Games_Fast_Search_Type", -1), 5);
    QCOMPARE(world.state.store->ReadInteger("Settings", "Games_Fast_Search_Stay_On_Top", -1), 1);
    QCOMPARE(world.state.store->ReadInteger("Settings", "Games_Fast_Search_Left", -1), kHome.x() + 30);

    // Kept on top, the next run's window opens where the last one was, with the same kind.
    TfrmFastSearch again(world.state, world.library, world.Start());
    again.ShowAt(kHome);
    QCOMPARE(again.windowTitle(), QString("FastSearch [My recent games]"));
    QVERIFY(again.findChild<QAction*>("mnuRecentGames")->isChecked());
    QCOMPARE(again.pos(), kHome + QPoint(30, 20));
    again.move(QPoint(20000, 300));
    again.hide();
    again.ShowAt(kHome);
    QCOMPARE(again.pos(), kHome);
  }

  void aGameWonLeavesTheLostGamesAtOnce() {
    TWorld world;
    world.Record(kFreeCell, false);
    TfrmFastSearch window(world.state, world.library, world.Start());
    window.findChild<QAction*>("mnuLostGames")->trigger();
    window.ShowAt(kHome);
    QCOMPARE(window.windowTitle(), QString("FastSearch [Lost games]"));
    auto* list = window.findChild<QTreeWidget*>("trvGames");
    const int games = list->topLevelItemCount();
    QVERIFY(fnItem(*list, "FreeCell"));
    world.Record(kFreeCell, true);
    window.GameRecorded(kFreeCell);
    QVERIFY(!fnItem(*list, "FreeCell"));
    QCOMPARE(list->topLevelItemCount(), games - 1);
    // Typing does not bring it back.
    QTest::keyClicks(window.findChild<QLineEdit*>("edtSearch"), "FreeC");
    QCOMPARE(fnShown(*list), QStringList{});
    // A game lost stays.
    world.Record(3, false);
    window.GameRecorded(3);
    window.findChild<QLineEdit*>("edtSearch")->clear();
    QCOMPARE(list->topLevelItemCount(), games - 1);
  }

  void theMarksFollowTheOpenAGameBoxAndItsStoredSetting() {
    TWorld world;
    world.Record(kFreeCell, true);
    const auto picture = [](const TfrmFastSearch& window) {
      return fnItem(*window.findChild<QTreeWidget*>("trvGames"), "FreeCell")->icon(0).pixmap(16).toImage();
    };
    TfrmFastSearch window(world.state, world.library, world.Start());
    window.ShowAt(kHome);
    const QImage plain = picture(window);
    window.SetMarks(true);
    const QImage won = picture(window);
    QVERIFY(won != plain);
    window.SetMarks(false);
    QCOMPARE(picture(window), plain);

    world.state.store->WriteString("Preference", "Open_Show_Won_Lost", "Y");
    TfrmFastSearch marked(world.state, world.library, world.Start());
    marked.ShowAt(kHome);
    QCOMPARE(picture(marked), won);
  }

  void theMainWindowsCommandShowsAndHidesItAndItsGameIsDealt() {
    TWorld world;
    world.appearance.StartUp();
    TfrmMain main(world.state, world.session, world.appearance, world.library);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QAction* command = main.findChild<QAction*>("mnuGamesFastSearch");
    command->trigger();
    auto* window = main.findChild<TfrmFastSearch*>("frmFastSearch");
    QVERIFY(window && window->isVisible());
    QTest::keyClicks(window->findChild<QLineEdit*>("edtSearch"), "one suit");
    QTest::keyClick(window->findChild<QLineEdit*>("edtSearch"), Qt::Key_Return);
    QCOMPARE(world.state.config.Read(cfg::kGameName), std::string("Spider One Suit"));
    QVERIFY(world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
    QVERIFY(!window->isVisible());
    command->trigger();
    QVERIFY(window->isVisible());
    command->trigger();
    QVERIFY(!window->isVisible());
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::FastSearchTest)
#include "fast_search_test.moc"
