// The players dialog, the name dialog and two-players mode, used through
// their buttons and keys, alone and from the main window's menu.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <functional>

#include "config/text.h"
#include "records/players.h"
#include "records/ui/frm_players.h"
#include "records/ui/frm_players2.h"
#include "records/ui/frm_two_players_mode.h"
#include "support/modal_dialogs.h"
#include "support/open_game_driver.h"
#include "support/temp_folder.h"
#include "support/window_world.h"
#include "view/frm_main.h"

namespace tablerun {
namespace {

using testing::fnWhenOpen;

// The name dialog answers with `name` (OK), or is cancelled when the name is empty.
void fnAnswerName(const QString& name, QString* caption = nullptr) {
  fnWhenOpen<TfrmPlayers2>([name, caption](TfrmPlayers2& ask) {
    if (caption) *caption = ask.windowTitle();
    if (name.isEmpty()) {
      ask.reject();
      return;
    }
    ask.findChild<QLineEdit*>("edtPlayerName")->setText(name);
    ask.findChild<QPushButton*>("btnOK")->click();
  });
}

QStringList fnShownNames(const TfrmPlayers& dialog) {
  QStringList names;
  const auto* list = dialog.findChild<QListWidget*>("lstPlayers");
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  return names;
}

QString fnSelectedName(const TfrmPlayers& dialog) {
  const auto* item = dialog.findChild<QListWidget*>("lstPlayers")->currentItem();
  return item ? item->text() : QString();
}

void fnSelectRow(TfrmPlayers& dialog, const QString& name) {
  auto* list = dialog.findChild<QListWidget*>("lstPlayers");
  const auto found = list->findItems(name, Qt::MatchExactly);
  if (!found.isEmpty()) list->setCurrentItem(found.front());
}

}  // namespace

class PlayersDialogsTest : public QObject {
  Q_OBJECT

  struct TDialogWorld {
    testing::TWindowWorld world;
    TfrmPlayers dialog{world.session};

    TDialogWorld() {
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    QPushButton* Button(const char* name) const { return dialog.findChild<QPushButton*>(name); }
    QString LastMessage() const {
      return world.screen.messages.empty() ? QString() : QString::fromStdString(world.screen.messages.back().text);
    }
  };

  struct TShownWindow {
    testing::TWindowWorld world;
    TfrmMain window{world.state, world.session, world.appearance, world.library};

    TShownWindow() {
      QString message;
      world.library.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, message);
      world.state.config.Write(cfg::kDealAnimation, "N");
      window.resize(1000, 700);
      window.show();
      if (QTest::qWaitForWindowExposed(&window)) QTRY_VERIFY(world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
    }
    QAction* Action(const char* name) const { return window.findChild<QAction*>(name); }
    QString Number() const { return QString::fromStdString(world.state.config.Read(cfg::kGameNumber)); }
    QStringList Messages() const {
      QStringList texts;
      for (const auto& shown : world.screen.messages) texts << QString::fromStdString(shown.text);
      return texts;
    }
  };

 private slots:
  void opensOnTheStoredListWithTheCurrentPlayerSelected() {
    TDialogWorld shown;
    QCOMPARE(shown.dialog.windowTitle(), QString("Players"));
    QCOMPARE(fnShownNames(shown.dialog), (QStringList{"Player 1", "Player 2", "Player 3"}));
    QCOMPARE(fnSelectedName(shown.dialog), QString("Player 1"));
    QVERIFY(shown.Button("btnSelect")->isEnabled());
    QVERIFY(shown.Button("btnEdit")->isEnabled());
    QVERIFY(!shown.Button("btnDelete")->isEnabled());  // the current player
    fnSelectRow(shown.dialog, "Player 3");
    QVERIFY(shown.Button("btnDelete")->isEnabled());
    QVERIFY(!shown.dialog.findChild<QLabel*>("lblWorking")->isVisible());
  }

