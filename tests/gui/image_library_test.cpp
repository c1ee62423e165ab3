#include <QPainter>
#include <QtTest>

#include "config/file_system.h"
#include "engine/appearance/add_on_index.h"
#include "engine/appearance/appearance_catalogue.h"
#include "engine/appearance/card_appearance.h"
#include "pictures/image_files.h"
#include "pictures/image_library.h"
#include "pictures/image_names.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"
#include "view/appearance.h"
#include "view/background.h"

namespace tablerun {

class ImageLibraryTest : public QObject {
  Q_OBJECT

  // The libraries the build made, as the program finds them beside itself, and
  // a data folder of the test's own.
  struct TWorld {
    testing::TTempFolder data;
    TPosixFileSystem fs;
    testing::TRecordingScreen screen;
    TTablerunState state{fs, screen};
    TImageLibrary library;
    TAppearance appearance{state, library};

    explicit TWorld(const char* size = "B", const char* set = "003", int suitRule = 0,
                    const std::string& programFolder = TABLERUN_PROGRAM_FOLDER) {
      state.programFolder = programFolder;
      state.dataFolder = data.Path();
      state.store = std::make_unique<TIniFile>(fs, screen, data / "Cfg.dat");
      if (!fnOpenImageLibraryOrTell(state, library)) qFatal("%s", screen.messages.back().text.c_str());
      state.config.Write(cfg::kCardSize, size);
      state.config.Write(cfg::kCardSet, set);
      state.config.Write(cfg::kBackNumber, "011");
      for (const TConfigField field : {cfg::kCustomDeck, cfg::kCustomCardSet, cfg::kAddOnCardSet, cfg::kAddOnDeck})
        state.config.Write(field, "N");
      state.rules.Set(rule::kSuitImages, static_cast<int16_t>(suitRule));
    }
    bool Apply() { return appearance.ApplyCardSet(); }
    const TCardImages& Images() const { return appearance.Images(); }
    QStringList Messages() const {
      QStringList texts;
      for (const auto& shown : screen.messages) texts << QString::fromStdString(shown.text);
      return texts;
    }
    // A card set image: the built-in set 003 laid out 5 x 12 at size B, scaled to `size`.
    void WriteCardSetImage(const QString& name, QSize size) {
      QImage image(355, 1152, QImage::Format_RGB32);
      QPainter painter(&image);
      for (int suit = 0; suit < 4; ++suit) {
        QImage grid;
        library.LoadNamedImage(grid, fnCardSetImageName('B', 3, suit));
        painter.drawImage(0, suit * 3 * 96, grid);
      }
      painter.end();
      QDir().mkpath(QString::fromStdString(data / "custom card sets"));
      QVERIFY(image.scaled(size).save(QString::fromStdString(data / "custom card sets/") + name + ".crs", "BMP"));
    }
  };

 private slots:
  void appliedSetShowsOneFacePerCardAndTheJoker() {
    TWorld world;
    QVERIFY(world.Apply());
    const TCardImages& images = world.Images();
    QCOMPARE(images.CardSize(), QSize(71, 96));
    QCOMPARE(images.Face(1).size(), QSize(71, 96));
    for (const int code : {53, 105, 157}) QCOMPARE(images.Face(code), images.Face(1));
    QCOMPARE(images.Face(212), images.Face(209));
    QVERIFY(images.Face(209) != images.Face(1));
    QVERIFY(images.Face(13) != images.Face(1));
    QVERIFY(images.Face(14) != images.Face(1));
    QVERIFY(images.Face(27) != images.Face(40));
    QVERIFY(images.Face(0).isNull());
    QCOMPARE(images.Back().size(), QSize(71, 96));
    QCOMPARE(images.JqkMark().size(), QSize(71, 96));
    // Rounded corners: the corner pixel is the table's, the centre is card.
    QCOMPARE(qAlpha(images.Face(1).pixel(0, 0)), 0);
    QCOMPARE(qAlpha(images.Face(1).pixel(35, 48)), 255);
    QVERIFY(world.screen.messages.empty());
  }

  void twoColourRuleShowsRedFromHeartsAndBlackFromSpades() {
    TWorld world("M", "003", 2);
    QVERIFY(world.Apply());
    const TCardImages& images = world.Images();
    QCOMPARE(images.CardSize(), QSize(59, 80));
    for (int rank = 1; rank <= 13; ++rank) {
      QCOMPARE(images.Face(13 + rank), images.Face(rank));       // diamond as heart
      QCOMPARE(images.Face(26 + rank), images.Face(39 + rank));  // club as spade
    }
    QVERIFY(images.Face(1) != images.Face(40));
  }

