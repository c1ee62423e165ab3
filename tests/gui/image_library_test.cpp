#include <QtTest>

#include "config/file_system.h"
#include "support/recording_screen.h"
#include "view/card_images.h"
#include "view/image_library.h"
#include "view/image_names.h"

namespace tablerun {

class ImageLibraryTest : public QObject {
  Q_OBJECT

  // The library the build made, as the program finds it beside itself.
  struct TWorld {
    TPosixFileSystem fs;
    testing::TRecordingScreen screen;
    TTablerunState state{fs, screen};
    TImageLibrary library;
    TCardImages images;

    explicit TWorld(const char* size = "B", const char* set = "003", int suitRule = 0) {
      QString failure;
      if (!library.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, failure)) qFatal("%s", qPrintable(failure));
      state.config.Write(128, 1, size);
      state.config.Write(24, 3, set);
      state.config.Write(21, 3, "011");
      state.rules.Set(50, static_cast<int16_t>(suitRule));
    }
    bool Apply() { return ApplyCardSet(state, library, images); }
  };

private slots:
  void cardCodesOfEveryDeckShareTheirFace() {
    QCOMPARE(TCardImages::FaceIndex(1), 0);
    QCOMPARE(TCardImages::FaceIndex(13), 12);   // king of hearts
    QCOMPARE(TCardImages::FaceIndex(14), 13);   // ace of diamonds
    QCOMPARE(TCardImages::FaceIndex(52), 51);   // king of spades
    for (const int code : {53, 105, 157}) QCOMPARE(TCardImages::FaceIndex(code), 0);
    QCOMPARE(TCardImages::FaceIndex(208), 51);
    for (const int code : {209, 210, 211, 212}) QCOMPARE(TCardImages::FaceIndex(code), 52);
    for (const int code : {0, -1, 213}) QCOMPARE(TCardImages::FaceIndex(code), -1);
  }

  void appliedSetShowsOneFacePerCardAndTheJoker() {
    TWorld world;
    QVERIFY(world.Apply());
    QCOMPARE(world.images.CardSize(), QSize(71, 96));
    QCOMPARE(world.images.Face(1).size(), QSize(71, 96));
    for (const int code : {53, 105, 157}) QCOMPARE(world.images.Face(code), world.images.Face(1));
    QCOMPARE(world.images.Face(212), world.images.Face(209));
    QVERIFY(world.images.Face(209) != world.images.Face(1));
    QVERIFY(world.images.Face(13) != world.images.Face(1));
    QVERIFY(world.images.Face(0).isNull());
    QCOMPARE(world.images.Back().size(), QSize(71, 96));
    // Rounded corners: the corner pixel is the table's, the centre is card.
    QCOMPARE(qAlpha(world.images.Face(1).pixel(0, 0)), 0);
    QCOMPARE(qAlpha(world.images.Face(1).pixel(35, 48)), 255);
  }

  void everySuitIsItsOwnWithoutTheSuitRule() {
    TWorld world;
    QVERIFY(world.Apply());
    QVERIFY(world.images.Face(14) != world.images.Face(1));
    QVERIFY(world.images.Face(27) != world.images.Face(40));
  }

  void twoColourRuleShowsRedFromHeartsAndBlackFromSpades() {
    TWorld world("M", "003", 2);
    QVERIFY(world.Apply());
    QCOMPARE(world.images.CardSize(), QSize(59, 80));
    for (int rank = 1; rank <= 13; ++rank) {
      QCOMPARE(world.images.Face(13 + rank), world.images.Face(rank));        // diamond as heart
      QCOMPARE(world.images.Face(26 + rank), world.images.Face(39 + rank));   // club as spade
    }
    QVERIFY(world.images.Face(1) != world.images.Face(40));
    // The table index still belongs to the card's own suit.
    QCOMPARE(TCardImages::FaceIndex(14), 13);
  }

