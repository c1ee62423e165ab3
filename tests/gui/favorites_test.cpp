// The favourites: the organiser, the add dialog, the Favorites menu and the
// random favourite game, over sound and damaged sections.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "choice/favorites_file.h"
#include "choice/ui/favorites_tree_view.h"
#include "choice/ui/frm_fast_search.h"
#include "choice/ui/frm_favorite.h"
#include "choice/ui/frm_favorite_add.h"
#include "choice/ui/frm_favorite_add_folder.h"
#include "choice/ui/game_icons.h"
#include "config/text.h"
#include "model/main_game_entries.h"
#include "support/modal_dialogs.h"
#include "support/window_world.h"
#include "view/frm_main.h"

namespace tablerun {
namespace {

using testing::fnWhenOpen;
using TEntries = std::vector<TFavoriteEntry>;

int fnCode(testing::TWindowWorld& world, const char* name) {
  return world.state.mainGame.Catalogue().CodeOf(name, world.state.customGames);
}

QTreeWidgetItem* fnItem(QTreeWidget& tree, const QString& caption) {
  const QList<QTreeWidgetItem*> found = tree.findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.front();
}

void fnOpenLibrary(testing::TWindowWorld& world) {
  QString message;
  QVERIFY2(world.library.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, message), qPrintable(message));
}

void fnSelectGames(QListWidget& games, const QStringList& names) {
  games.clearSelection();
  for (const QString& name : names) games.findItems(name, Qt::MatchExactly).front()->setSelected(true);
}

// The folder-name dialog answers `name` once it opens.
void fnAnswerFolderName(const QString& name) {
  fnWhenOpen<TfrmFavoriteAddFolder>([name](TfrmFavoriteAddFolder& ask) {
    ask.findChild<QLineEdit*>("edtFolderName")->setText(name);
    ask.findChild<QPushButton*>("btnOK")->click();
  });
}

// A drag of `format` let go at a point of the view; the application takes a
// drop only where a drag entered and was welcome.
void fnDrop(QAbstractItemView& view, const char* format, const QPoint& at) {
  QMimeData data;
  data.setData(format, {});
  QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view.viewport(), &enter);
  QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view.viewport(), &drop);
}

QPoint fnPlaceOf(QTreeWidget& tree, const QString& caption) {
  return tree.visualItemRect(fnItem(tree, caption)).center();
}

// Captions as the menu shows them, a folder's games in brackets.
QStringList fnMenuShape(const QMenu& menu) {
  QStringList shape;
  for (const QAction* action : menu.actions()) {
    QString text = action->isSeparator() ? "-" : action->text();
    if (const QMenu* folder = action->menu()) text += "[" + fnMenuShape(*folder).join(' ') + "]";
    shape << text;
  }
  return shape;
}

}  // namespace

class FavoritesTest : public QObject {
  Q_OBJECT

 private slots:
  void theOrganiserArrangesGamesAndFoldersAndSavesThemOnOk() {
    testing::TWindowWorld world;
    fnOpenLibrary(world);
    TfrmFavorite window(world.state, world.library);
    QCOMPARE(window.windowTitle(), QString("Favorite games"));
    auto* games = window.findChild<QListWidget*>("lbAll");
    auto* tree = window.findChild<QTreeWidget*>("trvSelected");
    auto* rename = window.findChild<QPushButton*>("btnRenameFolder");
    QVERIFY(games->selectedItems().isEmpty());
    QCOMPARE(window.findChild<QToolButton*>("btnAdd")->toolTip(), QString("Add the selected game"));
    for (const char* arrow : {"btnAdd", "btnRemove", "btnRemoveAll"})
      QVERIFY(!window.findChild<QToolButton*>(arrow)->icon().isNull());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    fnSelectGames(*games, {"Klondike", "FreeCell"});
    window.findChild<QToolButton*>("btnAdd")->click();
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("FreeCell"));

