// The hi-score and champions windows on a data folder written by the records
// code, and the main window opening them from its menu and after a game.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

#include <fstream>
#include <functional>

#include "config/text.h"
#include "model/main_game_entries.h"
#include "records/hi_score_file.h"
#include "records/internet_counts.h"
#include "records/overall_scores.h"
#include "records/protected_value.h"
#include "records/records_of_state.h"
#include "records/statistics_records.h"
#include "records/ui/frm_hi_score.h"
#include "records/ui/frm_stat_internet_single_game.h"
#include "records/ui/frm_statis_overall.h"
#include "records/ui/frm_statis_overall_change_data.h"
#include "records/ui/frm_statis_overall_details.h"
#include "records/ui/frm_statis_overall_internet1.h"
#include "support/grid_cells.h"
#include "support/modal_dialogs.h"
#include "support/window_world.h"
#include "view/frm_main.h"

namespace tablerun {
namespace {

using testing::fnRow;
using testing::fnWhenOpen;

QStringList fnColumn(const QTableWidget& grid, int column) {
  QStringList cells;
  for (int row = 0; row < grid.rowCount(); ++row) cells << fnRow(grid, row)[column];
  return cells;
}

QString fnLabel(const QWidget& window, const char* name) { return window.findChild<QLabel*>(name)->text(); }

int fnGameCode(const TTablerunState& state, const std::string& name) {
  for (const TCatalogueEntry& entry : state.mainGame.Catalogue().Entries()) {
    if (entry.name == name) return entry.code;
  }
  return -1;
}

}  // namespace

class ScoreWindowsTest : public QObject {
  Q_OBJECT

  struct TWorld {
    testing::TWindowWorld world;
    TTablerunState& state = world.state;
    TRecordsFolder folder = fnRecordsFolder(world.state);
    int freeCell = fnGameCode(world.state, "FreeCell");
    int klondike = fnGameCode(world.state, "Klondike");
    QStringList sounds;

    TWorld() {
      QString message;
      world.library.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, message);
      folder.EnsureFiles(state.config.Read(cfg::kPlayer));
    }
    TfrmHiScore::TPlaySound Sounds() {
      return [this](const QString& name, bool enabled) { sounds << name + (enabled ? " on" : " off"); };
    }
    int Enter(int code, const THiScoreEntry& entry) {
      return fnEnterHiScoreResult(folder, THiScoreFile::HiScores, fnGameSection(code), "01", entry, std::nullopt);
    }
    void Best(int code, const char* player, std::int64_t score, std::int64_t seconds) {
      QVERIFY(fnUpdateBestScore(folder, code, player, score, seconds, false, state.random));
    }
  };

 private slots:
  void hiScoresShowTheCurrentGamesTableAndFollowTheGameList() {
    TWorld w;
    QCOMPARE(QString::fromStdString(w.state.config.Read(cfg::kGameName)), QString("FreeCell"));
    w.Enter(w.freeCell, {52, 3725, "20261210", "21:05:09", "Ann", "1631472442756", true});
    w.Enter(w.freeCell, {61, 40000, "20270102", "08:00:00", "Bob", "7", false});
    w.state.config.Write(cfg::kSoundHiScores, "Y");

    TfrmHiScore window(w.world.session, w.world.library, w.Sounds());
    QCOMPARE(window.windowTitle(), QString("Hi-Scores [FreeCell]"));
    QCOMPARE(w.sounds, QStringList{"Hi-Scor on"});
    QVERIFY(!window.findChild<QAction*>("mnuDontShowHiScores"));
    const auto* grid = window.findChild<QTableWidget*>("slScores");
    QCOMPARE(grid->rowCount(), 20);
    QCOMPARE(fnRow(*grid, 0), (QStringList{"01", "Bob", "61", "*:06:40", "Lost", "2027-01-02", "7"}));
    QCOMPARE(fnRow(*grid, 1), (QStringList{"02", "Ann", "52", "1:02:05", "Won ", "2026-12-10", "1631472442756"}));
    QCOMPARE(grid->item(1, 5)->data(Qt::DisplayRole).toDate(), QDate(2026, 12, 10));
    QCOMPARE(fnRow(*grid, 2), QStringList(7));  // a table in use gets no default entries

    // Sorting by score keeps each row whole.
    const_cast<QTableWidget*>(grid)->sortByColumn(2, Qt::AscendingOrder);
    QCOMPARE(fnRow(*grid, 19)[1], QString("Bob"));
    QCOMPARE(fnRow(*grid, 18)[1], QString("Ann"));

    w.state.mainGame.Set(entries::kStatisticsEligible, 1);
    auto* games = window.findChild<QListWidget*>("lsbGames");
    games->setCurrentItem(games->findItems("Klondike", Qt::MatchExactly).front());
    QCOMPARE(window.windowTitle(), QString("Hi-Scores [Klondike]"));
    // A never-used table gets its default entries; the grid stays sorted by score.
    QCOMPARE(fnRow(*grid, 19).mid(0, 3), (QStringList{"01", "* John", "52"}));
  }