  void oneColourRuleShowsEverySuitFromSpades() {
    TWorld world("B", "001", 1);
    QVERIFY(world.Apply());
    for (const int suit : {0, 1, 2}) QCOMPARE(world.Images().Face(suit * 13 + 7), world.Images().Face(39 + 7));
  }

  void backOtherThanElevenIsTheNormalBackStretched() {
    TWorld world("S", "001");
    world.state.config.Write(cfg::kBackNumber, "007");
    QVERIFY(world.Apply());
    QImage normal;
    QVERIFY(world.library.LoadNamedImage(normal, "DB007"));
    QCOMPARE(world.Images().Back(), normal.scaled(85, 115, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    world.state.config.Write(cfg::kBackNumber, "011");
    QVERIFY(world.appearance.LoadCardBack());
    QImage own;
    QVERIFY(world.library.LoadNamedImage(own, "DS011"));
    QCOMPARE(world.Images().Back(), own);
  }

  void everyBuiltInChoiceHasItsPictures() {
    TWorld world;
    for (const TCardSetItem& item : fnBuiltInCardSets()) {
      const QSize card = fnCardPixelSize(item.size);
      for (int suit = 0; suit < 4; ++suit) {
        QImage grid;
        QVERIFY(world.library.LoadNamedImage(grid, fnCardSetImageName(item.size, item.set, suit)));
        QCOMPARE(grid.size(), QSize(5 * card.width(), 3 * card.height()));
      }
    }
    for (const TAppearanceItem& back : fnBuiltInBacks()) {
      QImage picture;
      QVERIFY2(world.library.LoadNamedImage(picture, fnBackImageName('B', back.number)), back.name);
      QCOMPARE(picture.size(), QSize(71, 96));
    }
    for (const TAppearanceItem& background : fnBuiltInBackgrounds()) {
      if (background.number <= 1 || background.number > 1000) continue;
      QImage picture;
      QVERIFY2(world.library.LoadNamedImage(picture, QString("B%1").arg(background.number)), background.name);
    }
    for (const char* name : {"DB011", "DS011", "DM011", "DL001", "DX011", "JOKER_B", "JOKER_S", "JOKER_M", "JOKER_L",
                             "JOKER_X", "WB021", "WX021", "SUIT_HEARTS"}) {
      QImage picture;
      QVERIFY2(world.library.LoadNamedImage(picture, name), name);
    }
  }

  // Commands that can be greyed out are coloured when they work, in the colour
  // style, and faint when they do not, in both styles.
  void enabledToolbarPicturesStandApartFromDisabledOnes() {
    TWorld world;
    const auto measure = [&](const QString& name, double& opacity, double& saturation) {
      QImage picture;
      if (!world.library.LoadNamedImage(picture, name)) return false;
      picture = picture.convertToFormat(QImage::Format_ARGB32);
      double alpha = 0, colour = 0;
      int solid = 0;
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
          const QColor pixel = QColor::fromRgba(picture.pixel(x, y));
          alpha += pixel.alphaF();
          if (pixel.alpha() < 128) continue;
          colour += pixel.hsvSaturationF();
          ++solid;
        }
      }
      opacity = alpha;
      saturation = solid > 0 ? colour / solid : 0;
      return true;
    };
    for (const char* style : {"", "2000_"}) {
      for (const char* command : {"RESTART", "SAVE", "UNDO", "REDO", "AUTOPLAY"}) {
        const QString name = QString("%1TB_%2_LARGE").arg(style, command);
        double opacity = 0, saturation = 0, faintOpacity = 0, faintSaturation = 0;
        QVERIFY2(measure(name, opacity, saturation), qPrintable(name));
        QVERIFY2(measure(name + "_DIS", faintOpacity, faintSaturation), qPrintable(name));
        QVERIFY2(faintOpacity < 0.6 * opacity, qPrintable(name));
        QVERIFY2(faintSaturation < 0.05, qPrintable(name));
        if (*style == '\0') QVERIFY2(saturation > 0.3, qPrintable(name));
      }
    }
  }

