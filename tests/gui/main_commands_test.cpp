// The main window's play commands, driven through its menu actions and keys
// on the offscreen platform, with FreeCell dealt at start-up.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <map>

#include "dialogs/advanced_form.h"
#include "dialogs/frm_game_won.h"
#include "engine/history/table_state_lines.h"
#include "engine/legality/legal_moves.h"
#include "engine/pointer/pile_geometry.h"
#include "engine/pointer/pile_info.h"
#include "engine/session/play_commands.h"
#include "engine/session/window_title.h"
#include "model/pile_names.h"
#include "support/open_game_driver.h"
#include "support/window_world.h"
#include "view/frm_main.h"
#include "view/pause_screen.h"
#include "view/qt_screen.h"
#include "view/status_panels.h"
#include "view/table_area.h"
#include "view/table_scroller.h"

namespace tablerun {

class MainCommandsTest : public QObject {
  Q_OBJECT

  // The window shown, with the stored game dealt as at start-up.
  struct TShownWindow {
    testing::TWindowWorld world;
    TfrmMain window{world.state, world.session, world.appearance, world.library};

    TShownWindow() {
      QString message;
      world.library.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, message);
      world.state.config.Write(cfg::kDealAnimation, "N");  // no deal animation: the tests need the dealt table only
      window.resize(1000, 700);
      window.show();
      if (QTest::qWaitForWindowExposed(&window)) QTRY_VERIFY(world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
    }
    QAction* Action(const char* name) const { return window.findChild<QAction*>(name); }
    TSnapshot Table() const { return fnTakeSnapshot(world.state.table, world.state.cards); }
    // FreeCell number 1 instead of the number drawn at start-up.
    void DealNumberOne() {
      bool autoplay = true;
      world.state.config.Write(cfg::kGameNumber, "1");
      QVERIFY(fnDealGame(world.session, fnMaximisedWindowMetrics(1024, 768, 'B', 9), autoplay, false, 0).started);
      fnDealShown(world.session);
      emit window.TableArea()->tableChanged();
    }
    // The first legal move, as the table reports a move of the player's.
    void MoveOnce() {
      TPlaySession& session = world.session;
      const auto moves =
          fnLegalMoves(world.state.table, world.state.rules, world.state.cards, session.executor.MoveContext(true));
      QVERIFY(!moves.empty());
      QVERIFY(session.executor.ExecuteMove(moves.front().card, TPileMove{moves.front().to}));
      emit window.TableArea()->tableChanged();
    }
  };

 private slots:
  void startUpDealsTheStoredGameUnderItsTitle() {
    TShownWindow shown;
    const TTablerunState& state = shown.world.state;
    QCOMPARE(QString::fromStdString(state.config.Read(cfg::kGameName)), QString("FreeCell"));
    QVERIFY(!state.table.Pile({TPileGroup::Fila, 0}).empty());
    const QString number = QString::fromStdString(state.config.Read(cfg::kGameNumber));
    QCOMPARE(shown.window.windowTitle(), "Tablerun 2002 10.2  [FreeCell]  [Player 1]  [" + number + "]");
    QVERIFY(shown.world.session.clock.Runs());
    QVERIFY(shown.Action("mnuNew")->isEnabled());
    QVERIFY(shown.Action("mnuAutoPlay")->isChecked());
    QVERIFY(!shown.Action("mnuUndo")->isEnabled());
  }

