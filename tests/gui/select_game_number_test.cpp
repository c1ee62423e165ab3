// The select-a-game-number dialog: a typed number, the log's pages, and the
// main window dealing the chosen number.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "choice/ui/frm_select_game_number.h"
#include "config/text.h"
#include "model/main_game_entries.h"
#include "records/game_log_file.h"
#include "records/records_of_state.h"
#include "support/grid_cells.h"
#include "support/logged_game.h"
#include "support/modal_dialogs.h"
#include "support/window_world.h"
#include "view/frm_main.h"

namespace tablerun {
namespace {

using testing::fnRow;
using testing::fnWhenOpen;

struct TPlayed {
  int code;
  std::string number;
};

void fnPlay(TfrmSelectGameNumber& window, const QString& typed) {
  window.findChild<QComboBox*>("cboNumbers")->setEditText(typed);
  window.findChild<QPushButton*>("btnPlay")->click();
}

}  // namespace

class SelectGameNumberTest : public QObject {
  Q_OBJECT

 private slots:
  void aTypedNumberIsPlayedAsThirteenDigitsAndOtherTextIsRefused() {
    testing::TWindowWorld world;
    TTablerunState& state = world.state;
    state.config.Write(cfg::kGameNumber, "0000000001234");
    state.store->WriteString("Game_Numbers", "Game001", "0000000000777");
    state.store->WriteString("Game_Numbers", "Game002", "0000000000555");
    std::vector<TPlayed> played;
    TfrmSelectGameNumber window(state, [&](int code, const std::string& number) {
      played.push_back({code, number});
      return true;
    });
    QCOMPARE(window.windowTitle(), QString("Select a game number"));
    auto* numbers = window.findChild<QComboBox*>("cboNumbers");
    QCOMPARE(numbers->count(), 2);
    QCOMPARE(numbers->itemText(1), QString("0000000000555"));
    QCOMPARE(numbers->currentText(), QString("0000000001234"));
    QCOMPARE(numbers->lineEdit()->maxLength(), 13);
    QCOMPARE(window.findChild<QComboBox*>("cboGames")->currentText(), QString("FreeCell"));
    // Typing at once replaces the current number.
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClicks(QApplication::focusWidget(), "77");
    QCOMPARE(numbers->currentText(), QString("77"));

    fnPlay(window, "12a");
    fnPlay(window, "1 2");
    QCOMPARE(world.screen.messages.size(), std::size_t{2});
    QCOMPARE(world.screen.messages.back().text, std::string("Numbers only are required."));
    for (const char* nothing : {"0", "0000", ""}) fnPlay(window, nothing);
    QCOMPARE(world.screen.messages.size(), std::size_t{2});
    QVERIFY(played.empty());
    QCOMPARE(window.result(), int{QDialog::Rejected});

    window.findChild<QComboBox*>("cboGames")->setCurrentText("Klondike");
    fnPlay(window, "42");
    QCOMPARE(played.size(), std::size_t{1});
    QCOMPARE(played[0].code, state.mainGame.Catalogue().CodeOf("Klondike", state.customGames));
    QCOMPARE(played[0].number, std::string("0000000000042"));
    QCOMPARE(window.result(), int{QDialog::Accepted});
  }