  void addRenameAndDeleteAreStoredWhenTheDialogCloses() {
    TDialogWorld shown;
    QString caption;
    fnAnswerName("Dan", &caption);
    shown.Button("btnNew")->click();
    QCOMPARE(caption, QString("Add a player"));
    QCOMPARE(fnShownNames(shown.dialog), (QStringList{"Player 1", "Player 2", "Player 3", "Dan"}));
    QCOMPARE(fnSelectedName(shown.dialog), QString("Dan"));

    // The Insert key adds too; a name that exists is refused and asked again.
    fnWhenOpen<TfrmPlayers2>([&shown](TfrmPlayers2& ask) {
      ask.findChild<QLineEdit*>("edtPlayerName")->setText("Dan");
      ask.findChild<QPushButton*>("btnOK")->click();
      QCOMPARE(shown.LastMessage(), QString("This player name already exists."));
      QVERIFY(ask.isVisible());
      ask.findChild<QLineEdit*>("edtPlayerName")->setText("A/B");
      ask.findChild<QPushButton*>("btnOK")->click();
      QVERIFY(shown.LastMessage().startsWith("A Player name cannot contain any of the following characters: \\ /"));
      ask.reject();
    });
    QTest::keyClick(shown.dialog.findChild<QListWidget*>("lstPlayers"), Qt::Key_Insert);
    QCOMPARE(fnShownNames(shown.dialog).size(), 4);

    fnSelectRow(shown.dialog, "Player 2");
    fnAnswerName("Bea", &caption);
    shown.Button("btnEdit")->click();
    QCOMPARE(caption, QString("Edit a player"));
    QCOMPARE(shown.LastMessage(), QString("Player renamed."));
    QCOMPARE(fnShownNames(shown.dialog), (QStringList{"Bea", "Dan", "Player 1", "Player 3"}));
    QCOMPARE(fnSelectedName(shown.dialog), QString("Bea"));

    // The Delete key asks first; the first player is selected afterwards.
    fnSelectRow(shown.dialog, "Player 3");
    QTest::keyClick(shown.dialog.findChild<QListWidget*>("lstPlayers"), Qt::Key_Delete);
    QVERIFY(shown.LastMessage().startsWith("Are you sure you want to delete the selected player?\r"));
    QCOMPARE(fnShownNames(shown.dialog), (QStringList{"Bea", "Dan", "Player 1"}));
    QCOMPARE(fnSelectedName(shown.dialog), QString("Bea"));

    shown.Button("btnClose")->click();
    QVERIFY(!shown.dialog.isVisible());
    QVERIFY(!shown.dialog.PlayerChanged());
    QCOMPARE(fnReadPlayers(*shown.world.state.store), (std::vector<std::string>{"Bea", "Dan", "Player 1"}));
    const std::string store = shown.world.Store();
    QVERIFY(store.find("User004=\r\n") != std::string::npos);
    QVERIFY(store.find("User020=\r\n") != std::string::npos);
  }

  void theCurrentPlayerIsNotDeletedByTheKey() {
    TDialogWorld shown;
    shown.world.screen.answers = {TMessageAnswer::Ok};
    QTest::keyClick(shown.dialog.findChild<QListWidget*>("lstPlayers"), Qt::Key_Delete);
    QCOMPARE(shown.LastMessage(), QString("It is impossible to delete the selected player."));
    QCOMPARE(fnShownNames(shown.dialog).size(), 3);
  }

  void aTwentyFirstPlayerIsRefusedAtOnce() {
    testing::TWindowWorld world;
    for (int i = 4; i <= 20; ++i)
      world.state.store->WriteString("Users", "User" + fnZeroFill(i, 3), "P" + fnZeroFill(i, 2));
    TfrmPlayers dialog(world.session);
    dialog.show();
    bool asked = false;
    fnWhenOpen<TfrmPlayers2>(
        [&asked](TfrmPlayers2& ask) {
          asked = true;
          ask.reject();
        },
        3);
    dialog.findChild<QPushButton*>("btnNew")->click();
    QTest::qWait(100);
    QVERIFY(!asked);
    QCOMPARE(world.screen.messages.size(), 1u);
    QCOMPARE(QString::fromStdString(world.screen.messages[0].text), QString("There can be at most 20 players."));
    QCOMPARE(fnShownNames(dialog).size(), 20);
  }

