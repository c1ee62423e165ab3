// The pictures of the game lists: every type, mark, folder and feature bar the
// lists and the preview ask for is in the library the build made.
#include <QtTest>

#include "choice/ui/game_icons.h"
#include "model/catalogue.h"
#include "pictures/image_library.h"

namespace tablerun {

class GameIconsTest : public QObject {
  Q_OBJECT

  TImageLibrary library_;

  static QImage Pixels(const QIcon& icon, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(QSize(16, 16), mode).toImage();
  }

 private slots:
  void initTestCase() {
    QString message;
    QVERIFY2(library_.OpenMainImageLibrary(TABLERUN_PROGRAM_FOLDER, message), qPrintable(message));
  }

  void everyTypeHasFourPicturesThatTellTheMarksApart() {
    std::vector<int> types{kCustomGameType};
    for (int type = 2; type <= 27; ++type) types.push_back(type);
    for (const int type : types) {
      const QImage plain = Pixels(fnGameTypeIcon(library_, type, std::nullopt));
      QCOMPARE(plain.size(), QSize(16, 16));
      std::vector<QImage> seen{plain};
      for (const TGameStatus status : {TGameStatus::Won, TGameStatus::NotWon, TGameStatus::NotPlayed}) {
        const QImage marked = Pixels(fnGameTypeIcon(library_, type, status));
        QVERIFY2(!marked.isNull(), qPrintable(QString::number(type)));
        for (const QImage& other : seen) QVERIFY2(marked != other, qPrintable(QString::number(type)));
        seen.push_back(marked);
      }
    }
    QVERIFY(fnGameTypeIcon(library_, 1, std::nullopt).isNull());
    QVERIFY(!fnOriginalGamesIcon(library_).isNull());
  }

  void typesLookDifferent() {
    QImage klondike = Pixels(fnGameTypeIcon(library_, 5, std::nullopt));
    QVERIFY(klondike != Pixels(fnGameTypeIcon(library_, 4, std::nullopt)));
    QVERIFY(klondike != Pixels(fnGameTypeIcon(library_, 8, std::nullopt)));
  }

  void foldersOpenWhenSelected() {
    for (const TFolderPicture picture :
         {TFolderPicture::Plain, TFolderPicture::Features, TFolderPicture::Favorites, TFolderPicture::Time,
          TFolderPicture::Difficulty, TFolderPicture::Chance, TFolderPicture::Skill, TFolderPicture::NewGames}) {
      const QIcon closed = fnFolderIcon(library_, picture);
      QVERIFY(!closed.isNull());
      QVERIFY(Pixels(closed) != Pixels(closed, QIcon::Selected));
      QCOMPARE(Pixels(fnOpenFolderIcon(library_, picture)), Pixels(closed, QIcon::Selected));
    }
    QVERIFY(Pixels(fnFolderIcon(library_, TFolderPicture::Plain)) !=
            Pixels(fnFolderIcon(library_, TFolderPicture::Favorites)));
  }

  void theOtherPicturesOfTheChoiceAreThere() {
    QStringList names = {"PROG_DISABLED", "MN_ARROW_RIGHT", "MN_ARROW_LEFT", "MN_ARROW_LEFT_ALL", "N_TREE5"};
    for (const char* time : {"QUICK", "MEDIUM", "LONG"}) names << QString("PROG_TIME_") + time;
    for (const char* difficulty : {"EASY", "MEDIUM", "HARD"}) names << QString("PROG_DIFF_") + difficulty;
    for (const char* chance : {"VERYLOW", "LOW", "MEDIUM", "HIGH", "VERYHIGH"}) names << QString("PROG_CHAN_") + chance;
    for (const char* skill : {"CHANCEONLY", "MOSTLYCHANCE", "MODERATE", "MOSTLYSKILL", "DIFFICULT"})
      names << QString("PROG_SKILL_") + skill;
    for (const QString& name : names) {
      QImage picture;
      QVERIFY2(library_.LoadNamedImage(picture, name), qPrintable(name));
    }
    QImage low, high;
    library_.LoadNamedImage(low, "PROG_CHAN_LOW");
    library_.LoadNamedImage(high, "PROG_CHAN_HIGH");
    QVERIFY(low != high);
  }
};

}  // namespace tablerun

QTEST_MAIN(tablerun::GameIconsTest)
#include "game_icons_test.moc"
