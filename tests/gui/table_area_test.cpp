// The table on a dealt game: what it paints, and play with the mouse.
#include <QElapsedTimer>
#include <QtTest>

#include <filesystem>

#include "config/text.h"
#include "engine/appearance/table_painting.h"
#include "engine/deal/game_number.h"
#include "engine/deal/game_start.h"
#include "support/window_world.h"
#include "view/background.h"
#include "view/table_area.h"
#include "view/table_painter.h"

namespace tablerun {
namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 0;
constexpr int kSpider = 3;
constexpr int kAceOfHearts = 1;

// A program folder with the games list and the image library the build made,
// a data folder of the test's own, and a table showing game `code`.
struct TWorld : testing::TWindowWorld {
  C_TTableArea table;

  explicit TWorld(int code, const std::string& number = "1", bool animate = false) {
    std::filesystem::create_symlink(std::string(TABLERUN_PROGRAM_FOLDER) + "TBLR.RGF", program / "TBLR.RGF");
    if (!started || !fnOpenImageLibraryOrTell(state, library)) qFatal("no start-up");
    appearance.StartUp();
    state.config.Write(cfg::kGame, fnZeroFill(code, 4));
    state.config.Write(cfg::kGameNumber, number);
    const TGameStart start{.deal = true, .animate = animate, .numberMode = 0, .quiet = false};
    if (!fnStartGame(state, start, fnMaximisedWindowMetrics(1024, 768, 'B', 9)).started) qFatal("no deal");
    session.BeginGame();
    QImage background(1024, 768, QImage::Format_RGB32);
    DrawBackground(state, library, background);
    table.resize(1024, 720);
    table.Attach(session, appearance, library);
    table.SetBackground(background);
    table.show();
    table.DealTable(animate);
    state.mainGame.Set(entries::kDealShown, 1);
    session.executor.RunOpeningMoves();
  }

  // Waits for the cards in flight to land.
  bool Landed() {
    return QTest::qWaitFor([&] { return !table.Flying(); }, 10000);
  }
  TPileGeometry Geometry() const { return fnPileGeometry(state); }
  TTableView View() const { return Geometry().View(); }
  QRect TopCard(TPileRef pile) const { return fnQRect(Geometry().CardRect(pile, View().Count(pile) - 1)); }
  // The card's picture lies whole in the table image at `place`.
  bool Shows(int card, QPoint place) const {
    const QImage face = appearance.Images().Face(card).convertToFormat(QImage::Format_RGB32);
    const QImage shown = table.TableImage().copy(QRect(place, face.size())).convertToFormat(QImage::Format_RGB32);
    // The rounded corners let the table through.
    const QRect inside = face.rect().adjusted(3, 3, -3, -3);
    return face.copy(inside) == shown.copy(inside);
  }
};

// A double click as the window system delivers it: the second press comes
// just before the double click that stands for it.
void fnDoubleClick(QWidget& widget, QPoint at) {
  static quint64 timestamp = 1'000'000;
  timestamp += 10'000;
  const auto send = [&](QEvent::Type type, quint64 offset) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    event.setTimestamp(timestamp + offset);
    QApplication::sendEvent(&widget, &event);
  };
  send(QEvent::MouseButtonPress, 0);
  send(QEvent::MouseButtonRelease, 60);
  send(QEvent::MouseButtonPress, 120);
  send(QEvent::MouseButtonDblClick, 120);
  send(QEvent::MouseButtonRelease, 180);
}

struct TPaintCounter : QObject {
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

}  // namespace

class TableAreaTest : public QObject {
  Q_OBJECT