    // An empty name is refused and the dialog stays; then "Cards" is made before the games.
    fnWhenOpen<TfrmFavoriteAddFolder>([&world](TfrmFavoriteAddFolder& ask) {
      QCOMPARE(ask.windowTitle(), QString("Create New Folder"));
      QCOMPARE(ask.findChild<QLineEdit*>("edtFolderName")->text(), QString("New folder"));
      ask.findChild<QLineEdit*>("edtFolderName")->clear();
      ask.findChild<QPushButton*>("btnOK")->click();
      QVERIFY(ask.isVisible());
      QCOMPARE(world.screen.messages.back().text, std::string("Please enter at least 1 character."));
      ask.findChild<QLineEdit*>("edtFolderName")->setText("Cards");
      ask.findChild<QPushButton*>("btnOK")->click();
    });
    window.findChild<QPushButton*>("btnCreateFolder")->click();
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("Cards"));
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    QVERIFY(rename->isEnabled());

    fnSelectGames(*games, {"Spider"});
    window.findChild<QToolButton*>("btnAdd")->click();
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("Spider"));
    tree->setCurrentItem(fnItem(*tree, "Spider"));
    QVERIFY(!rename->isEnabled());

    // A folder dropped into its own game is refused; a game dropped onto the folder goes in last.
    tree->setCurrentItem(fnItem(*tree, "Cards"));
    fnDrop(*tree, kDraggedFavorite, fnPlaceOf(*tree, "Spider"));
    QCOMPARE(tree->topLevelItemCount(), 3);
    QCOMPARE(fnItem(*tree, "Spider")->parent(), fnItem(*tree, "Cards"));
    tree->setCurrentItem(fnItem(*tree, "Klondike"));
    fnDrop(*tree, kDraggedFavorite, fnPlaceOf(*tree, "Cards"));
    QCOMPARE(fnItem(*tree, "Cards")->childCount(), 2);
    // Games of the list dropped on a game inside the folder are sorted into that folder.
    fnSelectGames(*games, {"Canfield"});
    fnDrop(*tree, kDraggedGames, fnPlaceOf(*tree, "Spider"));
    QCOMPARE(fnItem(*tree, "Cards")->child(0)->text(0), QString("Canfield"));

    fnAnswerFolderName("Best");
    tree->setCurrentItem(fnItem(*tree, "Cards"));
    rename->click();
    QVERIFY(fnItem(*tree, "Best"));
    // Delete takes the chosen node away; so does dropping it on the list of games.
    tree->setCurrentItem(fnItem(*tree, "Canfield"));
    QTest::keyClick(tree, Qt::Key_Delete);
    tree->setCurrentItem(fnItem(*tree, "FreeCell"));
    fnDrop(*games, kDraggedFavorite, {5, 5});
    QVERIFY(!fnItem(*tree, "Canfield") && !fnItem(*tree, "FreeCell"));

    QVERIFY(fnReadFavorites(*world.state.store).empty());
    window.findChild<QPushButton*>("btnOK")->click();
    QCOMPARE(window.result(), int{QDialog::Accepted});
    QCOMPARE(fnReadFavorites(*world.state.store), (TEntries{{1, -10, "Best"},
                                                            {2, fnCode(world, "Spider"), "Spider"},
                                                            {2, fnCode(world, "Klondike"), "Klondike"}}));
    QVERIFY(QString::fromStdString(world.Store()).contains("Game0000=01-010Best"));
  }

  void theAddDialogAsksOnceWhenTheGameIsAlreadyThere() {
    testing::TWindowWorld world;
    const int klondike = fnCode(world, "Klondike");
    world.state.config.Write(cfg::kGame, fnZeroFill(klondike, 4));
    world.state.config.Write(cfg::kGameName, "Klondike");

    // No favourites yet: the placeholder root stands for the top level.
    {
      TfrmFavoriteAdd window(world.state, world.library);
      QCOMPARE(window.windowTitle(), QString("Add Favorite"));
      QCOMPARE(window.findChild<QLabel*>("lblAdd")->text(), QString("Tablerun 2002 will add \"Klondike\""));
      auto* tree = window.findChild<QTreeWidget*>("trvFavorites");
      QCOMPARE(tree->topLevelItemCount(), 1);
      QCOMPARE(tree->topLevelItem(0)->text(0), QString("Favorite games"));
      tree->setCurrentItem(tree->topLevelItem(0));
      window.findChild<QPushButton*>("btnOK")->click();
      QCOMPARE(fnReadFavorites(*world.state.store), (TEntries{{1, klondike, "Klondike"}}));
      QVERIFY(world.screen.messages.empty());
    }

    fnWriteFavorites(*world.state.store, {{1, -11, "Cards"}, {2, klondike, "Klondike"}});
    const auto addToCards = [&](TMessageAnswer answer) {
      TfrmFavoriteAdd window(world.state, world.library);
      auto* tree = window.findChild<QTreeWidget*>("trvFavorites");
      QVERIFY(!tree->currentItem());
      tree->setCurrentItem(fnItem(*tree, "Cards"));
      world.screen.answers = {answer};
      window.findChild<QPushButton*>("btnOK")->click();
      QCOMPARE(window.result(), int{QDialog::Accepted});
    };
    addToCards(TMessageAnswer::No);
    QCOMPARE(world.screen.messages.size(), std::size_t{1});
    QCOMPARE(world.screen.messages[0].text,
             std::string("Klondike game is already in the Favorites list. Do you want to add it again?"));
    QCOMPARE(world.screen.messages[0].buttons, TMessageButtons::YesNo);
    QCOMPARE(fnReadFavorites(*world.state.store).size(), std::size_t{2});
    addToCards(TMessageAnswer::Yes);
    QCOMPARE(world.screen.messages.size(), std::size_t{2});
    QCOMPARE(fnReadFavorites(*world.state.store),
             (TEntries{{1, -11, "Cards"}, {2, klondike, "Klondike"}, {2, klondike, "Klondike"}}));
  }

  void theMenuListsTheFavoritesAndStartsTheChosenOne() {
    testing::TWindowWorld world;
    world.state.config.Write(cfg::kDealAnimation, "N");
    fnOpenLibrary(world);
    const int klondike = fnCode(world, "Klondike"), spider = fnCode(world, "Spider");
    fnWriteFavorites(*world.state.store, {{1, -11, "Cards"}, {2, klondike, "Klondike"}, {1, spider, "Spider"}});
    world.state.store->WriteString("Preference", "Open_Show_Won_Lost", "Y");
    TfrmMain window(world.state, world.session, world.appearance, world.library);
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
    auto* menu = window.findChild<QMenu*>("mnuListFavorites");
    QCOMPARE(fnMenuShape(*menu),
             (QStringList{"&Add to Favorites...", "&Organize Favorites...", "-", "Cards[Klondike]", "Spider"}));
    // Marked as never played, as the open-a-game dialog's lists would show it.
    const QImage marked =
        fnGameTypeIcon(world.library, world.state.mainGame.Catalogue().TypeOf(spider), TGameStatus::NotPlayed)
            .pixmap(16, 16)
            .toImage();
    QVERIFY(!marked.isNull());
    QCOMPARE(menu->actions()[4]->icon().pixmap(16, 16).toImage(), marked);

    menu->actions()[3]->menu()->actions()[0]->trigger();
    QCOMPARE(fnTrimRight(world.state.config.Read(cfg::kGameName)), std::string("Klondike"));
    QCOMPARE(world.state.store->ReadString("Preference", "Game", ""), fnZeroFill(klondike, 4));

    // From the favourites at random: the one game there is, remembered as the kind to repeat.
    fnWriteFavorites(*world.state.store, {{1, -11, "Only folders"}, {1, spider, "Spider"}});
    window.findChild<QAction*>("mnuRandomFavorites")->trigger();
    QCOMPARE(fnTrimRight(world.state.config.Read(cfg::kGameName)), std::string("Spider"));
    QCOMPARE(world.state.mainGame.Get(entries::kRandomGameType), 1);

    // The organiser emptied: only the fixed items stay, and the fast-search window showing the favourites follows.
    window.findChild<QAction*>("mnuGamesFastSearch")->trigger();
    auto* fastSearch = window.findChild<TfrmFastSearch*>("frmFastSearch");
    QVERIFY(fastSearch && fastSearch->isVisible());
    fastSearch->findChild<QAction*>("mnuFavoriteGames")->trigger();
    auto* fastList = fastSearch->findChild<QTreeWidget*>("trvGames");
    QCOMPARE(fastList->topLevelItemCount(), 2);
    fnWhenOpen<TfrmFavorite>([](TfrmFavorite& organiser) {
      organiser.findChild<QToolButton*>("btnRemoveAll")->click();
      organiser.findChild<QPushButton*>("btnOK")->click();
    });
    window.findChild<QAction*>("mnuOrganizeFavorite")->trigger();
    QCOMPARE(fnMenuShape(*menu), (QStringList{"&Add to Favorites...", "&Organize Favorites...", "-"}));
    QCOMPARE(fastList->topLevelItemCount(), 0);
    fastSearch->hide();

    // No favourites: asked; "No" leaves the game alone, "Yes" opens the organiser.
    const std::size_t asked = world.screen.messages.size();
    world.screen.answers = {TMessageAnswer::No};
    window.findChild<QAction*>("mnuRandomFavorites")->trigger();
    QCOMPARE(world.screen.messages.size(), asked + 1);
    QCOMPARE(world.screen.messages.back().text,
             std::string("You haven't selected any favorite game.\rDo you want to select now your favorite games?"));
    QCOMPARE(fnTrimRight(world.state.config.Read(cfg::kGameName)), std::string("Spider"));
    bool organised = false;
    fnWhenOpen<TfrmFavorite>([&organised](TfrmFavorite&) { organised = true; });
    world.screen.answers = {TMessageAnswer::Yes};
    window.findChild<QAction*>("mnuRandomFavorites")->trigger();
    QVERIFY(organised);
  }

  void aDamagedSectionIsShownAsFarAsItIsSound() {
    testing::TWindowWorld world;
    const int klondike = fnCode(world, "Klondike");
    TIniFile& store = *world.state.store;
    store.WriteString("Favorite Games", "Game0000", "01" + fnZeroFill(klondike, 4) + "Klondike");
    store.WriteString("Favorite Games", "Game0001", "02-0");
    store.WriteString("Favorite Games", "Game0002", "\x01garbage\xff");
    store.WriteString("Favorite Games", "Game0003", "01-011Never reached");

    TfrmFavorite organiser(world.state, world.library);
    auto* tree = organiser.findChild<QTreeWidget*>("trvSelected");
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(tree->topLevelItem(0)->text(0), QString("Klondike"));

    TfrmMain window(world.state, world.session, world.appearance, world.library);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* menu = window.findChild<QMenu*>("mnuListFavorites");
    QTRY_COMPARE(menu->actions().size(), 4);
    QCOMPARE(menu->actions()[3]->text(), QString("Klondike"));
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::FavoritesTest)
#include "favorites_test.moc"