  void theLogPagesShowTheLatestGamesAndTheNumbersLostAndNeverWon() {
    testing::TWindowWorld world;
    TRecordsFolder folder = fnRecordsFolder(world.state);
    const auto log = [&](const char* game, const char* player, bool won, const char* number, int day) {
      QVERIFY(fnAppendLogLine(folder, testing::LoggedGame(game, player, won, number, {2026, 3, day, 12, 0, 0})));
    };
    log("FreeCell", "Bob", false, "0000000000005", 3);
    log("FreeCell", "Ann", false, "0000000000005", 4);
    log("FreeCell", "Ann", false, "0000000000007", 5);
    log("FreeCell", "Bob", true, "0000000000007", 6);
    log("Klondike", "Cy", false, "0000000000009", 7);
    log("FreeCell", "Ann", false, "0000000000008", 8);

    std::vector<TPlayed> played;
    TfrmSelectGameNumber window(world.state, [&](int code, const std::string& number) {
      played.push_back({code, number});
      return true;
    });
    auto* pages = window.findChild<QTabWidget*>("pgcSelect");
    // Dates are held as dates, which the grid shows in the system's short form.
    const QString date = "2026-03-08";

    pages->setCurrentIndex(1);
    auto* previous = window.findChild<QTableWidget*>("stgPrevious");
    QCOMPARE(previous->rowCount(), 6);
    QCOMPARE(fnRow(*previous, 0), (QStringList{"0000000000008", "FreeCell", "Lost", date, "Ann"}));
    QCOMPARE(previous->item(0, 3)->data(Qt::DisplayRole).toDate(), QDate(2026, 3, 8));

    pages->setCurrentIndex(2);
    auto* lost = window.findChild<QTableWidget*>("stgLostGames");
    QCOMPARE(lost->rowCount(), 2);
    QCOMPARE(fnRow(*lost, 0), (QStringList{"0000000000008", "Lost", date, "Ann"}));
    QCOMPARE(fnRow(*lost, 1)[0], QString("0000000000005"));
    QCOMPARE(fnRow(*lost, 1)[3], QString("Ann"));

    // Another game fills the page again; none lost keeps one empty row, which plays nothing.
    window.findChild<QComboBox*>("cboGamesLost")->setCurrentText("Spider");
    QCOMPARE(lost->rowCount(), 1);
    QCOMPARE(fnRow(*lost, 0), (QStringList{"", "", "", ""}));
    lost->selectRow(0);
    window.findChild<QPushButton*>("btnPlay")->click();
    QCOMPARE(world.screen.messages.back().text, std::string("Select a correct game number."));

    window.findChild<QComboBox*>("cboGamesLost")->setCurrentText("FreeCell");
    lost->selectRow(1);
    window.findChild<QPushButton*>("btnPlay")->click();
    QCOMPARE(played.size(), std::size_t{1});
    QCOMPARE(played[0].number, std::string("0000000000005"));
  }

  void theMainWindowDealsTheChosenNumber() {
    testing::TWindowWorld world;
    world.state.config.Write(cfg::kDealAnimation, "N");
    TfrmMain window(world.state, world.session, world.appearance, world.library);
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
    QVERIFY(window.findChild<QAction*>("mnuSelect")->isEnabled());
    QVERIFY(window.findChild<QAction*>("mnuRandomFavorites")->isEnabled());

    fnWhenOpen<TfrmSelectGameNumber>([](TfrmSelectGameNumber& dialog) {
      dialog.findChild<QComboBox*>("cboGames")->setCurrentText("Klondike");
      fnPlay(dialog, "42");
    });
    window.findChild<QAction*>("mnuSelect")->trigger();
    QCOMPARE(fnTrim(world.state.config.Read(cfg::kGameNumber)), std::string("0000000000042"));
    QCOMPARE(fnTrimRight(world.state.config.Read(cfg::kGameName)), std::string("Klondike"));

    world.state.mainGame.Set(entries::kRandomGameType, 1);
    window.findChild<QAction*>("mnuRandomAll")->trigger();
    QCOMPARE(world.state.mainGame.Get(entries::kRandomGameType), 2);  // the kind the game-won window repeats
    const std::string drawn = fnTrimRight(world.state.config.Read(cfg::kGameName));
    QVERIFY(world.state.mainGame.Catalogue().CodeOf(drawn, world.state.customGames) >= 0);
    QVERIFY(fnTrim(world.state.config.Read(cfg::kGameNumber)) != "0000000000042");
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::SelectGameNumberTest)
#include "select_game_number_test.moc"