 private slots:
  void paintsEveryTopCardWhereTheLayoutPutsIt() {
    for (const int code : {kFreeCell, kKlondike}) {
      TWorld world(code);
      const TTableView view = world.View();
      int shown = 0;
      for (int i = 0; i < view.TableauPiles(); ++i) {
        const TPileRef pile = fnFila(i);
        if (view.IsFaceDown(view.Top(pile))) continue;
        QVERIFY2(world.Shows(view.Top(pile), world.TopCard(pile).topLeft()), qPrintable(QString::number(i)));
        ++shown;
      }
      QVERIFY(shown >= 7);
      // An empty free cell shows its mark, not the bare cloth.
      if (code == kFreeCell) {
        const QRect cell = world.TopCard(fnAppogg(0));
        const QImage area = world.table.TableImage().copy(cell);
        QVERIFY(area.pixel(cell.width() / 2, 1) != area.pixel(cell.width() / 2, cell.height() / 2) ||
                area.pixel(1, cell.height() / 2) != area.pixel(cell.width() / 2, cell.height() / 2));
      }
    }
  }

  void denseScreensGetFacesBacksAndMarksAtTwiceThePixels() {
    TWorld world(kFreeCell);
    const TCardImages& images = world.appearance.Images();
    QVERIFY(images.SharpFace(1).isNull());  // decoded only for a screen that shows them
    QCOMPARE(images.Back().devicePixelRatio(), 1.0);

    world.appearance.SetSharpPictures(true);
    QVERIFY(world.appearance.LoadCardImages(false));
    for (const int card : {1, 13, 26, 52}) QCOMPARE(images.SharpFace(card).size(), images.CardSize() * 2);
    QVERIFY(images.SharpFace(0).isNull());
    QCOMPARE(images.Back().size(), images.CardSize() * 2);
    QCOMPARE(images.Back().deviceIndependentSize().toSize(), images.CardSize());
    QImage mark;
    QVERIFY(world.appearance.LoadMark(mark, "FoundationA"));
    QCOMPARE(mark.devicePixelRatio(), 2.0);
    QCOMPARE(mark.deviceIndependentSize().toSize(), images.CardSize());
  }

  void animatedDealEndsWithTheSameTable() {
    TWorld plain(kKlondike, "7");
    TWorld animated(kKlondike, "7", true);
    QVERIFY(animated.table.Flying());
    QVERIFY(animated.Landed());
    QCOMPARE(animated.table.TableImage(), plain.table.TableImage());
  }

  void dragsATableauCardToAFreeCell() {
    TWorld world(kFreeCell);
    const TPileRef from = fnFila(0);
    const int card = world.View().Top(from);
    const int count = world.View().Count(from);
    const QRect source = world.TopCard(from);
    const QRect cell = world.TopCard(fnAppogg(0));
    const QPoint grab = source.topLeft() + QPoint(20, 30);
    QTest::mousePress(&world.table, Qt::LeftButton, {}, grab);
    // Held, the card has left its pile on the table image.
    QVERIFY(!world.Shows(card, source.topLeft()));
    for (int step = 1; step <= 4; ++step) {
      QTest::mouseMove(&world.table, grab + (cell.topLeft() - source.topLeft()) * step / 4);
    }
    QSignalSpy changed(&world.table, &C_TTableArea::tableChanged);
    QTest::mouseRelease(&world.table, Qt::LeftButton, {}, grab + cell.topLeft() - source.topLeft());
    QCOMPARE(world.View().Top(fnAppogg(0)), card);
    QCOMPARE(world.View().Count(from), count - 1);
    // The table already holds the move; the picture shows the card only once it lands.
    QVERIFY(world.table.Flying());
    QVERIFY(!world.Shows(card, cell.topLeft()));
    QVERIFY(world.Landed());
    QVERIFY(world.Shows(card, cell.topLeft()));
    QVERIFY(world.Shows(world.View().Top(from), world.TopCard(from).topLeft()));
    QCOMPARE(changed.count(), 1);
  }

  void refusedDropPutsTheCardBack() {
    TWorld world(kFreeCell);
    const TPileRef from = fnFila(0);
    const std::string before = world.state.table.Pile(from);
    const QRect source = world.TopCard(from);
    const QPoint grab = source.topLeft() + QPoint(20, 30);
    QTest::mousePress(&world.table, Qt::LeftButton, {}, grab);
    QTest::mouseMove(&world.table, QPoint(500, 700));
    QTest::mouseRelease(&world.table, Qt::LeftButton, {}, QPoint(500, 700));
    QCOMPARE(world.state.table.Pile(from), before);
    QVERIFY(world.Landed());
    QVERIFY(world.Shows(world.View().Top(from), source.topLeft()));
  }

