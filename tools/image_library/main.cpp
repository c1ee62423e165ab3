// Renders every picture of the main image library from the SVG card decks and
// writes the resource list that rcc packs into the library.
//   tablerun-images <KDE card deck folder> <GNOME card deck folder> <output folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <map>

#include "library_contents.h"
#include "miniature.h"
#include "sixteen_colours.h"
#include "svg_deck.h"
#include "view/image_names.h"

namespace {

using namespace tablerun::images;
using tablerun::fnCardPixelSize;

class TLibraryWriter {
public:
  TLibraryWriter(QString kdeFolder, QString gnomeFolder, QString outputFolder)
      : kdeFolder_(std::move(kdeFolder)), gnomeFolder_(std::move(gnomeFolder)), output_(std::move(outputFolder)) {}

  bool Run();

private:
  const TSvgDeck& Deck(const TDeckFile& file);
  bool Save(const QString& name, const QImage& picture);
  QImage Face(const TCardSetEntry& set, int suit, int rank, char size);
  bool WriteCardSet(const TCardSetEntry& set, char size);
  bool WriteResourceList() const;

  QString kdeFolder_, gnomeFolder_, output_;
  std::map<QString, TSvgDeck> decks_;
  QStringList names_;
  bool failed_ = false;
};

const TSvgDeck& TLibraryWriter::Deck(const TDeckFile& file) {
  const QString path = (file.package == "kde" ? kdeFolder_ : gnomeFolder_) + "/" + file.file;
  auto found = decks_.find(path);
  if (found == decks_.end()) found = decks_.try_emplace(path, path).first;
  if (!found->second.IsValid()) {
    std::fprintf(stderr, "tablerun-images: cannot read the card deck %s\n", qPrintable(path));
    failed_ = true;
  }
  return found->second;
}

bool TLibraryWriter::Save(const QString& name, const QImage& picture) {
  if (!picture.save(output_ + "/pictures/" + name + ".png", "PNG")) {
    std::fprintf(stderr, "tablerun-images: cannot write %s\n", qPrintable(name));
    return false;
  }
  names_ << name;
  return true;
}

QImage TLibraryWriter::Face(const TCardSetEntry& set, int suit, int rank, char size) {
  if (size == 'L') return fnMiniatureFace(suit, rank, fnCardPixelSize(size));
  const TSvgDeck& deck = Deck(set.deck);
  const QImage face = deck.Render(deck.FaceId(suit, rank), fnCardPixelSize(size));
  return set.sixteenColours ? fnSixteenColours(face) : face;
}

// One picture per suit: a grid of 5 x 3 cells, A-5, 6-10, J-K.
bool TLibraryWriter::WriteCardSet(const TCardSetEntry& set, char size) {
  const QSize card = fnCardPixelSize(size);
  for (int suit = 0; suit < kSuitCount; ++suit) {
    QImage grid(card.width() * 5, card.height() * 3, QImage::Format_ARGB32_Premultiplied);
    grid.fill(Qt::transparent);
    QPainter painter(&grid);
    for (int face = 0; face < kRanksPerSuit; ++face) {
      painter.drawImage((face % 5) * card.width(), (face / 5) * card.height(), Face(set, suit, face + 1, size));
    }
    painter.end();
    if (!Save(tablerun::fnCardSetImageName(size, set.number, suit), grid)) return false;
  }
  return true;
}

bool TLibraryWriter::WriteResourceList() const {
  QFile file(output_ + "/tblr.qrc");
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&file);
  // Upper-case names without extension: the program looks names up upper-cased.
  out << "<RCC>\n  <qresource prefix=\"/\">\n";
  for (const QString& name : names_) out << "    <file alias=\"" << name << "\">pictures/" << name << ".png</file>\n";
  out << "  </qresource>\n</RCC>\n";
  return out.status() == QTextStream::Ok;
}

bool TLibraryWriter::Run() {
  if (!QDir().mkpath(output_ + "/pictures")) return false;
  for (const TCardSetEntry& set : fnCardSets()) {
    for (const QChar size : set.sizes) {
      if (!WriteCardSet(set, size.toLatin1())) return false;
    }
  }
  for (const TBackEntry& back : fnBacks()) {
    const TSvgDeck& deck = Deck(back.deck);
    for (const QChar size : back.sizes) {
      const char letter = size.toLatin1();
      const QImage picture = deck.Render("back", fnCardPixelSize(letter));
      if (!Save(tablerun::fnBackImageName(letter, back.number), picture)) return false;
    }
  }
  const TSvgDeck& jokers = Deck(fnJokerDeck());
  for (const char size : {'S', 'B', 'M'}) {
    if (!Save(tablerun::fnJokerImageName(size), jokers.Render(jokers.JokerId(), fnCardPixelSize(size)))) return false;
  }
  const QSize miniature = fnCardPixelSize('L');
  if (!Save(tablerun::fnJokerImageName('L'), fnMiniatureJoker(miniature))) return false;
  if (!Save(tablerun::fnBackImageName('L', 1), fnMiniatureBack(miniature))) return false;
  return !failed_ && WriteResourceList();
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 4) {
    std::fprintf(stderr, "usage: tablerun-images <KDE card decks> <GNOME card decks> <output folder>\n");
    return 2;
  }
  return TLibraryWriter(arguments[1], arguments[2], arguments[3]).Run() ? 0 : 1;
}