  void everyMarkAtEverySizeIsCardSized() {
    const char* marks[] = {"Deck",          "StockVisible",    "FirstTableauAll", "StockUp",      "StockDown",
                           "StockStop",     "Foundation",      "FoundationA",     "Foundation2",  "Foundation5",
                           "Foundation10",  "Foundation11",    "Foundation12",    "Foundation13", "Position",
                           "EmptyPosition", "EmptyPositionJQK"};
    for (const char* size : {"X", "S", "B", "M", "L"}) {
      TWorld world(size, "003");
      world.state.config.Write(cfg::kBackNumber, size == QByteArray("L") ? "001" : "011");
      for (const char* mark : marks) {
        QImage picture;
        QVERIFY2(world.appearance.LoadMark(picture, mark), mark);
        QCOMPARE(picture.size(), fnCardPixelSize(size[0]));
      }
      QVERIFY(world.screen.messages.empty());
    }
    TWorld world;
    QImage untouched;
    QVERIFY(!world.appearance.LoadMark(untouched, "Foundation14"));
    QCOMPARE(world.Messages(), QStringList{"Error: Foundation14"});
    QVERIFY(untouched.isNull());
  }

  void tablePiecesHaveTheirTransparentColours() {
    TWorld world("B", "001");
    QVERIFY(world.Apply());
    const TCardImages& images = world.Images();
    // The outer shadow fades out to transparent; next to the card it is dark.
    QCOMPARE(qAlpha(images.Shadow(1).pixel(8, images.Shadow(1).height() / 2)), 0);
    QVERIFY(qAlpha(images.Shadow(1).pixel(0, images.Shadow(1).height() / 2)) > 0);
    QCOMPARE(images.Border(2).width(), 71 + 11);
    QCOMPARE(images.Border(1).height(), 96 + 13);
    QCOMPARE(qAlpha(images.Border(2).pixel(20, 15)), 255);  // the lowest card's edge
    QCOMPARE(qAlpha(images.Border(2).pixel(0, 15)), 0);     // pure blue left of the staircase
    QCOMPARE(qAlpha(images.Border(2).pixel(0, 2)), 255);
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

  void everySoundIsAWave() {
    TWorld world;
    for (const char* name : {"Splash",    "New",      "Shuffle", "Undo",    "Redo",    "Restart",    "Autoplay",
                             "Card_down", "Card_up",  "Stock",   "Face_up", "Pairing", "Foundation", "Tableau",
                             "Redeal",    "red_no_a", "About",   "Hi-Scor", "Scores",  "Won"}) {
      const QByteArray wave = world.library.LoadSound(name);
      QVERIFY2(wave.startsWith("RIFF") && wave.mid(8, 4) == "WAVE" && wave.size() > 1000, name);
    }
    QVERIFY(world.library.LoadSound("Nothing").isEmpty());
  }

  void everyPointerHasItsHotSpotInside() {
    TWorld world;
    for (const char* hand : {"ARROW", "RIGHT_HAND", "LEFT_HAND"}) {
      for (const char* variant : {"1A", "2A", "1B", "2B"}) {
        const QString name = QString("CUR_%1%2").arg(hand, variant);
        QCursor cursor;
        QVERIFY2(world.library.LoadCursor(name, cursor), qPrintable(name));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        QVERIFY(QRect(0, 0, 32, 32).contains(cursor.hotSpot()));
      }
    }
    QCursor cursor;
    QVERIFY(!world.library.LoadCursor("CUR_NONE", cursor));
  }

  void missingLibraryStopsStartUpWithItsMessage() {
    TPosixFileSystem fs;
    testing::TRecordingScreen screen;
    TTablerunState state(fs, screen);
    state.programFolder = "/nonexistent/Program Folder/";
    TImageLibrary library;
    QVERIFY(!fnOpenImageLibraryOrTell(state, library));
    QCOMPARE(screen.messages.size(), std::size_t(1));
    QCOMPARE(screen.messages[0].text, std::string("Can't find/load /nonexistent/Program Folder/TBLR.RGF"));
    QImage picture;
    QVERIFY(!library.LoadNamedImage(picture, "CB001H"));
  }

  void aDamagedLibraryIsToldOncePictureByPictureAndStopsTheProgram() {
    testing::TTempFolder program;
    QFile built(QString(TABLERUN_PROGRAM_FOLDER) + "TBLR.RGF");
    QVERIFY(built.open(QIODevice::ReadOnly));
    QByteArray bytes = built.readAll();
    // The library's index stays whole; the pixel data of every picture is spoilt.
    for (qsizetype at = bytes.indexOf("IDAT"); at >= 0; at = bytes.indexOf("IDAT", at + 4)) {
      for (qsizetype n = at + 8; n < std::min(at + 40, bytes.size()); ++n) bytes[n] = '\x55';
    }
    const QString folder = QString::fromStdString(program.Path()) + "Program Folder/";
    QVERIFY(QDir().mkpath(folder));
    QFile damaged(folder + "TBLR.RGF");
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    QVERIFY(damaged.write(bytes) == bytes.size());
    damaged.close();

    TWorld world("B", "003", 0, folder.toStdString());
    QVERIFY(!world.library.MainLibraryDamaged());
    QVERIFY(!world.Apply());
    QVERIFY(world.library.MainLibraryDamaged());
    const QStringList told = world.Messages();
    QCOMPARE(told.size(), 1);
    const QString face = QString::fromStdString(fnCardSetResource('B', 3, 0));
    QVERIFY2(told[0].contains("The picture " + face + " in " + folder + "TBLR.RGF cannot be read"),
             qPrintable(told[0]));
    // Told once: loading the same pictures again adds nothing.
    QVERIFY(!world.Apply());
    QCOMPARE(world.Messages().size(), 1);
  }

  void customCardSetOfExactSizeSetsTheCardSize() {
    TWorld world("M", "003");
    world.WriteCardSetImage("Mine", QSize(355, 1152));
    world.state.config.Write(cfg::kCustomCardSet, "Y");
    world.state.store->WriteString("Preference", "Customized_Cards_Set", "Mine");
    char letter = ' ';
    QVERIFY(world.appearance.ProbeCardSetImage({}, letter));
    QCOMPARE(letter, 'B');
    QVERIFY(world.Apply());
    QCOMPARE(world.state.config.Read(cfg::kCardSize), std::string("B"));
    QCOMPARE(world.Images().CardSize(), QSize(71, 96));
    QImage hearts;
    QVERIFY(world.library.LoadNamedImage(hearts, "CB003H"));
    // Lossless BMP: the face is the cell of the image.
    QCOMPARE(world.Images().Face(1).convertToFormat(QImage::Format_RGB32).pixel(35, 48),
             hearts.copy(0, 0, 71, 96).convertToFormat(QImage::Format_RGB32).pixel(35, 48));
    QVERIFY(world.screen.messages.empty());
  }

  void customCardSetOfAnotherSizeIsRefusedAndTheDefaultReturns() {
    TWorld world("B", "002");
    world.WriteCardSetImage("Wide", QSize(356, 1152));
    world.state.config.Write(cfg::kCustomCardSet, "Y");
    world.state.store->WriteString("Preference", "Customized_Cards_Set", "Wide");
    world.appearance.SetScreenWidth(1024);
    QVERIFY(world.Apply());
    const QString path = QString::fromStdString(world.data / "custom card sets/Wide.crs");
    QCOMPARE(world.Messages(), QStringList{"The format of the Customized card set image is not valid.\r" + path});
    QCOMPARE(world.state.config.Read(cfg::kCustomCardSet), std::string("N"));
    QCOMPARE(world.state.config.Read(cfg::kCardSet), std::string("001"));
    QCOMPARE(world.state.config.Read(cfg::kCardSize), std::string("B"));
    QCOMPARE(world.state.store->ReadString("Preference", "Customized_Cards_Set", "?"), std::string(""));
    QVERIFY(!world.Images().Face(1).isNull());
  }

  void missingAddOnCardSetFallsBackToTheDefaultSet() {
    TWorld world("B", "002");
    world.state.config.Write(cfg::kAddOnCardSet, "Y");
    world.state.store->WriteString("Preference", "Additional_Cards_Set", "C999");
    world.data.Write("Rnd_read.dat", "");
    QVERIFY(world.Apply());
    QCOMPARE(world.Messages(), QStringList{"Error loading the Card Set: C999\rPlease install again Tablerun Plus!"});
    QVERIFY(!world.data.Exists("Rnd_read.dat"));
    QCOMPARE(world.state.config.Read(cfg::kCardSet), std::string("001"));
    QVERIFY(!world.Images().Face(1).isNull());
  }

  void customBackNeverLeavesItsFolderAndFallsBackToElevenWhenMissing() {
    TWorld world("B", "001");
    world.state.config.Write(cfg::kBackNumber, "007");
    world.state.config.Write(cfg::kCustomDeck, "Y");
    world.state.store->WriteString("Preference", "Customized_Deck", "../Cfg");
    QVERIFY(!world.appearance.LoadCardBack());
    QCOMPARE(world.Messages(), QStringList{"Customized deck image not found: ../Cfg"});
    QCOMPARE(world.state.config.Read(cfg::kBackNumber), std::string("011"));
    QCOMPARE(world.state.config.Read(cfg::kCustomDeck), std::string("N"));
    QImage eleven;
    QVERIFY(world.library.LoadNamedImage(eleven, "DB011"));
    QCOMPARE(world.Images().Back(), eleven);

    // A back of any size is stretched to the card.
    QImage small(20, 30, QImage::Format_RGB32);
    small.fill(Qt::darkRed);
    QDir().mkpath(QString::fromStdString(world.data / "custom decks"));
    QVERIFY(small.save(QString::fromStdString(world.data / "custom decks/Red.bmp"), "BMP"));
    world.state.config.Write(cfg::kCustomDeck, "Y");
    world.state.store->WriteString("Preference", "Customized_Deck", "Red");
    QVERIFY(world.appearance.LoadCardBack());
    QCOMPARE(world.Images().Back().size(), QSize(71, 96));
    QCOMPARE(world.Images().Back().pixel(35, 48), QColor(Qt::darkRed).rgb());
  }

  void addOnCardSetOfSizeXAndItsBackAndBackground() {
    TWorld world("B", "001");
    world.state.config.Write(cfg::kAddOnCardSet, "Y");
    world.state.store->WriteString("Preference", "Additional_Cards_Set", "C001");
    QVERIFY(world.Apply());
    QCOMPARE(world.state.config.Read(cfg::kCardSize), std::string("X"));
    QCOMPARE(world.Images().CardSize(), QSize(102, 138));
    QCOMPARE(world.Images().Face(52).size(), QSize(102, 138));
    QVERIFY(world.Images().Face(1) != world.Images().Face(14));
    QCOMPARE(world.Images().Back().size(), QSize(102, 138));
    QCOMPARE(world.Images().Face(209).size(), QSize(102, 138));
    QVERIFY(world.screen.messages.empty());
    QCOMPARE(QString::fromStdString(AddOnDisplayName(world.state, "c001", "cards")), QString("Classic extra large"));

    world.state.config.Write(cfg::kAddOnDeck, "Y");
    world.state.store->WriteString("Preference", "Additional_Deck", "D002");
    QVERIFY(world.appearance.LoadCardBack());
    QCOMPARE(world.Images().Back().size(), QSize(102, 138));

    world.state.config.Write(cfg::kBackgroundDefault, "N");
    world.state.config.Write(cfg::kAddOnBackground, "Y");
    world.state.store->WriteString("Preference", "Additional_Background", "B001");
    QImage table(300, 300, QImage::Format_RGB32);
    DrawBackground(world.state, world.library, table);
    QCOMPARE(table.pixel(10, 10), table.pixel(266, 10));  // a 256-pixel tile, repeated
    QVERIFY(world.screen.messages.empty());
  }

  void sizeXWithoutTheAddOnLibraryReturnsToTheDefaultSet() {
    testing::TTempFolder program;
    QVERIFY(QFile::link(QString(TABLERUN_PROGRAM_FOLDER) + "TBLR.RGF", QString::fromStdString(program / "TBLR.RGF")));
    TWorld world("X", "001", 0, program.Path());
    world.Apply();
    QCOMPARE(world.Messages(), QStringList{"Can't find/load " + QString::fromStdString(program / "plus/tblradd.rgf")});
    QCOMPARE(world.state.config.Read(cfg::kCardSize), std::string("B"));
    QCOMPARE(world.Images().CardSize(), QSize(71, 96));
    QVERIFY(!world.Images().Face(1).isNull());
  }

  void fadedColourBackgroundIsFullAtTheTopAndBlackAtTheBottom() {
    TWorld world;
    world.state.config.Write(cfg::kBackgroundDefault, "Y");
    world.state.config.Write(cfg::kFadeBackground, "Y");
    QImage table(64, 176, QImage::Format_RGB32), clean(64, 176, QImage::Format_RGB32);
    DrawBackground(world.state, world.library, table, &clean);
    // The fade spans the table height plus 80 plus 1: 257 rows in 256 bands.
    QCOMPARE(table.pixel(10, 0), qRgb(0, 127, 0));
    QCOMPARE(table.pixel(10, 175), qRgb(0, 40, 0));
    QCOMPARE(clean, table);
    for (int y = 1; y < 176; ++y) QVERIFY(qGreen(table.pixel(10, y)) <= qGreen(table.pixel(10, y - 1)));

    world.state.config.Write(cfg::kFadeBackground, "N");
    DrawBackground(world.state, world.library, table);
    QCOMPARE(table.pixel(63, 175), qRgb(0, 128, 0));
    world.state.display.moreThan256Colours = false;
    world.state.config.Write(cfg::kFadeBackground, "Y");
    DrawBackground(world.state, world.library, table);
    QCOMPARE(table.pixel(63, 175), qRgb(0, 128, 0));
  }

  void pictureBackgroundsAreTiled() {
    TWorld world;
    world.state.config.Write(cfg::kBackgroundDefault, "N");
    world.state.config.Write(cfg::kBackgroundPicture, "321");
    QImage table(800, 300, QImage::Format_RGB32);
    DrawBackground(world.state, world.library, table);
    QImage tile;
    QVERIFY(world.library.LoadNamedImage(tile, "B321"));
    for (const QPoint at : {QPoint(5, 7), QPoint(200, 250)}) {
      QCOMPARE(table.pixel(at), tile.pixel(at));
      QCOMPARE(table.pixel(at + QPoint(tile.width(), 0)), tile.pixel(at));
      QCOMPARE(table.pixel(at + QPoint(2 * tile.width(), 0)), tile.pixel(at));
    }
  }

  void missingCustomBackgroundIsToldAndTheDefaultReturns() {
    TWorld world;
    world.state.config.Write(cfg::kBackgroundDefault, "N");
    world.state.config.Write(cfg::kFadeBackground, "N");
    world.state.config.Write(cfg::kCustomBackground, "Y");
    world.state.store->WriteString("Preference", "Customized_Background", "sea");
    QImage table(50, 50, QImage::Format_RGB32);
    DrawBackground(world.state, world.library, table);
    const QString path = QString::fromStdString(world.data / "sea.bmp");
    QCOMPARE(world.Messages(), QStringList{"Customized background image not found: " + path});
    QCOMPARE(world.state.config.Read(cfg::kBackgroundDefault), std::string("Y"));
    QCOMPARE(world.state.config.Read(cfg::kCustomBackground), std::string("N"));
    QCOMPARE(qGreen(table.pixel(0, 0)), 127);  // the default green, faded again

    QImage sea(10, 10, QImage::Format_RGB32);
    sea.fill(Qt::blue);
    QVERIFY(sea.save(path, "BMP"));
    world.state.config.Write(cfg::kBackgroundDefault, "N");
    world.state.config.Write(cfg::kCustomBackground, "Y");
    world.state.store->WriteString("Preference", "Customized_Background", path.toStdString());
    DrawBackground(world.state, world.library, table);
    QCOMPARE(table.pixel(45, 45), qRgb(0, 0, 255));
    QVERIFY(IsImageFileValid(path));
    QVERIFY(!IsImageFileValid(path + ".missing"));
  }

  void randomAppearanceWithEveryEntryOutGivesTheDefaults() {
    TWorld world("B", "005");
    world.data.Write("Rnd_read.dat", "");
    // The add-on pack is no newer than the pool.
    world.state.store->WriteInteger("Parameters", "Plus_Date", 99991231);
    world.data.Write("Rnd_cfg.dat", "[Cards]\nDefault=nB001\n[Decks]\nFox=n 002\n[Backgrounds]\nOak=n 321\n");
    for (const TConfigField field : {cfg::kRandomBackground, cfg::kRandomDeck, cfg::kRandomCard})
      world.state.config.Write(field, "Y");
    world.state.config.Write(cfg::kBackNumber, "002");
    const TRandomChanges changes = world.appearance.ChooseRandomAppearance();
    QVERIFY(changes.background && changes.cards);
    QCOMPARE(world.state.config.Read(cfg::kCardSet), std::string("001"));
    QCOMPARE(world.state.config.Read(cfg::kBackNumber), std::string("011"));
    QCOMPARE(world.state.config.Read(cfg::kBackgroundDefault), std::string("Y"));
    QImage eleven;
    QVERIFY(world.library.LoadNamedImage(eleven, "DB011"));
    QCOMPARE(world.Images().Back(), eleven);
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::ImageLibraryTest)
#include "image_library_test.moc"
