// The open-a-game dialog: its lists, the preview of the selected game, the
// won and lost marks of the player in the player box, and the main window
// starting the game chosen with OK.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <fstream>
#include <map>

#include "choice/game_tree.h"
#include "choice/ui/frm_open_game.h"
#include "choice/ui/game_icons.h"
#include "choice/ui/open_game_items.h"
#include "config/text.h"
#include "records/game_statistics.h"
#include "records/records_of_state.h"
#include "support/modal_dialogs.h"
#include "support/window_world.h"
#include "view/frm_main.h"

namespace tablerun {
namespace {

using testing::fnWhenOpen;

struct TOpenGameWorld : testing::TWindowWorld {
  TOpenGameWorld() {
    QString message;
    if (!library.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, message)) qFatal("%s", qPrintable(message));
    state.store->WriteString("Users", "User001", "Ann");
    state.store->WriteString("Users", "User002", "Bob");
    state.config.Write(cfg::kPlayer, "Ann");
  }
  // STAT.DAT holding one record per game and player.
  void SetStatistics(int code, const std::string& player, const TGameStatistics& statistics) {
    records[{code, player}] = statistics;
    std::string text = "[Version]\r\nVersion=0300\r\n";
    for (const auto& [key, record] : records)
      text += "\r\n[" + fnZeroFill(key.first, 4) + "]\r\n" + key.second + "=" + fnStatisticsText(record) + "\r\n";
    std::ofstream(state.dataFolder + "STAT.DAT", std::ios::binary) << text;
  }
  std::map<std::pair<int, std::string>, TGameStatistics> records;
};

QTreeWidget* fnList(QWidget& dialog, const char* name) { return dialog.findChild<QTreeWidget*>(name); }

QString fnLabel(QWidget& dialog, const char* name) { return dialog.findChild<QLabel*>(name)->text(); }

QTreeWidgetItem* fnItemNamed(QTreeWidget& tree, const QString& name) {
  const auto found = tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

QImage fnIconPixels(const QIcon& icon) { return icon.pixmap(QSize(16, 16)).toImage(); }

}  // namespace

class OpenGameTest : public QObject {
  Q_OBJECT

 private slots:
  void allGamesListHoldsEveryBuiltInGameWithTheCurrentOneSelected() {
    TOpenGameWorld world;
    world.state.config.Write(cfg::kGame, "0007");
    TfrmOpenGame dialog(world.state, world.library, {});
    QCOMPARE(dialog.windowTitle(), QString("Open a game"));
    dialog.show();
    QTreeWidget* all = fnList(dialog, "trvAllGames");
    const auto& entries = world.state.mainGame.Catalogue().Entries();
    QCOMPARE(all->topLevelItemCount(), static_cast<int>(entries.size()));
    for (const TCatalogueEntry& entry : entries)
      QVERIFY2(fnItemNamed(*all, QString::fromStdString(entry.name)) != nullptr, entry.name.c_str());
    QVERIFY(all->currentItem() != nullptr);
    QCOMPARE(all->currentItem()->text(0), QString("Yukon"));
    QCOMPARE(dialog.findChild<QToolButton*>("tbAllGames")->toolTip(),
             QString("List all the games in alphabetic order"));
  }

  void aGroupIsFilledWhenFirstOpened() {
    TOpenGameWorld world;
    world.state.store->WriteInteger("Preference", "Game_TreeType", 1);
    TfrmOpenGame dialog(world.state, world.library, {});
    dialog.show();
    QTreeWidget* groups = fnList(dialog, "trvGroups");
    QVERIFY(groups->isVisible());
    // With nothing remembered, FreeCell's group is open with FreeCell selected.
    QCOMPARE(groups->currentItem()->text(0), QString("FreeCell"));
    QTreeWidgetItem* features = fnItemNamed(*groups, "Games by Features");
    QVERIFY(fnIsUnfilledGroup(*features));
    features->setExpanded(true);
    QCOMPARE(features->childCount(), 4);
    QTreeWidgetItem* quick = nullptr;
    QTreeWidgetItem* time = features->child(0);
    QCOMPARE(time->text(0), QString("by Game Time"));
    QVERIFY(fnIsUnfilledGroup(*time));
    groups->setCurrentItem(time);
    QCOMPARE(time->childCount(), 3);
    quick = time->child(0);
    QVERIFY(fnIsUnfilledGroup(*quick));
    quick->setExpanded(true);
    const auto expected = fnGroupGames(-203010, world.state.mainGame.Catalogue(), world.state.customGames);
    QCOMPARE(quick->childCount(), static_cast<int>(expected.size()));
  }