  void aTallTableScrollsWithTheBarAndTheWheel() {
    TShownWindow shown;
    testing::fnOpenGameNamed(*shown.Action("mnuOpen"), "Klondike");  // its piles grow downwards
    shown.window.resize(1000, 300);
    auto* bar = shown.window.findChild<QScrollBar*>("scrBarMain");
    C_TTableArea* table = shown.window.TableArea();
    const int cardHeight = shown.world.appearance.Images().CardSize().height();
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(table->LowestDrawn() > bar->height());
    QCOMPARE(table->height(), table->LowestDrawn() + 2 * cardHeight);

    QWheelEvent down(QPointF(50, 50), table->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(table, &down);
    QCOMPARE(bar->value(), 60);

    // Held cards brought to the bottom edge scroll a page, not past the end.
    bar->setValue(0);
    const TTableView view(shown.world.state.table, shown.world.state.rules, shown.world.state.cards);
    const TRect top = fnPileGeometry(shown.world.state).CardRect(fnFila(6), view.Count(fnFila(6)) - 1);
    const QPoint held(top.left + 5, top.top + 5);
    QTest::mousePress(table, Qt::LeftButton, Qt::NoModifier, held);
    QVERIFY(shown.world.session.pointer.Picture().card != 0);
    QTest::mouseMove(table, QPoint(held.x(), bar->pageStep() - 2));
    QTRY_COMPARE(bar->value(), std::min(bar->pageStep(), bar->maximum()));
    QTest::mouseRelease(table, Qt::LeftButton, Qt::NoModifier, QPoint(held.x(), bar->value() + 2));

    shown.window.resize(1000, 900);
    QTRY_VERIFY(!bar->isVisible());
    QCOMPARE(bar->value(), 0);
    // Without "VertScrollBar" the window never scrolls.
    shown.world.state.config.Write(cfg::kVertScrollBar, "N");
    shown.window.resize(1000, 300);
    QTest::qWait(50);
    QVERIFY(!bar->isVisible());
  }

  void spaceTurnsTheStockAndQuitLeavesTheTableBare() {
    TShownWindow shown;
    testing::fnOpenGameNamed(*shown.Action("mnuOpen"), "Klondike");
    const TTablerunState& state = shown.world.state;
    const std::size_t stock = state.table.Pile(kMazzo).size();
    // The offscreen platform leaves the closed dialog active.
    QApplication::setActiveWindow(&shown.window);
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    QTest::keyClick(&shown.window, Qt::Key_Space);
    QVERIFY(state.table.Pile(kMazzo).size() < stock);

    QTest::keyClick(&shown.window, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!state.runtime.Flag(TRuntimeFlag::GameInProgress));
    QVERIFY(!shown.Action("mnuQuitGame")->isEnabled());
    // No card face is left on the table: nothing near white.
    const QImage bare = shown.window.TableArea()->TableImage().convertToFormat(QImage::Format_RGB32);
    bool white = false;
    for (int y = 0; y < bare.height() && !white; y += 4) {
      for (int x = 0; x < bare.width() && !white; x += 4) white = qGray(bare.pixel(x, y)) > 230;
    }
    QVERIFY(!white);
    QTest::keyClick(&shown.window, Qt::Key_F2);
    QVERIFY(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  }

  void popUpMenusOfTheTableAndTheToolbar() {
    TShownWindow shown;
    C_TTableArea* table = shown.window.TableArea();
    // Low on the left of FreeCell's table no pile lies.
    const QPoint bare(5, table->height() - 5);
    QTest::mouseClick(table, Qt::RightButton, Qt::ControlModifier, bare);
    QCOMPARE(shown.world.screen.popups, (std::vector<std::pair<int, int>>{{bare.x(), bare.y()}}));
    shown.window.ShowMainPopup(bare.x(), bare.y());
    auto* popMain = shown.window.findChild<QMenu*>("popMain");
    QTRY_VERIFY(popMain->isVisible());
    QVERIFY(popMain->findChild<QAction*>("popMainPause")->isEnabled());
    QVERIFY(!popMain->findChild<QAction*>("popMainCardCounter")->isEnabled());
    popMain->close();

    shown.Action("popTBStyle2")->trigger();
    shown.Action("popTBFlat2")->trigger();
    const TIniFile& store = *shown.world.state.store;
    QCOMPARE(store.ReadString("Preference", "ToolBar_XP", ""), std::string("N"));
    QCOMPARE(store.ReadString("Preference", "ToolBar_Flat", ""), std::string("N"));
    for (QToolButton* button : shown.window.findChild<QToolBar*>("toolBarLarge")->findChildren<QToolButton*>())
      QVERIFY(!button->autoRaise());
  }

  void theStatusBarTellsAboutThePileUnderThePointer() {
    TShownWindow shown;
    C_TTableArea* table = shown.window.TableArea();
    const TPileGeometry geometry = fnPileGeometry(shown.world.state);
    const TRect pile = geometry.CardRect(fnFila(0), 0);
    QTest::mouseMove(table, QPoint(pile.left + 2, pile.top + 2));
    auto* panels = shown.window.findChild<C_TStatusPanels*>();
    QTRY_COMPARE(panels->PanelText(0), QString("Tableau"));
    QCOMPARE(panels->PanelText(1), QString("8"));

    // The pointer stays where it is while the game and the table change under it.
    const QPoint rest(pile.left + 2, pile.top + 2);
    const auto expected = [&](int panel) {
      const TPileInfo info = fnPileInfo(shown.world.state, rest.x(), rest.y(), {});
      return QString::fromStdString(info.panels[static_cast<std::size_t>(panel)]);
    };
    testing::fnOpenGameNamed(*shown.Action("mnuOpen"), "Klondike");
    for (int panel = 0; panel < kStatusPanelCount; ++panel) QCOMPARE(panels->PanelText(panel), expected(panel));

    const TPileGeometry klondike = fnPileGeometry(shown.world.state);
    const TRect stock = klondike.CardRect(kMazzo, 0);
    QTest::mouseMove(table, QPoint(stock.left + 2, stock.top + 2));
    QTRY_COMPARE(panels->PanelText(0), QString("Stock"));
    QCOMPARE(panels->PanelText(2), QString("24 cards"));
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    QTest::keyClick(&shown.window, Qt::Key_Space);
    const auto left = static_cast<int>(shown.world.state.table.Pile(kMazzo).size() / 3);
    QCOMPARE(panels->PanelText(2), QString("%1 cards").arg(left));

    const TRect waste = klondike.CardRect(kMazzoVis, 0);
    QTest::mouseMove(table, QPoint(waste.left + 2, waste.top + 2));
    QTRY_COMPARE(panels->PanelText(0), QString("Waste"));
    auto* hint = shown.window.findChild<QFrame*>("pnlStatus3");
    QVERIFY(hint->contentsRect().width() > hint->fontMetrics().horizontalAdvance(panels->PanelText(3)));
  }

  void aClockTickRepaintsOnlyTheTime() {
    TShownWindow shown;
    auto* time = shown.window.findChild<QLabel*>("lblTempo");
    QTest::qWait(100);
    struct TPaints : QObject {
      std::map<QObject*, int> count;
      bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count[watched];
        return false;
      }
    } paints;
    const auto bars = shown.window.findChildren<QToolBar*>();
    for (QToolBar* bar : bars) bar->installEventFilter(&paints);
    time->installEventFilter(&paints);
    const QSize size = time->size();
    // The widest time there is, as the screen shows a tick.
    time->setText("10:00:00");
    QTest::qWait(50);
    QVERIFY(paints.count[time] > 0);
    for (QToolBar* bar : bars) QCOMPARE(paints.count[bar], 0);
    QCOMPARE(time->size(), size);
  }

  void undoAndRedoGoBackAndForth() {
    TShownWindow shown;
    shown.DealNumberOne();
    const TSnapshot dealt = shown.Table();
    shown.MoveOnce();
    const TSnapshot moved = shown.Table();
    QVERIFY(moved != dealt);
    QVERIFY(!shown.Action("mnuRedo")->isEnabled());
    shown.Action("mnuUndo")->trigger();
    QVERIFY(shown.Table() == dealt);
    QVERIFY(!shown.Action("mnuUndo")->isEnabled());
    QVERIFY(shown.Action("mnuRedo")->isEnabled());
    shown.Action("mnuRedo")->trigger();
    QVERIFY(shown.Table() == moved);
    // With undo switched off the commands are too.
    shown.world.state.config.Write(cfg::kUndoEnabled, "2");
    emit shown.window.TableArea()->tableChanged();
    QVERIFY(!shown.Action("mnuUndo")->isEnabled());
  }

  void saveAndLoadGiveBackTheGame() {
    TShownWindow shown;
    testing::TTempFolder files;
    QStringList asked;
    QString answer = QString::fromStdString(files / "deal.gam");
    shown.window.SetFileChooser([&](bool save, const QString& folder, const QString& name) {
      asked << QString("%1 %2 %3").arg(save ? "save" : "open", folder, name);
      return answer;
    });
    shown.DealNumberOne();
    shown.MoveOnce();
    const TSnapshot saved = shown.Table();
    shown.world.clock.Advance(42);
    shown.Action("mnuSave")->trigger();
    QVERIFY(files.Exists("deal.gam"));
    shown.MoveOnce();
    QVERIFY(shown.Table() != saved);

    testing::fnOpenSavedGame(*shown.Action("mnuOpen"));
    QVERIFY(shown.Table() == saved);
    QCOMPARE(shown.world.session.clock.ElapsedSeconds(), 42);
    const QString documents = QString::fromStdString(shown.world.home.Path());
    QCOMPARE(asked, (QStringList{"save " + documents + " FreeCell.gam",
                                 "open " + QString::fromStdString(files.Path()) + " "}));
    // Cancelling the dialog changes nothing.
    answer.clear();
    testing::fnOpenSavedGame(*shown.Action("mnuOpen"));
    QVERIFY(shown.Table() == saved);
  }

  void theSaveDialogStartsInAFolderThatExists() {
    TShownWindow shown;
    QString asked;
    shown.window.SetFileChooser([&](bool, const QString& folder, const QString&) {
      asked = folder;
      return QString();
    });
    const QString home = QDir::cleanPath(QString::fromStdString(shown.world.home.Path()));
    shown.world.state.userFolders.documents = (home + "/Documents").toStdString();  // a fresh account has none yet
    shown.Action("mnuSave")->trigger();
    QCOMPARE(asked, home);
    shown.world.state.store->WriteString("Preference", "Dir_Save", (home + "/Tablerun/gone/deeper/").toStdString());
    shown.Action("mnuSave")->trigger();
    QCOMPARE(asked, home + "/Tablerun");
  }

  void pauseHidesTheTableAndStopsTheTime() {
    TShownWindow shown;
    auto* pause = shown.window.findChild<C_TPauseScreen*>("pnlPause");
    shown.world.clock.Advance(10);
    shown.Action("mnuPause")->trigger();
    QVERIFY(pause->isVisible());
    QVERIFY(shown.Action("mnuPause")->isChecked());
    QCOMPARE(pause->geometry(), shown.window.TableArea()->rect());
    const int home = pause->SwingX();
    QTRY_VERIFY(pause->SwingX() != home);
    shown.world.clock.Advance(120);
    QTest::keyClick(shown.window.TableArea(), Qt::Key_A);
    QVERIFY(!pause->isVisible());
    QVERIFY(!shown.Action("mnuPause")->isChecked());
    QCOMPARE(shown.world.session.clock.ElapsedSeconds(), 10);
  }

  void leavingAGameInProgressAsksFirst() {
    struct TCase {
      const char* confirm;
      TMessageAnswer answer;
      bool asked;
      bool dealt;
    };
    for (const TCase& c : {TCase{"Y", TMessageAnswer::Cancel, true, false}, TCase{"Y", TMessageAnswer::Ok, true, true},
                           TCase{"N", TMessageAnswer::Cancel, false, true}}) {
      TShownWindow shown;
      shown.world.state.config.Write(cfg::kConfirmQuitGame, c.confirm);
      shown.MoveOnce();
      const TSnapshot before = shown.Table();
      shown.world.screen.answers = {c.answer};
      QVERIFY(QTest::qWaitForWindowActive(&shown.window));
      QTest::keyClick(&shown.window, Qt::Key_F2);
      const auto& messages = shown.world.screen.messages;
      QCOMPARE(!messages.empty() && messages.back().text == "Quit this game?", c.asked);
      QCOMPARE(shown.Table() != before, c.dealt);
    }
  }

  void aSmallWindowKeepsEveryButtonAndPileWithinReach() {
    TShownWindow shown;
    shown.window.resize(640, 420);
    const auto* exit = shown.window.findChild<QWidget*>("tbExit_Large");
    const QRect exitRect(exit->mapTo(&shown.window, QPoint(0, 0)), exit->size());
    for (const char* panel : {"pnlScore", "pnlTempo"})
      QVERIFY2(!shown.window.findChild<QFrame*>(panel)->geometry().intersects(exitRect), panel);

    testing::fnOpenGameNamed(*shown.Action("mnuOpen"), "Spider");  // ten columns wider than the window
    const auto* scroller = shown.window.findChild<C_TTableScroller*>();
    const C_TTableArea* table = shown.window.TableArea();
    QVERIFY(scroller->WideBarShown());
    QVERIFY(table->width() >= table->RightmostDrawn());
    shown.window.resize(1000, 700);
    QTRY_VERIFY(!scroller->WideBarShown());
    QCOMPARE(table->width(), scroller->viewport()->width());
  }

  // Message boxes and dialogs carry only a close button, and are wide enough for their title.
  void messageBoxesAreDialogFramesWideEnoughForTheirTitle() {
    TShownWindow shown;
    TQtScreen screen;
    screen.SetParentWindow(&shown.window);
    QStringList seen;
    const auto look = [&] {
      QWidget* box = QApplication::activeModalWidget();
      if (!box) return;
      const Qt::WindowFlags flags = box->windowFlags();
      QFont bold = box->font();
      bold.setBold(true);
      const bool wide = box->width() > QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 60;
      seen << QString("%1 %2 %3")
                  .arg(flags.testFlag(Qt::WindowMinimizeButtonHint) || flags.testFlag(Qt::WindowMaximizeButtonHint)
                           ? "min-max"
                           : "close-only",
                       flags.testFlag(Qt::CustomizeWindowHint) ? "custom" : "default", wide ? "wide" : "narrow");
      box->close();
    };
    QTimer::singleShot(0, look);
    screen.ShowMessage(TMessageKind::Question, "Insert bookmark?", TMessageButtons::OkCancel);
    QTimer::singleShot(0, look);
    shown.Action("mnuAbout")->trigger();
    C_TAdvancedForm form(&shown.window);
    QTimer::singleShot(0, look);
    form.exec();
    QCOMPARE(seen, QStringList(3, "close-only custom wide"));
  }

  void autoplaySwitchedOnIsPlainToSee() {
    TShownWindow shown;
    QAction* autoplay = shown.Action("mnuAutoPlay");
    auto* button = shown.window.findChild<QToolButton*>("tbAutoplay_Large");
    const auto edge = [&] { return button->grab().toImage().pixel(2, button->height() / 2); };
    autoplay->setChecked(false);
    const QColor off = QColor::fromRgb(edge());
    autoplay->setChecked(true);
    const QColor on = QColor::fromRgb(edge());
    QVERIFY(on.hsvSaturation() - off.hsvSaturation() > 40);
  }

  // The window manager frames the window as its state says; the native window
  // itself is never made again, so the two cannot get out of step.
  void fullScreenAndBackKeepTheShortcuts() {
    TShownWindow shown;
    const Qt::WindowFlags flags = shown.window.windowFlags();
    const WId native = shown.window.winId();
    const QRect placed = shown.window.geometry();
    for (int round = 0; round < 2; ++round) {
      QVERIFY(QTest::qWaitForWindowActive(&shown.window));
      QTest::keyClick(&shown.window, Qt::Key_F11);
      QVERIFY(shown.Action("mnuFullScreen")->isChecked());
      QVERIFY(shown.window.isFullScreen());
      QVERIFY(!shown.window.menuBar()->isVisible());
      QVERIFY(shown.Action("tbRestoreAfterFS_Large")->isVisible());
      QVERIFY(QTest::qWaitForWindowActive(&shown.window));
      QTest::keyClick(&shown.window, Qt::Key_F11);
      QVERIFY(!shown.Action("mnuFullScreen")->isChecked());
      QVERIFY(!shown.window.isFullScreen());
      QVERIFY(shown.window.menuBar()->isVisible());
      QVERIFY(!shown.Action("tbRestoreAfterFS_Large")->isVisible());
      QCOMPARE(shown.window.windowFlags(), flags);
      QCOMPARE(shown.window.winId(), native);
      QTRY_COMPARE(shown.window.geometry(), placed);
    }
  }

  void gameWonWindowOffersWhatItCanDo() {
    testing::TWindowWorld world;
    TfrmGameWon window(world.library, true);
    QCOMPARE(window.windowTitle(), QString("Game won"));
    QStringList enabled;
    for (QAction* action : window.findChildren<QAction*>()) {
      if (action->objectName().startsWith("tb") && action->isEnabled()) enabled << action->text();
    }
    QCOMPARE(enabled, (QStringList{"New", "Restart", "Random game", "Select a game number"}));
    window.findChild<QAction*>("tbRestart_Large")->trigger();
    QCOMPARE(window.result(), int(TfrmGameWon::Restart));
  }

  void exitAsksWhenTheSettingSaysSo() {
    TShownWindow shown;
    shown.world.state.store->WriteString("Preference", "ConfirmQuit", "Y");
    shown.world.screen.answers = {TMessageAnswer::Cancel};
    shown.Action("mnuEsci")->trigger();
    QVERIFY(shown.window.isVisible());
    QCOMPARE(QString::fromStdString(shown.world.screen.messages.back().text), QString("Exit Tablerun 2002?"));
    QVERIFY(shown.world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
    shown.Action("mnuEsci")->trigger();
    QVERIFY(!shown.window.isVisible());
    QVERIFY(!shown.world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::MainCommandsTest)
#include "main_commands_test.moc"