  void doubleClickSendsTheAceHome() {
    TWorld world(kFreeCell);
    const auto place = world.View().FindCard(kAceOfHearts);
    QVERIFY(place && place->position == world.View().Count(place->pile) - 1);
    fnDoubleClick(world.table, world.TopCard(place->pile).center());
    QCOMPARE(world.View().Top(fnDest(0)), kAceOfHearts);
    QVERIFY(world.Landed());
    QVERIFY(world.Shows(kAceOfHearts, world.TopCard(fnDest(0)).topLeft()));
  }

  void doubleClickOnTheStockTurnsItTwice() {
    TWorld once(kKlondike), twice(kKlondike);
    QTest::mouseClick(&once.table, Qt::LeftButton, {}, once.TopCard(kMazzo).center());
    const int turned = once.View().Count(kMazzoVis);
    QVERIFY(turned > 0);
    fnDoubleClick(twice.table, twice.TopCard(kMazzo).center());
    QCOMPARE(twice.View().Count(kMazzoVis), 2 * turned);
  }

  void rightClickSendsTheAceHome() {
    TWorld world(kFreeCell);
    const auto place = world.View().FindCard(kAceOfHearts);
    QTest::mouseClick(&world.table, Qt::RightButton, {}, world.TopCard(place->pile).center());
    QCOMPARE(world.View().Top(fnDest(0)), kAceOfHearts);
  }

  void clickClickMovesTheSelectedCard() {
    TWorld world(kFreeCell);
    world.state.mainGame.Set(entries::kClickClick, 1);
    const TPileRef from = fnFila(0);
    const int card = world.View().Top(from);
    QTest::mouseClick(&world.table, Qt::LeftButton, {}, world.TopCard(from).center());
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(&world.table, Qt::LeftButton, {}, world.TopCard(fnAppogg(1)).center());
    QCOMPARE(world.View().Top(fnAppogg(1)), card);
  }

  // Paint time per pointer move while dragging a King-to-Ace run over a full
  // two-deck table; printed, not judged.
  void measuresDragFrames() {
    TWorld world(kSpider);
    std::string run;
    for (int rank = 13; rank >= 1; --rank) {
      const int card = 39 + rank;  // spades of the first deck
      if (const auto place = world.View().FindCard(card)) {
        std::string text = world.state.table.Pile(place->pile);
        text.erase(static_cast<std::size_t>(place->position) * 3, 3);
        world.state.table.SetPile(place->pile, text);
      }
      world.state.cards.fnSetCardFace(card, TCardFace::Up);
      run += fnCardText(card);
    }
    world.state.table.SetPile(fnFila(0), world.state.table.Pile(fnFila(0)) + run);
    world.table.RedrawTable();
    const TPileGeometry geometry = world.Geometry();
    const QRect king = fnQRect(geometry.CardRect(fnFila(0), world.View().Count(fnFila(0)) - 13));
    QPoint at = king.topLeft() + QPoint(10, 5);
    QTest::mousePress(&world.table, Qt::LeftButton, {}, at);
    QCOMPARE(world.session.pointer.Picture().card, 39 + 13);
    QCOMPARE(world.session.pointer.Picture().topCard, 39 + 1);
    QApplication::processEvents();
    constexpr int kFrames = 300;
    TPaintCounter paints;
    world.table.installEventFilter(&paints);
    QElapsedTimer timer;
    timer.start();
    for (int frame = 0; frame < kFrames; ++frame) {
      at += QPoint(frame % 60 < 30 ? 2 : -2, 1);
      QTest::mouseMove(&world.table, at);
      QApplication::processEvents();
    }
    const double perFrame = static_cast<double>(timer.nsecsElapsed()) / 1e6 / kFrames;
    qInfo("drag of 13 cards over Spider: %.3f ms per pointer move, %d moves painted in %d paints", perFrame, kFrames,
          paints.count);
    QTest::mouseRelease(&world.table, Qt::LeftButton, {}, at);
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::TableAreaTest)
#include "table_area_test.moc"
