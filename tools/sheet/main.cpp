// Renders a contact sheet of a built-in card set from the program's own image
// library, through the same loading the program uses, and prints its cost.
#include <QGuiApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "contact_sheet.h"
#include "view/card_images.h"
#include "view/image_library.h"
#include "view/image_names.h"

namespace {

using tablerun::TCardChoice;
using tablerun::TCardImages;
using tablerun::TImageLibrary;

constexpr int kHighestBackNumber = 40;
const char kSizes[] = "SBML";

double fnMilliseconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

void fnAddCardSet(tablerun::sheet::TContactSheet& sheet, const TCardImages& images, char size) {
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

void fnAddBacks(tablerun::sheet::TContactSheet& sheet, const TImageLibrary& library) {
  for (const char size : QByteArray(kSizes)) {
    bool first = true;
    for (int number = 1; number <= kHighestBackNumber; ++number) {
      const QString name = tablerun::fnBackImageName(size, number);
      QImage back;
      if (!library.LoadNamedImage(back, name)) continue;
      if (first) sheet.Caption(QString("Backs at size %1").arg(size));
      if (first) sheet.NewRow();
      first = false;
      sheet.Add(back, name);
    }
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
  QString folder = arguments[1];
  if (!folder.endsWith('/')) folder += '/';
  TCardChoice choice;
  choice.set = arguments.size() == 4 ? arguments[3].toInt() : 1;

  TImageLibrary library;
  QString failure;
  QElapsedTimer timer;
  timer.start();
  if (!library.OpenMainImageLibrary(folder, failure)) {
    std::fprintf(stderr, "%s\n", qPrintable(failure));
    return 1;
  }
  std::printf("OpenMainImageLibrary: %.2f ms\n", fnMilliseconds(timer));

  tablerun::sheet::TContactSheet sheet;
  sheet.Caption("Card set " + tablerun::fnThreeDigits(choice.set));
  for (const char size : QByteArray(kSizes)) {
    choice.size = size;
    choice.back = size == 'L' ? 1 : 11;
    TCardImages images;
    timer.restart();
    if (!images.LoadCardImages(library, choice, false)) continue;
    std::printf("ApplyCardSet at size %c: %.2f ms\n", size, fnMilliseconds(timer));
    fnAddCardSet(sheet, images, size);
  }
  fnAddBacks(sheet, library);
  if (!sheet.Render().save(arguments[2], "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments[2]));
    return 1;
  }
  return 0;
}