  void oneColourRuleShowsEverySuitFromSpades() {
    TWorld world("B", "001", 1);
    QVERIFY(world.Apply());
    for (const int suit : {0, 1, 2}) QCOMPARE(world.images.Face(suit * 13 + 7), world.images.Face(39 + 7));
  }

  void backOtherThanElevenIsTheNormalBackStretched() {
    TWorld world("S", "001");
    world.state.config.Write(21, 3, "012");
    QVERIFY(world.Apply());
    QImage normal;
    QVERIFY(world.library.LoadNamedImage(normal, "DB012"));
    QCOMPARE(world.images.Back(), normal.scaled(85, 115, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    world.state.config.Write(21, 3, "011");
    QVERIFY(world.Apply());
    QImage own;
    QVERIFY(world.library.LoadNamedImage(own, "DS011"));
    QCOMPARE(world.images.Back(), own);
  }

  void everyBuiltInChoiceHasItsPictures() {
    TWorld world;
    struct TSet {
      char size;
      int set;
    };
    // The card sets the Customize dialog offers, and the previews' miniatures.
    for (const TSet& choice : {TSet{'B', 1}, TSet{'B', 2}, TSet{'B', 3}, TSet{'S', 1}, TSet{'B', 5}, TSet{'M', 3},
                               TSet{'L', 3}}) {
      const QSize card = fnCardPixelSize(choice.size);
      for (int suit = 0; suit < 4; ++suit) {
        QImage grid;
        QVERIFY(world.library.LoadNamedImage(grid, fnCardSetImageName(choice.size, choice.set, suit)));
        QCOMPARE(grid.size(), QSize(5 * card.width(), 3 * card.height()));
      }
    }
    for (const char* name : {"DB011", "DS011", "DM011", "DL001", "JOKER_B", "JOKER_S", "JOKER_M", "JOKER_L"}) {
      QImage picture;
      QVERIFY2(world.library.LoadNamedImage(picture, name), name);
    }
  }

  void sixteenColourSetUsesOnlyTheSixteenColours() {
    TWorld world;
    const QSet<QRgb> palette = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                                0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                                0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    for (int suit = 0; suit < 4; ++suit) {
      QImage grid;
      QVERIFY(world.library.LoadNamedImage(grid, fnCardSetImageName('B', 5, suit)));
      grid = grid.convertToFormat(QImage::Format_ARGB32);
      for (int y = 0; y < grid.height(); ++y) {
        for (int x = 0; x < grid.width(); ++x) {
          const QRgb pixel = grid.pixel(x, y);
          if (qAlpha(pixel) != 0) QVERIFY(palette.contains(pixel));
        }
      }
    }
  }

  void namesAreLookedUpWithoutRegardToCase() {
    TWorld world;
    QImage upper, lower;
    QVERIFY(world.library.LoadNamedImage(upper, "CB001H"));
    QVERIFY(world.library.LoadNamedImage(lower, "cb001h"));
    QCOMPARE(lower, upper);
    QCOMPARE(upper.size(), QSize(5 * 71, 3 * 96));

    QImage untouched(3, 3, QImage::Format_ARGB32_Premultiplied);
    untouched.fill(Qt::red);
    const QImage before = untouched;
    QVERIFY(!world.library.LoadNamedImage(untouched, "CB999H"));
    QVERIFY(!world.library.LoadNamedImage(untouched, "../CB001H"));
    QCOMPARE(untouched, before);
  }

  void missingLibraryIsNamedInLowerCase() {
    TImageLibrary library;
    QString failure;
    QVERIFY(!library.OpenMainImageLibrary("/nonexistent/Program Folder/", failure));
    QCOMPARE(failure, QString("Can't find/load /nonexistent/program folder/tblr.rgf"));
    QImage picture;
    QVERIFY(!library.LoadNamedImage(picture, "CB001H"));
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::ImageLibraryTest)
#include "image_library_test.moc"