  void aNewHiScoreIsGreetedAndItsWindowCanBeTurnedOff() {
    TWorld w;
    w.Enter(w.freeCell, {52, 60, "20261210", "21:05:09", "Ann", "5", true});
    w.Enter(w.freeCell, {40, 60, "20261210", "21:06:09", "Bob", "6", true});
    w.state.config.Write(cfg::kSoundNewHiScores, "N");

    TfrmHiScore window(w.world.session, w.world.library, w.Sounds(), TfrmHiScore::TNewScore{1});
    QCOMPARE(window.windowTitle(), QString("Congratulations! Your score has made the \"FreeCell\" Hi-Scores list!"));
    QCOMPARE(w.sounds, QStringList{"Scores off"});
    const auto* grid = window.findChild<QTableWidget*>("slScores");
    QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(fnRow(*grid, grid->selectionModel()->selectedRows().front().row())[1], QString("Bob"));

    auto* dontShow = window.findChild<QAction*>("mnuDontShowHiScores");
    QVERIFY(dontShow);
    w.world.screen.answers = {TMessageAnswer::Cancel, TMessageAnswer::Ok};
    dontShow->trigger();
    QCOMPARE(w.state.config.Read(cfg::kConfirmHiScores), std::string("Y"));
    dontShow->trigger();
    QCOMPARE(w.world.screen.messages.back().text,
             std::string("The enter Hi-Scores dialog box will not open again.\rIf you want, you can change this "
                         "option in the \"Customize\" dialog box."));
    QCOMPARE(w.world.screen.messages.back().buttons, TMessageButtons::OkCancel);
    QCOMPARE(w.state.config.Read(cfg::kConfirmHiScores), std::string("N"));
    QCOMPARE(w.state.store->ReadString("Preference", "ConfirmEnterHiScores", ""), std::string("N"));
  }

  void overallChampionsRankThePlayersWithTheirDetails() {
    TWorld w;
    w.Best(w.freeCell, "Ann", 208, 125);  // four times its 52 cards: the most it gives
    w.Best(w.klondike, "Ann", 10, 40000);
    w.Best(w.freeCell, "Bob", 60, 30);
    // A player whose only best was taken back has no overall score: not listed.
    QVERIFY(fnUpdateBestScore(w.folder, w.klondike, "Cid", 0, 0, true, w.state.random));

    std::vector<int> played;
    bool start = false;
    TfrmStatisOverall window(w.state, [&](int code) {
      played.push_back(code);
      return start;
    });
    QCOMPARE(window.windowTitle(), QString("Publish your score to: \"Overall Score\" Champions"));
    const auto* grid = window.findChild<QTableWidget*>("slScores");
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(fnRow(*grid, 0), (QStringList{"01", "Ann", "218", "11:08:45"}));
    QCOMPARE(fnRow(*grid, 1), (QStringList{"02", "Bob", "60", "00:00:30"}));
    QCOMPARE(fnLabel(window, "lblChampions"), QString("Tablerun 2002 Champions:"));
    QVERIFY(window.findChild<QPushButton*>("btnDetails")->isEnabled());

    window.show();
    bool checked = false;
    fnWhenOpen<TfrmStatisOverallDetails>([&](TfrmStatisOverallDetails& details) {
      checked = true;
      QCOMPARE(details.windowTitle(), QString("Overall score details [Ann]"));
      auto* rows = details.findChild<QTableWidget*>("slDetails");
      const int freeCellRow = static_cast<int>(fnColumn(*rows, 0).indexOf("FreeCell"));
      QCOMPARE(fnRow(*rows, freeCellRow), (QStringList{"FreeCell", "208", "Yes", "0:02:05"}));
      QCOMPARE(fnRow(*rows, static_cast<int>(fnColumn(*rows, 0).indexOf("Klondike"))),
               (QStringList{"Klondike", "10", "", "*:06:40"}));
      details.findChild<QRadioButton*>("rbNoMaxScore")->setChecked(true);
      QVERIFY(!fnColumn(*rows, 0).contains("FreeCell"));
      QCOMPARE(fnLabel(details, "lblOverallScore"), QString("218"));
      QCOMPARE(fnLabel(details, "lblOverallTime"), QString("11:08:45"));

      // The player stays with the game in progress: both windows come back.
      rows->selectRow(static_cast<int>(fnColumn(*rows, 0).indexOf("Klondike")));
      details.findChild<QPushButton*>("btnPlay")->click();
      QVERIFY(details.isVisible() && details.parentWidget()->isVisible());
      start = true;
      details.findChild<QPushButton*>("btnPlay")->click();
    });
    window.findChild<QPushButton*>("btnDetails")->click();
    QVERIFY(checked);
    QCOMPARE(played, (std::vector<int>{w.klondike, w.klondike}));
    QCOMPARE(window.result(), int(QDialog::Accepted));
  }