  void aNameThatCannotBeUsedMustBeRenamedBeforeClosing() {
    testing::TWindowWorld world;
    world.state.store->WriteString("Users", "User002", "Bo|b");
    TfrmPlayers dialog(world.session);
    dialog.show();
    QString caption;
    fnAnswerName("", &caption);  // the rename is cancelled: the dialog stays
    dialog.findChild<QPushButton*>("btnClose")->click();
    QCOMPARE(caption, QString("Edit a player"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(world.screen.messages.size(), 1u);
    QVERIFY(world.screen.messages[0].text.ends_with("\rPlease rename the Player name:  Bo|b"));
    fnAnswerName("Bob");
    dialog.close();
    QVERIFY(dialog.isVisible());
    QCOMPARE(fnShownNames(dialog), (QStringList{"Bob", "Player 1", "Player 3"}));
    dialog.close();
    QVERIFY(!dialog.isVisible());
  }

  void choosingAnotherPlayerOpensAGameForThem() {
    TShownWindow shown;
    shown.world.state.config.Write(cfg::kConfirmQuitGame, "Y");
    shown.world.screen.answers = {TMessageAnswer::Ok};
    // The open-a-game dialog follows; cancelled, the current game is dealt for the new player.
    fnWhenOpen<TfrmOpenGame>([](TfrmOpenGame& dialog) { dialog.reject(); });
    const QString number = shown.Number();
    fnWhenOpen<TfrmPlayers>([](TfrmPlayers& dialog) {
      fnSelectRow(dialog, "Player 2");
      auto* list = dialog.findChild<QListWidget*>("lstPlayers");
      // A double click is a click and then the second press.
      const QPoint at = list->visualItemRect(list->currentItem()).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    });
    shown.Action("mnuPlayers")->trigger();
    QCOMPARE(shown.Messages(), QStringList{"Start a new game for player Player 2?"});
    QVERIFY(shown.window.windowTitle().contains("[Player 2]"));
    QVERIFY(shown.world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
    QVERIFY(shown.Number() != number);
    QVERIFY(shown.world.Store().find("UserDefault=Player 2") != std::string::npos);

    shown.world.screen.answers = {TMessageAnswer::Ok};
    fnWhenOpen<TfrmPlayers>([](TfrmPlayers& dialog) {
      fnSelectRow(dialog, "Player 3");
      dialog.findChild<QPushButton*>("btnSelect")->click();
    });
    testing::fnOpenGameNamed(*shown.Action("mnuPlayers"), "Klondike");
    QVERIFY(shown.window.windowTitle().contains("[Klondike]  [Player 3]"));
    QVERIFY(shown.world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
  }

  void aSavedGamesPlayerThatCannotBeUsedLeavesTheGameToTheCurrentPlayer() {
    TShownWindow shown;
    testing::TTempFolder files;
    const std::string path = files / "deal.gam";
    shown.window.SetFileChooser([&path](bool, const QString&, const QString&) { return QString::fromStdString(path); });
    shown.Action("mnuSave")->trigger();
    std::string saved = files.Read("deal.gam");
    const auto player = saved.find("Player 1");
    QVERIFY(player != std::string::npos);
    files.Write("deal.gam", saved.replace(player, 8, "Bo|b    "));
    testing::fnOpenSavedGame(*shown.Action("mnuOpen"));
    QVERIFY(shown.world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
    QVERIFY(shown.Messages().value(0).startsWith("The player name \"Bo|b\" cannot be used."));
    QVERIFY(shown.window.windowTitle().contains("[Player 1]"));
  }

  void twoPlayersTakeTurnsUntilTheModeIsQuit() {
    TShownWindow shown;
    QVERIFY(shown.window.findChild<QMenu*>("mnuTwoPlayersMode")->menuAction()->isVisible());
    QVERIFY(!shown.Action("mnuQuitTwoPlayersMode")->isEnabled());
    fnWhenOpen<TfrmTwoPlayersMode>([](TfrmTwoPlayersMode& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Two Players Mode"));
      // Nothing stored yet: the current player against the next one.
      QCOMPARE(dialog.findChild<QComboBox*>("cmbPlayer1")->currentText(), QString("Player 1"));
      QCOMPARE(dialog.findChild<QComboBox*>("cmbPlayer2")->currentText(), QString("Player 2"));
      dialog.findChild<QComboBox*>("cmbPlayer1")->setCurrentText("Player 3");
      dialog.findChild<QComboBox*>("cmbPlayer2")->setCurrentText("Player 2");
      dialog.findChild<QCheckBox*>("chkSameGameNumber")->setChecked(true);
      dialog.findChild<QPushButton*>("btnPlay")->click();
    });
    shown.Action("mnuStartTwoPlayersMode")->trigger();
    QVERIFY(shown.window.windowTitle().contains("[Player 3]"));
    shown.Action("mnuNew")->trigger();
    QVERIFY(shown.window.windowTitle().contains("[Player 2]"));
    shown.Action("mnuNew")->trigger();
    QCOMPARE(shown.Messages(), (QStringList{"Now play: Player 3", "Now play: Player 2", "Now play: Player 3"}));
    QVERIFY(shown.world.Store().find("Two_Players_Mode_Same_Game_Num=Y") != std::string::npos);

    QVERIFY(shown.Action("mnuQuitTwoPlayersMode")->isEnabled());
    shown.Action("mnuQuitTwoPlayersMode")->trigger();
    QCOMPARE(shown.Messages().value(3), QString("Quit Two Players Mode?"));
    QVERIFY(!shown.Action("mnuQuitTwoPlayersMode")->isEnabled());
    shown.Action("mnuNew")->trigger();
    QCOMPARE(shown.Messages().size(), 4);
    QVERIFY(shown.window.windowTitle().contains("[Player 3]"));
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::PlayersDialogsTest)
#include "players_dialogs_test.moc"