  void theGroupOfTheLastChosenGameIsOpenedOnTheFirstShowing() {
    TOpenGameWorld world;
    world.state.store->WriteInteger("Preference", "Game_TreeType", 1);
    world.state.store->WriteInteger("Preference", "Game_TreeNum", -202050);
    world.state.config.Write(cfg::kGame, "0003");
    TfrmOpenGame dialog(world.state, world.library, {});
    dialog.show();
    QTreeWidget* groups = fnList(dialog, "trvGroups");
    QCOMPARE(groups->currentItem()->text(0), QString("Spider"));
    QCOMPARE(groups->currentItem()->parent()->text(0), QString("Spider type"));
    QVERIFY(fnIsUnfilledGroup(*fnItemNamed(*groups, "FreeCell type")));

    QTreeWidgetItem* howTo = fnItemNamed(*groups, "Customized games");
    howTo->setExpanded(true);
    emit groups->itemDoubleClicked(howTo->child(0), 0);
    QCOMPARE(world.screen.messages.back().text,
             std::string("To customize a game:\rselect the game you want to customize,\rthen choose the \"Customize "
                         "rules\" option from the Tools menu (or press Ctrl+R)."));
  }

  void selectingAGameShowsItsFeaturesAndNothingSelectedShowsNone() {
    TOpenGameWorld world;
    int drawn = -1;
    TOpenGameHooks hooks;
    hooks.drawPreview = [&](int code, QSize size) {
      drawn = code;
      QImage picture(size, QImage::Format_RGB32);
      picture.fill(Qt::blue);
      return picture;
    };
    TfrmOpenGame dialog(world.state, world.library, hooks);
    dialog.show();
    QTreeWidget* all = fnList(dialog, "trvAllGames");
    all->setCurrentItem(fnItemNamed(*all, "Klondike"));
    const auto features = fnGameFeatures(world.state.mainGame.Catalogue(), world.state.customGames, 0);
    QVERIFY(features.has_value());
    QCOMPARE(fnLabel(dialog, "lblGameName"), QString("Klondike"));
    QCOMPARE(fnLabel(dialog, "lblDecks"), QString("1"));
    QCOMPARE(fnLabel(dialog, "lblGameTime"), QString::fromStdString(features->gameTime));
    QCOMPARE(fnLabel(dialog, "lblChance"), QString::fromStdString(features->chance));
    QCOMPARE(fnLabel(dialog, "lblRedeals"), QString::fromStdString(features->redeals));
    QVERIFY(!dialog.findChild<QLabel*>("lblGameTimeBar")->pixmap().isNull());
    QCOMPARE(drawn, 0);
    QCOMPARE(dialog.findChild<QLabel*>("imgPreview")->pixmap().toImage().pixel(5, 5), QColor(Qt::blue).rgb());
    QVERIFY(dialog.findChild<QPushButton*>("btnOK")->isEnabled());

    all->setCurrentItem(nullptr);
    QCOMPARE(fnLabel(dialog, "lblGameName"), QString());
    QVERIFY(!dialog.findChild<QPushButton*>("btnOK")->isEnabled());
    // The neutral picture: green at the top fading to black.
    const QImage neutral = dialog.findChild<QLabel*>("imgPreview")->pixmap().toImage();
    QCOMPARE(QColor(neutral.pixel(5, 0)), QColor(0, 128, 0));
    QCOMPARE(QColor(neutral.pixel(5, neutral.height() - 1)), QColor(0, 0, 0));

    // With the preview switched off the game is never dealt for its picture.
    world.state.store->WriteString("Preference", "Open_Preview_Game", "N");
    drawn = -1;
    TfrmOpenGame plain(world.state, world.library, hooks);
    plain.show();
    QTreeWidget* list = fnList(plain, "trvAllGames");
    list->setCurrentItem(fnItemNamed(*list, "Klondike"));
    QCOMPARE(drawn, -1);
    QCOMPARE(plain.findChild<QLabel*>("imgPreview")->pixmap().toImage(), neutral);
  }

