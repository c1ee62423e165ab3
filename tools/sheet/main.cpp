// Renders a contact sheet of the image libraries through the same loading the
// program uses: a card set at every size, the backs, the marks, the relief of a
// stacked pile, the backgrounds and the small pictures; and prints what the
// loading costs.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "config/config_fields.h"
#include "contact_sheet.h"
#include "engine/appearance/appearance_catalogue.h"
#include "engine/appearance/card_appearance.h"
#include "pictures/image_library.h"
#include "pictures/image_names.h"
#include "support/recording_screen.h"
#include "view/appearance.h"

namespace {

using namespace tablerun;
using sheet::TContactSheet;

const char kSizes[] = "XSBML";
constexpr int kSheetTile = 96;

double fnMilliseconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

void fnAddCardSet(TContactSheet& sheet, const TCardImages& images, char size) {
  const QSize card = images.CardSize();
  sheet.Caption(
      QString("Size %1 (%2 x %3), with the joker and the back").arg(size).arg(card.width()).arg(card.height()));
  for (int suit = 0; suit < 4; ++suit) {
    sheet.NewRow();
    for (int rank = 1; rank <= 13; ++rank) sheet.Add(images.Face(suit * 13 + rank));
    if (suit == 0) sheet.Add(images.Face(209));
    if (suit == 1) sheet.Add(images.Back());
  }
}

void fnAddBacks(TContactSheet& sheet, const TImageLibrary& library) {
  const char* group = "";
  for (const TAppearanceItem& back : fnBuiltInBacks()) {
    if (QString(group) != back.group) {
      sheet.Caption(QString("Backs: ") + back.group);
      sheet.NewRow();
      group = back.group;
    }
    QImage picture;
    const QString name = fnBackImageName('B', back.number);
    if (library.LoadNamedImage(picture, name)) sheet.Add(picture, name);
  }
  sheet.Caption("Back 011 at every size, the previews' back");
  sheet.NewRow();
  for (const char* name : {"DX011", "DS011", "DB011", "DM011", "DL001"}) {
    QImage picture;
    if (library.LoadNamedImage(picture, name)) sheet.Add(picture, name);
  }
}

// The marks on a felt-like green, and a stacked pile with its relief and a lifted card's shadow.
void fnAddMarks(TContactSheet& sheet, TAppearance& appearance, TTablerunState& state, char size) {
  state.config.Write(cfg::kCardSize, std::string(1, size));
  appearance.ApplyCardSet();
  sheet.Caption(QString("Empty-pile marks at size %1").arg(size));
  sheet.NewRow();
  for (const char* mark :
       {"EmptyPosition", "Position", "StockVisible", "Foundation", "FoundationA", "Foundation2", "Foundation10",
        "Foundation11", "Foundation12", "Foundation13", "EmptyPositionJQK", "StockUp", "StockDown", "StockStop"}) {
    QImage picture;
    if (appearance.LoadMark(picture, mark)) sheet.Add(picture, QString(mark).left(12));
  }
  const TCardImages& images = appearance.Images();
  const QSize card = images.CardSize();
  QImage pile(card + QSize(40, 40), QImage::Format_ARGB32_Premultiplied);
  pile.fill(QColor(0, 128, 0));
  QPainter painter(&pile);
  const QPoint home(20, 20);
  const int depth = 6;
  painter.drawImage(home + QPoint(-13, card.height() - depth - 1),
                    images.Border(2).copy(0, 15 - depth, card.width() + 11, depth + 1));
  painter.drawImage(home + QPoint(card.width() - depth - 1, -13),
                    images.Border(1).copy(15 - depth, 0, depth + 1, card.height() + 13));
  painter.drawImage(home - QPoint(depth, depth), images.Back());
  painter.end();
  sheet.Add(pile, "stacked");
  QImage lifted(card + QSize(24, 24), QImage::Format_ARGB32_Premultiplied);
  lifted.fill(QColor(0, 128, 0));
  QPainter shadow(&lifted);
  shadow.drawImage(4 + card.width(), 4 + 7, images.Shadow(1));
  shadow.drawImage(4 + 8, 4 + card.height(), images.Shadow(2));
  shadow.drawImage(4, 4, images.Face(1));
  shadow.end();
  sheet.Add(lifted, "shadow");
}

void fnAddBackgrounds(TContactSheet& sheet, const TImageLibrary& library) {
  const char* group = "";
  for (const TAppearanceItem& item : fnBuiltInBackgrounds()) {
    if (item.number <= 1 || item.number > 1000) continue;
    if (QString(group) != item.group) {
      if (QString(group).isEmpty()) sheet.Caption("Backgrounds (each a corner of four tiles, to show the seams)");
      sheet.NewRow();
      group = item.group;
    }
    QImage tile;
    const QString name = QString("B%1").arg(item.number);
    if (!library.LoadNamedImage(tile, name)) continue;
    // Four tiles meeting in the middle: a seam would show as a cross.
    QImage corner(kSheetTile, kSheetTile, QImage::Format_RGB32);
    QPainter painter(&corner);
    for (const QPoint at :
         {QPoint(0, 0), QPoint(-tile.width(), 0), QPoint(0, -tile.height()), QPoint(-tile.width(), -tile.height())})
      painter.drawImage(at + QPoint(kSheetTile / 2, kSheetTile / 2), tile);
    painter.end();
    sheet.Add(corner, item.name);
  }
}

void fnAddSmallPictures(TContactSheet& sheet, const TImageLibrary& library) {
  const char* commands[] = {"NEW", "OPEN", "RESTART", "SAVE", "UNDO", "REDO", "AUTOPLAY", "STAT", "RULES", "EXIT"};
  for (const char* style : {"", "2000_"}) {
    sheet.Caption(QString("Toolbar pictures%1, large, small and disabled").arg(*style ? " (\"2000_\" style)" : ""));
    for (const char* size : {"LARGE", "SMALL"}) {
      sheet.NewRow();
      for (const char* command : commands) {
        for (const char* variant : {"", "_DIS"}) {
          QImage picture;
          if (library.LoadNamedImage(picture, QString("%1TB_%2_%3%4").arg(style, command, size, variant)))
            sheet.Add(picture);
        }
      }
    }
  }
  sheet.Caption("Suits, status bar and menu pictures, the pointers, the pause screen");
  sheet.NewRow();
  for (const char* name :
       {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES", "STATUSBAR_STOCK", "STATUSBAR_WASTE",
        "STATUSBAR_FOUNDATION", "STATUSBAR_TABLEAU", "STATUSBAR_RESERVE", "MN_SELECT", "MN_PLAYERS", "MN_BOOKMARK",
        "MN_PAUSE", "MN_SERIES", "MN_FAVORITES", "MN_CUSTOMIZE", "MN_RULESWIZARD", "MN_CARDCOUNTER"}) {
    QImage picture;
    if (library.LoadNamedImage(picture, name)) sheet.Add(picture);
  }
  sheet.NewRow();
  for (const char* hand : {"ARROW", "RIGHT_HAND", "LEFT_HAND"}) {
    for (const char* variant : {"1A", "2A", "1B", "2B"}) {
      QCursor cursor;
      if (library.LoadCursor(QString("CUR_%1%2").arg(hand, variant), cursor)) sheet.Add(cursor.pixmap().toImage());
    }
  }
  sheet.NewRow();
  for (const char* name : {"BMP_PAUSE_1", "BMP_PAUSE_2"}) {
    QImage picture;
    if (library.LoadNamedImage(picture, name)) sheet.Add(picture);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() < 3 || arguments.size() > 4) {
    std::fprintf(stderr, "usage: tablerun-sheet <program folder> <output.png> [card set number]\n");
    return 2;
  }
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TTablerunState state(fs, screen);
  state.programFolder = arguments[1].endsWith('/') ? arguments[1].toStdString() : arguments[1].toStdString() + "/";
  // A preference store of its own, for the add-on set of size X.
  const QTemporaryDir data;
  state.dataFolder = data.path().toStdString() + "/";
  state.store = std::make_unique<TIniFile>(fs, screen, state.dataFolder + "Cfg.dat");
  const int set = arguments.size() == 4 ? arguments[3].toInt() : 1;

  TImageLibrary library;
  QElapsedTimer timer;
  timer.start();
  if (!fnOpenImageLibraryOrTell(state, library)) {
    std::fprintf(stderr, "%s\n", screen.messages.back().text.c_str());
    return 1;
  }
  std::printf("OpenMainImageLibrary: %.2f ms\n", fnMilliseconds(timer));

  TAppearance appearance(state, library);
  TContactSheet sheet;
  sheet.Caption("Card set " + QString::fromStdString(fnThreeDigits(set)));
  for (const char size : QByteArray(kSizes)) {
    state.config.Write(cfg::kCardSize, std::string(1, size));
    state.config.Write(cfg::kCardSet, fnThreeDigits(set));
    state.config.Write(cfg::kBackNumber, size == 'L' ? "001" : "011");
    // Size X has no built-in set: the add-on pack's first one stands in.
    state.config.Write(cfg::kAddOnCardSet, size == 'X' ? "Y" : "N");
    state.store->WriteString("Preference", "Additional_Cards_Set", size == 'X' ? "C001" : "");
    QImage probe;
    if (size != 'X' && !library.LoadNamedImage(probe, fnCardSetImageName(size, set, 0))) continue;
    timer.restart();
    appearance.ApplyCardSet();
    std::printf("ApplyCardSet at size %c: %.2f ms\n", size, fnMilliseconds(timer));
    fnAddCardSet(sheet, appearance.Images(), size);
  }
  fnAddBacks(sheet, library);
  state.config.Write(cfg::kCardSet, "001");
  state.config.Write(cfg::kBackNumber, "011");
  fnAddMarks(sheet, appearance, state, 'B');
  fnAddMarks(sheet, appearance, state, 'M');
  fnAddBackgrounds(sheet, library);
  fnAddSmallPictures(sheet, library);
  for (const auto& shown : screen.messages) std::fprintf(stderr, "message: %s\n", shown.text.c_str());
  if (!sheet.Render().save(arguments[2], "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments[2]));
    return 1;
  }
  return 0;
}