  void publishingTheOverallScoreShowsTheWebCodeReadyToCopy() {
    TWorld w;
    w.Best(w.freeCell, "Ann", 52, 125);
    TfrmStatisOverall window(w.state, [](int) { return false; });
    window.show();
    QString code;
    QString selected;
    fnWhenOpen<TfrmStatisOverallInternet1>([&](TfrmStatisOverallInternet1& publish) {
      QCOMPARE(publish.windowTitle(), QString("Publish your Overall Score on the Web"));
      const auto* edit = publish.findChild<QLineEdit*>("edtWebCode");
      code = edit->text();
      selected = edit->selectedText();
      publish.accept();
    });
    window.findChild<QPushButton*>("btnPublish")->click();
    QVERIFY(!window.isVisible());
    QVERIFY(!code.isEmpty() && code.size() <= 68);
    QCOMPARE(selected, code);
    // The score's part of the code reads back as Ann's overall score.
    QCOMPARE(fnExtractNumber(TDigitLayout::C, fnUnshiftWithKey(code.left(28).toStdString())), 52);
  }

  void aStoredOverallScoreThatDiffersFromTheSumIsNoticedOnce() {
    TWorld w;
    w.Best(w.freeCell, "Ann", 52, 125);
    w.Best(7999, "Ann", 8, 20);  // no built-in game: counted in the stored total only
    const std::string path = w.folder.Path("Stat_glo.dat");
    std::string file{std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
    file.erase(file.find("VOvS=0300\r\n"), 11);
    std::ofstream(path, std::ios::binary) << file;

    int notices = 0;
    const auto answerNotice = [&] {
      fnWhenOpen<TfrmStatisOverallChangeData>([&](TfrmStatisOverallChangeData& notice) {
        ++notices;
        QCOMPARE(notice.windowTitle(), QString("Overall Score "));
        QCOMPARE(fnLabel(notice, "lblPrevious"), QString("60"));
        QCOMPARE(fnLabel(notice, "lblSum"), QString("52"));
        QCOMPARE(fnLabel(notice, "lblChangedTo"), QString("52"));
        auto* ok = notice.findChild<QPushButton*>("btnOK");
        notice.findChild<QRadioButton*>("rbNo")->setChecked(true);
        QVERIFY(!ok->isEnabled());
        notice.findChild<QRadioButton*>("rbYes")->setChecked(true);
        ok->click();
      });
    };
    answerNotice();
    TfrmStatisOverall first(w.state, [](int) { return false; });
    QCOMPARE(notices, 1);
    QCOMPARE(fnRow(*first.findChild<QTableWidget*>("slScores"), 0)[2], QString("52"));
    TfrmStatisOverall second(w.state, [](int) { return false; });
    QCOMPARE(notices, 1);
  }

  void singleGameChampionsCountThePlayersGamesAndGivePublishingCodes() {
    TWorld w;
    w.state.store->WriteString("Users", "User004", "Zoe");
    w.state.store->WriteString("Users", "User005", "Al");
    for (int game = 0; game < 30; ++game)
      fnCountInternetGame(w.folder, w.freeCell, "Player 1", game < 3, w.state.random);
    for (int game = 0; game < 2; ++game) fnCountInternetGame(w.folder, w.klondike, "Player 1", true, w.state.random);
    fnCountInternetGame(w.folder, w.klondike, "Zoe", false, w.state.random);

    std::vector<int> played;
    TfrmStatInternetSingleGame window(w.state, [&](int code) {
      played.push_back(code);
      return true;
    });
    QVERIFY(window.HasCounts());
    QCOMPARE(window.windowTitle(), QString("Publish your score to: \"Single Game\" Champions"));
    auto* players = window.findChild<QComboBox*>("cmbPlayers");
    QStringList names;
    for (int i = 0; i < players->count(); ++i) names << players->itemText(i);
    QCOMPARE(names, (QStringList{"Al", "Player 1", "Player 2", "Player 3", "Zoe"}));
    QCOMPARE(players->currentText(), QString("Player 1"));

    auto* grid = window.findChild<QTableWidget*>("stgGames");
    const QStringList games = fnColumn(*grid, 0);
    QStringList sorted = games;
    sorted.sort();
    QCOMPARE(games, sorted);
    const int freeCellRow = static_cast<int>(games.indexOf("FreeCell"));
    const int klondikeRow = static_cast<int>(games.indexOf("Klondike"));
    QCOMPARE(fnRow(*grid, freeCellRow), (QStringList{"FreeCell", "10.00", "30", "3", "27"}));
    QCOMPARE(fnRow(*grid, klondikeRow), (QStringList{"Klondike", "100.00", "2", "2", ""}));
    QCOMPARE(fnRow(*grid, static_cast<int>(games.indexOf("Spider"))), (QStringList{"Spider", "", "", "", ""}));

    // The grid starts on the current game, published with its code.
    auto* pages = window.findChild<QStackedWidget*>("pgcPublish");
    QCOMPARE(grid->currentRow(), freeCellRow);
    QCOMPARE(pages->currentWidget()->objectName(), QString("pagPublish"));
    QCOMPARE(fnLabel(window, "lblPublishGame"), QString("FreeCell"));
    const std::string code = window.findChild<QLineEdit*>("edtSingleGameCode")->text().toStdString();
    QCOMPARE(code.size(), std::size_t{46});
    QCOMPARE(fnExtractNumber(TDigitLayout::A, fnUnshiftWithKey(code).substr(18, 10)), 3);

    grid->selectRow(klondikeRow);
    QCOMPARE(pages->currentWidget()->objectName(), QString("pagInformation"));
    QCOMPARE(fnLabel(window, "lblUnplayedGames"), QString("klondike games"));

    window.findChild<QRadioButton*>("rbPublishableGames")->setChecked(true);
    QCOMPARE(fnColumn(*grid, 0), QStringList{"FreeCell"});

    // The current game is only closed on; another one is started.
    window.findChild<QPushButton*>("btnPlay")->click();
    QVERIFY(played.empty());
    window.findChild<QRadioButton*>("rbAllTheGames")->setChecked(true);
    players->setCurrentText("Zoe");
    QCOMPARE(fnRow(*grid, klondikeRow), (QStringList{"Klondike", "0.00", "1", "", "1"}));
    grid->selectRow(klondikeRow);
    window.findChild<QPushButton*>("btnPlay")->click();
    QCOMPARE(played, std::vector<int>{w.klondike});
  }

  void brokenCountsLeaveTheSingleGameWindowShut() {
    TWorld w;
    fnCountInternetGame(w.folder, w.freeCell, "Player 1", true, w.state.random);
    const std::string path = w.folder.Path("Stat_uni.dat");
    std::string file{std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
    file[file.find("GW-0001=") + 9] ^= 1;
    std::ofstream(path, std::ios::binary) << file;

    TfrmStatInternetSingleGame window(w.state, [](int) { return false; });
    QVERIFY(!window.HasCounts());
    QVERIFY(w.world.screen.messages.back().text.starts_with("It appears as if the Internet Single Game Values"));
  }

  void theMainWindowOpensTheScoreWindowsAndGreetsANewHiScore() {
    TWorld w;
    // No default entries: the next result, even a lost one, takes the first rank.
    w.state.config.Write(cfg::kDealAnimation, "N");
    QVERIFY(fnClearHiScoreFile(w.folder, THiScoreFile::HiScores));
    TfrmMain window(w.state, w.world.session, w.world.appearance, w.world.library);
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(w.state.runtime.Flag(TRuntimeFlag::GameInProgress));

    auto* hiScores = window.findChild<QAction*>("mnuHiScores");
    QCOMPARE(hiScores->shortcut(), QKeySequence("F9"));
    QString caption;
    fnWhenOpen<TfrmHiScore>([&](TfrmHiScore& shown) {
      caption = shown.windowTitle();
      shown.accept();
    });
    hiScores->trigger();
    QCOMPARE(caption, QString("Hi-Scores [FreeCell]"));

    const auto* publish = window.findChild<QMenu*>("mnuPublishOnWeb");
    QVERIFY(publish);
    QCOMPARE(publish->title(), QString("Publish statistics on the &Web"));
    QCOMPARE(publish->actions().size(), 2);
    fnWhenOpen<TfrmStatisOverall>([&](TfrmStatisOverall& shown) {
      caption = shown.windowTitle();
      shown.accept();
    });
    window.findChild<QAction*>("mnuStatisOverall")->trigger();
    QCOMPARE(caption, QString("Publish your score to: \"Overall Score\" Champions"));
    fnWhenOpen<TfrmStatInternetSingleGame>([&](TfrmStatInternetSingleGame& shown) {
      caption = shown.windowTitle();
      shown.accept();
    });
    window.findChild<QAction*>("mnuStatInternetSingleGame")->trigger();
    QCOMPARE(caption, QString("Publish your score to: \"Single Game\" Champions"));

    // Quitting ends the game as lost; its result makes the empty table.
    QString selected;
    fnWhenOpen<TfrmHiScore>([&](TfrmHiScore& shown) {
      caption = shown.windowTitle();
      const auto* grid = shown.findChild<QTableWidget*>("slScores");
      selected = fnRow(*grid, grid->currentRow()).join("|");
      shown.accept();
    });
    window.findChild<QAction*>("mnuQuitGame")->trigger();
    QTRY_COMPARE(caption, QString("Congratulations! Your score has made the \"FreeCell\" Hi-Scores list!"));
    QVERIFY(selected.startsWith("01|Player 1|"));
    QVERIFY(selected.contains("|Lost|"));

    // Turned off, the window stays shut.
    w.state.config.Write(cfg::kConfirmHiScores, "N");
    caption.clear();
    fnWhenOpen<TfrmHiScore>([&](TfrmHiScore& shown) {
      caption = shown.windowTitle();
      shown.accept();
    });
    window.findChild<QAction*>("mnuNew")->trigger();
    window.findChild<QAction*>("mnuQuitGame")->trigger();
    QTest::qWait(200);
    QVERIFY(caption.isEmpty());
    QVERIFY(fnHiScorePlayer(
                fnReadHiScoreTable(w.folder, THiScoreFile::HiScores, fnGameSection(w.freeCell), "01", std::nullopt)[1])
                .starts_with("Player 1"));

    // A game played from the details closes the score windows; the program plays on.
    QVERIFY(fnUpdateBestScore(w.folder, w.freeCell, "Player 1", 52, 60, false, w.state.random));
    fnWhenOpen<TfrmStatisOverall>([&](TfrmStatisOverall& shown) {
      fnWhenOpen<TfrmStatisOverallDetails>([&](TfrmStatisOverallDetails& details) {
        auto* rows = details.findChild<QTableWidget*>("slDetails");
        rows->selectRow(static_cast<int>(fnColumn(*rows, 0).indexOf("Klondike")));
        details.findChild<QPushButton*>("btnPlay")->click();
      });
      shown.findChild<QPushButton*>("btnDetails")->click();
    });
    window.findChild<QAction*>("mnuStatisOverall")->trigger();
    QCOMPARE(w.state.config.Read(cfg::kGameName), std::string("Klondike"));
    QTest::qWait(100);
    QVERIFY(window.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    fnWhenOpen<TfrmStatInternetSingleGame>([&](TfrmStatInternetSingleGame& shown) {
      caption = shown.windowTitle();
      shown.accept();
    });
    caption.clear();
    window.findChild<QAction*>("mnuStatInternetSingleGame")->trigger();
    QCOMPARE(caption, QString("Publish your score to: \"Single Game\" Champions"));
    QTest::qWait(100);
    QVERIFY(window.isVisible());
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::ScoreWindowsTest)
#include "score_windows_test.moc"