  void aGameLostTwiceShowsTheNotWonMarkUntilItIsWon() {
    TOpenGameWorld world;
    world.SetStatistics(0, "Ann", {.lost = 2, .longestLosingStreak = 2, .losingStreak = 2});
    world.state.store->WriteString("Preference", "Open_Show_Won_Lost", "Y");
    TfrmOpenGame dialog(world.state, world.library, {});
    dialog.show();
    QTreeWidget* all = fnList(dialog, "trvAllGames");
    QTreeWidgetItem* klondike = fnItemNamed(*all, "Klondike");
    const int type = fnTypeOf(*klondike);
    QCOMPARE(fnIconPixels(klondike->icon(0)), fnIconPixels(fnGameTypeIcon(world.library, type, TGameStatus::NotWon)));
    QTreeWidgetItem* other = fnItemNamed(*all, "FreeCell");
    QCOMPARE(fnIconPixels(other->icon(0)),
             fnIconPixels(fnGameTypeIcon(world.library, fnTypeOf(*other), TGameStatus::NotPlayed)));

    world.SetStatistics(0, "Ann", {.won = 1, .lost = 2, .longestWinningStreak = 1, .winningStreak = 1});
    dialog.RefreshMarks(0);
    QCOMPARE(fnIconPixels(klondike->icon(0)), fnIconPixels(fnGameTypeIcon(world.library, type, TGameStatus::Won)));

    dialog.findChild<QCheckBox*>("chkShowWonLost")->setChecked(false);
    QCOMPARE(fnIconPixels(klondike->icon(0)), fnIconPixels(fnGameTypeIcon(world.library, type, std::nullopt)));
  }

  void favoritesKeepTheirFoldersAndAnEmptyListOffersTheOrganiser() {
    TOpenGameWorld world;
    int organised = 0;
    TOpenGameHooks hooks;
    hooks.organizeFavorites = [&] { ++organised; };
    world.state.store->WriteInteger("Preference", "Game_TreeType", 3);
    TfrmOpenGame empty(world.state, world.library, hooks);
    empty.show();
    QTreeWidget* none = fnList(empty, "trvFavorites");
    QCOMPARE(none->topLevelItemCount(), 1);
    QCOMPARE(fnCodeOf(*none->topLevelItem(0)), kAddFavoriteCode);
    QCOMPARE(none->topLevelItem(0)->text(0), QString("(Double click to add a game)"));
    emit none->itemDoubleClicked(none->topLevelItem(0), 0);
    QCOMPARE(organised, 1);

    for (const auto& [key, value] :
         {std::pair{"Game0000", "01-011Cards"}, {"Game0001", "020001FreeCell"}, {"Game0002", "010007Yukon"}})
      world.state.store->WriteString("Favorite Games", key, value);
    world.state.store->WriteInteger("Preference", "Game_TreePos", 2);
    TfrmOpenGame dialog(world.state, world.library, hooks);
    dialog.show();
    QTreeWidget* favorites = fnList(dialog, "trvFavorites");
    QCOMPARE(favorites->topLevelItemCount(), 2);
    QTreeWidgetItem* cards = favorites->topLevelItem(0);
    QCOMPARE(cards->text(0), QString("Cards"));
    QVERIFY(!fnIsGame(*cards));
    QCOMPARE(cards->childCount(), 1);
    QCOMPARE(fnCodeOf(*cards->child(0)), 1);
    QCOMPARE(favorites->currentItem()->text(0), QString("Yukon"));
  }

