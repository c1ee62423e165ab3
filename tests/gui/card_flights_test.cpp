// Cards in flight and held cards in the main window: a command given while
// cards fly lands them first, and a held card is drawn only where it is held.
#include <QAction>
#include <QtTest>

#include "engine/history/table_state_lines.h"
#include "engine/legality/legal_moves.h"
#include "engine/pointer/pile_geometry.h"
#include "engine/session/play_commands.h"
#include "support/window_world.h"
#include "view/frm_main.h"
#include "view/qt_screen.h"
#include "view/table_area.h"
#include "view/table_painter.h"

namespace tablerun {

class CardFlightsTest : public QObject {
  Q_OBJECT

  // FreeCell number 1 in a shown window whose table flies every move.
  struct TFlyingWindow {
    testing::TWindowWorld world;
    TfrmMain window{world.state, world.session, world.appearance, world.library};
    TQtScreen flying;
    C_TTableArea* table = window.TableArea();

    TFlyingWindow() {
      QString message;
      world.library.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, message);
      world.appearance.StartUp();
      world.state.config.Write(cfg::kDealAnimation, "N");
      flying.SetTableArea(table);
      world.screen.table = &flying;
      window.resize(1000, 700);
      window.show();
      if (!QTest::qWaitForWindowExposed(&window)) return;
      QTRY_VERIFY(world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
      bool autoplay = true;
      world.state.config.Write(cfg::kGameNumber, "1");
      QVERIFY(fnDealGame(world.session, fnMaximisedWindowMetrics(1024, 768, 'B', 9), autoplay, false, 0).started);
      table->DealTable(false);
      fnDealShown(world.session);
      emit table->tableChanged();
      QVERIFY(QTest::qWaitFor([&] { return !table->Flying(); }));
    }
    TSnapshot Table() const { return fnTakeSnapshot(world.state.table, world.state.cards); }
    int UndoSteps() const { return world.session.executor.History().undo.Size(); }
    TTableView View() const { return TTableView(world.state.table, world.state.rules, world.state.cards); }
    QRect CardRect(TPileRef pile, int position) const {
      return fnQRect(fnPileGeometry(world.state).CardRect(pile, position));
    }
    // The first legal move, made as the table's pointer input makes it.
    void Move() {
      const auto moves = fnLegalMoves(world.state.table, world.state.rules, world.state.cards,
                                      world.session.executor.MoveContext(true));
      QVERIFY(!moves.empty());
      QVERIFY(world.session.executor.ExecuteMove(moves.front().card, TPileMove{moves.front().to}));
      emit table->tableChanged();
    }
    // The picture shows the core's table: drawing it all again changes nothing.
    bool PictureFollowsTable() const {
      const QImage shown = table->TableImage().copy();
      table->RedrawTable();
      return shown == table->TableImage();
    }
    // The card's face lies whole in the table image at `place`.
    bool Shows(int card, QPoint place) const {
      const QImage face = world.appearance.Images().Face(card).convertToFormat(QImage::Format_RGB32);
      const QImage shown = table->TableImage().copy(QRect(place, face.size())).convertToFormat(QImage::Format_RGB32);
      const QRect inside = face.rect().adjusted(3, 3, -3, -3);  // the rounded corners let the table through
      return face.copy(inside) == shown.copy(inside);
    }
  };

  enum class TAfter { TableBeforeTheMove, TableAfterTheMove, DealtTable, NewDeal, NoGame };

 private slots:
  void commandsDuringAFlightSeeASettledTable_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<int>("after");
    const std::tuple<const char*, TAfter> commands[] = {
        {"mnuUndo", TAfter::TableBeforeTheMove},
        {"mnuRedo", TAfter::TableAfterTheMove},
        {"mnuRestartGame", TAfter::DealtTable},
        {"mnuNew", TAfter::NewDeal},
        {"mnuAutoPlay", TAfter::TableAfterTheMove},
        {"mnuPause", TAfter::TableAfterTheMove},
        {"mnuQuitGame", TAfter::NoGame},
        {"mnuFullScreen", TAfter::TableAfterTheMove},
        {"mnuSnapshotPosition", TAfter::TableAfterTheMove},
    };
    for (const auto& [action, after] : commands) {
      QTest::newRow(action) << QString(action) << false << static_cast<int>(after);
      QTest::newRow((std::string(action) + " key").c_str()) << QString(action) << true << static_cast<int>(after);
    }
  }

