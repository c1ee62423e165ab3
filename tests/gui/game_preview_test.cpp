// The preview of a game: its first deal drawn small by the table's own code,
// with the game in play left as it was.
#include <QtTest>

#include <filesystem>

#include "config/text.h"
#include "engine/deal/game_start.h"
#include "engine/pointer/pile_geometry.h"
#include "support/window_world.h"
#include "view/game_preview.h"
#include "view/table_painter.h"

namespace tablerun {
namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;
constexpr int kCustomFreeCell = 8000;
const QSize kPictureSize(300, 220);

// The program with its image library, playing Klondike, and a custom game based on FreeCell.
struct TWorld : testing::TWindowWorld {
  TWorld() {
    std::filesystem::create_symlink(std::string(TABLERUN_PROGRAM_FOLDER) + "TBLR.RGF", program / "TBLR.RGF");
    if (!started || !fnOpenImageLibraryOrTell(state, library)) qFatal("no start-up");
    appearance.StartUp();
    home.Write("Tablerun/GAM_CUST.DAT", "[R-0301]\r\n8000Cells of mine" + std::string(37, ' ') + "0001\r\n001001\r\n");
    state.config.Write(cfg::kGame, fnZeroFill(kKlondike, 4));
    state.config.Write(cfg::kGameNumber, "777");
    const TGameStart start{.deal = true, .animate = false, .numberMode = 0, .quiet = true};
    if (!fnStartGame(state, start, fnMaximisedWindowMetrics(1280, 1024, 'B', 9)).started) qFatal("no deal");
  }
};

// What the game in play consists of, to see that a preview changed none of it.
std::vector<std::string> fnPlayedGame(const TTablerunState& state) {
  std::vector<std::string> parts;
  for (const TPileGroup group : {TPileGroup::Mazzo, TPileGroup::Dest, TPileGroup::Fila, TPileGroup::Appogg}) {
    for (int entry = 0; entry < fnPileGroupSize(group); ++entry) parts.push_back(state.table.Pile({group, entry}));
  }
  for (int pile = 0; pile < 40; ++pile) parts.push_back(std::to_string(state.mainGame.FilaX(pile)));
  for (const TConfigField field : {cfg::kGame, cfg::kGameNumber, cfg::kCardSize})
    parts.push_back(state.config.Read(field));
  parts.push_back(std::to_string(state.rules.Get(rule::kTableauPiles)));
  return parts;
}

// A card's white face shows around `at`; pips and figures may cover the point itself.
bool fnShowsCard(const QImage& picture, QPoint at) {
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      const QRgb pixel = picture.pixel(at + QPoint(dx, dy));
      if (qRed(pixel) > 180 && qGreen(pixel) > 180 && qBlue(pixel) > 180) return true;
    }
  }
  return false;
}

// Green fading to black, with no red or blue.
bool fnIsCloth(QRgb pixel) { return qRed(pixel) < 40 && qBlue(pixel) < 40; }

}  // namespace

class GamePreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void theFreeCellPreviewShowsItsColumnsWhereTheLayoutPutsThem() {
    TWorld world;
    TGamePreview preview(world.state, world.library);
    const QImage picture = preview.Draw(kFreeCell, kPictureSize);
    QCOMPARE(picture.size(), kPictureSize);

    // FreeCell laid out by itself on the preview's table, as the program would.
    testing::TRecordingScreen screen;
    TTablerunState alone(world.fs, screen);
    alone.mainGame.Catalogue() = world.state.mainGame.Catalogue();
    alone.config = world.state.config;
    alone.config.Write(cfg::kGame, fnZeroFill(kFreeCell, 4));
    alone.config.Write(cfg::kGameNumber, "1");
    QVERIFY(fnStartGame(alone, {.deal = true, .animate = false, .numberMode = 0, .quiet = true},
                        TGamePreview::TableMetrics())
                .started);
    const TPileGeometry geometry = fnPileGeometry(alone);
    QCOMPARE(geometry.View().Count({TPileGroup::Fila, 0}), 7);
    for (int column = 0; column < 8; ++column) {
      const QRect first = fnQRect(geometry.CardRect({TPileGroup::Fila, column}, 0));
      const QPoint top = preview.Placement().map(first.center() - QPoint(0, first.height() / 3));
      QVERIFY2(fnShowsCard(picture, top), qPrintable(QString("column %1").arg(column + 1)));
      // The cloth shows between the columns.
      const QPoint gap = preview.Placement().map(QPoint(first.right() + 4, first.center().y()));
      QVERIFY2(fnIsCloth(picture.pixel(gap)), qPrintable(QString("beside column %1").arg(column + 1)));
    }
    // Green on top fading to black at the bottom, as the dialog's background.
    QCOMPARE(qRed(picture.pixel(1, 1)), 0);
    QVERIFY(qGreen(picture.pixel(1, 1)) > 100);
    QVERIFY(qGreen(picture.pixel(1, kPictureSize.height() - 1)) < qGreen(picture.pixel(1, 1)));
  }

  void aCustomGameIsDrawnAsItsBaseGameAndAnUnknownOneAsClothAlone() {
    TWorld world;
    TGamePreview preview(world.state, world.library);
    const QImage freeCell = preview.Draw(kFreeCell, kPictureSize);
    QCOMPARE(preview.Draw(kCustomFreeCell, kPictureSize), freeCell);
    const QImage unknown = preview.Draw(7999, kPictureSize);
    QCOMPARE(unknown.size(), kPictureSize);
    for (int y = 0; y < unknown.height(); y += 10) QVERIFY(fnIsCloth(unknown.pixel(unknown.width() / 2, y)));
    // Drawing again gives the same picture from what was kept.
    QCOMPARE(preview.Draw(kFreeCell, kPictureSize), freeCell);
  }

  void drawingLeavesTheGameInPlayAndItsFilesAsTheyWere() {
    TWorld world;
    const std::vector<std::string> before = fnPlayedGame(world.state);
    const auto random = world.state.random;
    const std::string store = world.Store();
    world.state.mainGame.Set(entries::kMoveCounter, 5);
    TGamePreview preview(world.state, world.library);
    for (const int code : {kFreeCell, kCustomFreeCell, 3, 41}) preview.Draw(code, kPictureSize);
    QVERIFY(fnPlayedGame(world.state) == before);
    QVERIFY(world.state.random == random);
    QCOMPARE(world.state.mainGame.Get(entries::kMoveCounter), int16_t{5});
    QCOMPARE(world.Store(), store);
    QVERIFY(world.screen.messages.empty());
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::GamePreviewTest)
#include "game_preview_test.moc"