  void recentGamesAreInNameOrderWithTheCurrentGameSelected() {
    TOpenGameWorld world;
    world.state.store->WriteString("Last Played Games", "Game001", "0007");
    world.state.store->WriteString("Last Played Games", "Game002", "0001");
    world.state.config.Write(cfg::kGame, "0007");
    world.state.store->WriteInteger("Preference", "Game_TreeType", 4);
    TfrmOpenGame dialog(world.state, world.library, {});
    dialog.show();
    QTreeWidget* recent = fnList(dialog, "trvRecents");
    QCOMPARE(recent->topLevelItemCount(), 2);
    QCOMPARE(recent->topLevelItem(0)->text(0), QString("FreeCell"));
    QCOMPARE(recent->currentItem()->text(0), QString("Yukon"));
    // Rebuilt at every switch, keeping the selection.
    world.state.store->WriteString("Last Played Games", "Game003", "0000");
    recent->setCurrentItem(recent->topLevelItem(0));
    dialog.findChild<QToolButton*>("tbAllGames")->click();
    dialog.findChild<QToolButton*>("tbRecents")->click();
    QCOMPARE(recent->topLevelItemCount(), 3);
    QCOMPARE(recent->currentItem()->text(0), QString("FreeCell"));
  }

  void okWithoutAGameSaysSoAndWithOneRemembersIt() {
    TOpenGameWorld world;
    TfrmOpenGame dialog(world.state, world.library, {});
    dialog.show();
    QTreeWidget* all = fnList(dialog, "trvAllGames");
    all->setCurrentItem(nullptr);
    dialog.findChild<QPushButton*>("btnOK")->setEnabled(true);
    dialog.findChild<QPushButton*>("btnOK")->click();
    QCOMPARE(world.screen.messages.back().text, std::string("Open a game"));
    QVERIFY(dialog.isVisible());

    all->setCurrentItem(fnItemNamed(*all, "Klondike"));
    dialog.findChild<QPushButton*>("btnOK")->click();
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
    QCOMPARE(dialog.ChosenCode(), 0);
    QCOMPARE(dialog.ChosenName(), std::string("Klondike"));
    QCOMPARE(world.state.store->ReadString("Preference", "Game_Name", ""), std::string("Klondike"));
    QCOMPARE(world.state.store->ReadInteger("Preference", "Game_TreeType", -5), std::int64_t{0});
    QCOMPARE(world.state.store->ReadInteger("Preference", "Game_TreePos", -5),
             std::int64_t{fnAbsoluteIndex(*all->currentItem())});
  }

  void theMainWindowStartsTheChosenGameForTheChosenPlayerOnly() {
    TOpenGameWorld world;
    world.state.config.Write(cfg::kDealAnimation, "N");
    world.SetStatistics(0, "Bob", {.won = 3});
    TfrmMain window(world.state, world.session, world.appearance, world.library);
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(world.state.runtime.Flag(TRuntimeFlag::GameInProgress));

    // Another player changes the marks, and Cancel leaves everything as it was.
    fnWhenOpen<TfrmOpenGame>([&](TfrmOpenGame& dialog) {
      dialog.findChild<QCheckBox*>("chkShowWonLost")->setChecked(true);
      auto* players = dialog.findChild<QComboBox*>("cboPlayers");
      players->setCurrentText("Bob");
      emit players->activated(players->currentIndex());
      QTreeWidget* all = fnList(dialog, "trvAllGames");
      QTreeWidgetItem* klondike = fnItemNamed(*all, "Klondike");
      QCOMPARE(fnIconPixels(klondike->icon(0)),
               fnIconPixels(fnGameTypeIcon(world.library, fnTypeOf(*klondike), TGameStatus::Won)));
      dialog.reject();
    });
    window.findChild<QAction*>("mnuOpen")->trigger();
    QCOMPARE(fnTrimRight(world.state.config.Read(cfg::kPlayer)), std::string("Ann"));

    fnWhenOpen<TfrmOpenGame>([](TfrmOpenGame& dialog) {
      QTreeWidget* all = fnList(dialog, "trvAllGames");
      all->setCurrentItem(fnItemNamed(*all, "Klondike"));
      dialog.findChild<QPushButton*>("btnOK")->click();
    });
    window.findChild<QAction*>("mnuOpen")->trigger();
    QCOMPARE(fnTrimRight(world.state.config.Read(cfg::kGameName)), std::string("Klondike"));
    QCOMPARE(fnTrimRight(world.state.config.Read(cfg::kPlayer)), std::string("Ann"));
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::OpenGameTest)
#include "open_game_test.moc"