  void commandsDuringAFlightSeeASettledTable() {
    QFETCH(QString, action);
    QFETCH(bool, byKey);
    QFETCH(int, after);
    TFlyingWindow shown;
    QVERIFY(QTest::qWaitForWindowActive(&shown.window));
    const TSnapshot dealt = shown.Table();
    shown.Move();
    shown.Move();
    const TSnapshot before = shown.Table();
    const int stepsBefore = shown.UndoSteps();
    shown.Move();
    const TSnapshot moved = shown.Table();
    const int stepsMoved = shown.UndoSteps();
    QVERIFY(shown.table->Flying());

    QAction* command = shown.window.findChild<QAction*>(action);
    if (byKey && command->shortcut().isEmpty()) QSKIP("no shortcut");
    // Nothing to redo after a move: the command refuses and the cards fly on.
    const bool enabled = command->isEnabled();
    if (byKey) {
      QTest::keySequence(&shown.window, command->shortcut());
    } else {
      command->trigger();
    }
    // A new deal's opening moves may fly again.
    if (enabled && static_cast<TAfter>(after) != TAfter::NewDeal) QVERIFY(!shown.table->Flying());
    QVERIFY(QTest::qWaitFor([&] { return !shown.table->Flying(); }));
    QVERIFY(shown.PictureFollowsTable());
    switch (static_cast<TAfter>(after)) {
      case TAfter::TableBeforeTheMove:
        QVERIFY(shown.Table() == before);
        QCOMPARE(shown.UndoSteps(), stepsBefore);
        break;
      case TAfter::TableAfterTheMove:
        QVERIFY(shown.Table() == moved);
        QCOMPARE(shown.UndoSteps(), stepsMoved);
        break;
      case TAfter::DealtTable:
        QVERIFY(shown.Table() == dealt);
        QCOMPARE(shown.UndoSteps(), 0);
        break;
      case TAfter::NewDeal:
        QVERIFY(shown.Table() != moved);
        QCOMPARE(shown.UndoSteps(), 0);
        QVERIFY(shown.world.state.runtime.Flag(TRuntimeFlag::GameInProgress));
        break;
      case TAfter::NoGame: QVERIFY(!shown.world.state.runtime.Flag(TRuntimeFlag::GameInProgress)); break;
    }
  }

  void aMoveLandsOnTheTableAfterItsFlight() {
    TFlyingWindow shown;
    shown.Move();
    const TSnapshot moved = shown.Table();
    QVERIFY(shown.table->Flying());
    QVERIFY(QTest::qWaitFor([&] { return !shown.table->Flying(); }));
    QVERIFY(shown.Table() == moved);
    QVERIFY(shown.PictureFollowsTable());
  }

  void aHeldCardIsDrawnOnlyWhereItIsHeld() {
    TFlyingWindow shown;
    const TPileRef column = fnFila(0);
    const int count = shown.View().Count(column);
    const int card = shown.View().Top(column);
    const QRect place = shown.CardRect(column, count - 1);
    QVERIFY(shown.Shows(card, place.topLeft()));
    const QPoint grab = place.topLeft() + QPoint(20, 30);
    QTest::mousePress(shown.table, Qt::LeftButton, {}, grab);
    QTest::mouseMove(shown.table, grab + QPoint(150, 200));
    QTest::mouseMove(shown.table, grab + QPoint(160, 210));
    QCOMPARE(shown.world.session.pointer.Picture().card, card);
    // Out of its column, which shows the card below in full.
    QVERIFY(!shown.Shows(card, place.topLeft()));
    QVERIFY(shown.Shows(shown.View().CardAt(column, count - 2), shown.CardRect(column, count - 2).topLeft()));
    // Put back where nothing takes it, it is in its column again once it lands.
    QTest::mouseMove(shown.table, QPoint(grab.x(), 640));
    QTest::mouseRelease(shown.table, Qt::LeftButton, {}, QPoint(grab.x(), 640));
    QVERIFY(QTest::qWaitFor([&] { return !shown.table->Flying(); }));
    QVERIFY(shown.Shows(card, place.topLeft()));
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::CardFlightsTest)
#include "card_flights_test.moc"
