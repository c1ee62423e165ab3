// The status bar's pile information and the pointer panels on a dealt Klondike table.
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QtTest>

#include <filesystem>

#include "config/preferences.h"
#include "engine/deal/game_number.h"
#include "engine/deal/game_start.h"
#include "engine/pointer/hit_test.h"
#include "support/window_world.h"
#include "view/appearance.h"
#include "view/status_panels.h"

namespace tablerun {
namespace {

// Klondike deal 1 in a window of its own; the window owns the panels.
struct TWorld : testing::TWindowWorld {
  QMainWindow window;
  C_TStatusPanels* panels = nullptr;

  TWorld() {
    std::filesystem::create_symlink(std::string(TABLERUN_PROGRAM_FOLDER) + "TBLR.RGF", program / "TBLR.RGF");
    if (!started || !fnOpenImageLibraryOrTell(state, library)) qFatal("no start-up");
    state.config.Write(cfg::kGame, "0000");
    state.config.Write(cfg::kGameNumber, "1");
    const TGameStart start{.deal = true, .animate = false, .numberMode = 0, .quiet = true};
    if (!fnStartGame(state, start, fnMaximisedWindowMetrics(1024, 768, 'B', 9)).started) qFatal("no deal");
    session.BeginGame();
    panels = new C_TStatusPanels(window, state, library);
    window.resize(1024, 768);
    window.show();
  }

  // The top card of the pile; the table starts at the window's corner here.
  QPoint On(TPileRef pile) const {
    const TPileGeometry geometry = fnPileGeometry(state);
    const TRect rect = geometry.CardRect(pile, std::max(geometry.View().Count(pile) - 1, 0));
    return {rect.left + 2, rect.top + 2};
  }
  QStringList Texts() const {
    QStringList texts;
    for (int panel = 0; panel < 5; ++panel) texts << panels->PanelText(panel);
    return texts;
  }
  QFrame* Panel(const char* name) const { return window.findChild<QFrame*>(name); }
  QString Label(const char* name) const { return window.findChild<QLabel*>(name)->text(); }
  bool Inside(const char* name) const { return window.rect().contains(Panel(name)->geometry()); }
};

}  // namespace

class StatusPanelsTest : public QObject {
  Q_OBJECT

 private slots:
  void tellsThePileUnderThePointer() {
    TWorld world;
    QCOMPARE(world.window.statusBar()->objectName(), QString("sbStatusBar"));
    const QPoint tableau = world.On(fnFila(0));
    world.panels->UpdatePileInfo(false, tableau, tableau);
    QCOMPARE(world.Texts(),
             QStringList({"Tableau", "7", "1 card", "Build down in alternating colors (ex. 10 [d] on Jack [c][s])",
                          "Unlimited redeals"}));
    QVERIFY(!world.panels->PointerPanelsShown());

    world.panels->Clear();
    QCOMPARE(world.Texts(), QStringList({"", "", "", "", ""}));

    world.state.runtime.SetFlag(TRuntimeFlag::GameInProgress, false);
    world.panels->UpdatePileInfo(true, tableau, tableau);
    QCOMPARE(world.Texts(), QStringList({"", "7", "", "", ""}));
    QVERIFY(!world.panels->PointerPanelsShown());
  }

  void restingOverTheStockShowsBothPanelsInsideTheWindow() {
    TWorld world;
    const QPoint stock = world.On(kMazzo);
    world.panels->UpdatePileInfo(true, stock, stock);
    QVERIFY(world.Panel("pnlPilesSize")->isVisible());
    QVERIFY(world.Panel("pnlShowRedeals")->isVisible());
    QCOMPARE(world.Label("lblPilesSize"), QString("24 cards"));
    QCOMPARE(world.Label("lblShowRedeals"), QString("Unlimited"));
    QVERIFY(world.Inside("pnlPilesSize"));
    QVERIFY(world.Inside("pnlShowRedeals"));
    QVERIFY(world.Panel("pnlShowRedeals")->y() > world.Panel("pnlPilesSize")->geometry().bottom());

    world.panels->HidePointerPanels();
    QVERIFY(!world.Panel("pnlPilesSize")->isVisible());
    QVERIFY(!world.Panel("pnlShowRedeals")->isVisible());
  }

  void nearTheCornerThePanelMovesBesideThePointer() {
    TWorld world;
    const QPoint tableau = world.On(fnFila(6));
    const QPoint corner(world.window.width() - 20, world.window.height() - 20);
    world.panels->UpdatePileInfo(true, tableau, corner);
    QFrame* panel = world.Panel("pnlPilesSize");
    QVERIFY(panel->isVisible());
    QVERIFY(!world.Panel("pnlShowRedeals")->isVisible());
    QVERIFY(world.Inside("pnlPilesSize"));
    QVERIFY(panel->geometry().right() < corner.x() && panel->geometry().bottom() < corner.y());

    // The pointer arriving on the panel sends it away.
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), panel->mapToGlobal(QPointF(3, 3)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(panel, &move);
    QVERIFY(!panel->isVisible());
  }

  void aRestingPointerBringsThePanelsOnlyWhenAskedFor() {
    TWorld world;
    const QPoint stock = world.On(kMazzo);
    world.panels->PointerMoved(stock, stock);
    QTest::qWait(550);
    world.state.config.Write(cfg::kShowPilesSize, "N");
    world.panels->Tick();
    QVERIFY(!world.panels->PointerPanelsShown());
    world.state.config.Write(cfg::kShowPilesSize, "Y");
    world.panels->Tick();
    QVERIFY(world.panels->PointerPanelsShown());
    // Moving on hides them again.
    world.panels->PointerMoved(stock + QPoint(1, 0), stock + QPoint(1, 0));
    QVERIFY(!world.panels->PointerPanelsShown());
  }

  void theHintShowsSuitPictures() {
    TWorld world;
    const QPoint tableau = world.On(fnFila(0));
    world.panels->UpdatePileInfo(false, tableau, tableau);
    const QImage shown = world.Panel("pnlStatus3")->grab().toImage();
    int red = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) {
        const QColor colour = shown.pixelColor(x, y);
        red += colour.red() > 150 && colour.green() < 80 && colour.blue() < 80 ? 1 : 0;
      }
    }
    // The diamond of "[d]": text is drawn in the palette's window-text colour.
    QVERIFY(red > 5);
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::StatusPanelsTest)
#include "status_panels_test.moc"
