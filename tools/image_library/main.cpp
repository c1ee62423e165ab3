// Renders every picture and sound of the image libraries (the main library and
// the size-X add-on library) and writes the resource lists that rcc packs.
//   tablerun-images <KDE card decks> <GNOME card decks> <Adwaita icon theme> <output folder>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <map>

#include "choice_pictures.h"
#include "drawn_backs.h"
#include "library_contents.h"
#include "marks.h"
#include "miniature.h"
#include "pictures/image_names.h"
#include "relief.h"
#include "sixteen_colours.h"
#include "small_pictures.h"
#include "sounds.h"
#include "svg_deck.h"
#include "textures.h"

namespace {

using namespace tablerun::images;
using tablerun::fnCardPixelSize;

class TLibraryWriter {
 public:
  TLibraryWriter(QString kdeFolder, QString gnomeFolder, QString iconFolder, QString outputFolder)
      : kdeFolder_(std::move(kdeFolder)),
        gnomeFolder_(std::move(gnomeFolder)),
        iconFolder_(std::move(iconFolder)),
        output_(std::move(outputFolder)) {}

  bool Run();

 private:
  const TSvgDeck& Deck(const TDeckFile& file);
  // Size-X pictures go to the add-on library, everything else to the main one.
  bool Store(const QString& library, const QString& alias, const QString& file, const QByteArray& bytes);
  bool Save(const QString& name, const QImage& picture);
  bool SaveSound(const QString& name, const QByteArray& wave);
  // `scale` 2 renders for screens of twice the pixel density.
  QImage Face(const TCardSetEntry& set, int suit, int rank, char size, int scale = 1);
  bool WriteCardSet(const TCardSetEntry& set, char size);
  bool WriteCardSetGrids(const TCardSetEntry& set, char size, int scale);
  bool WriteTablePieces(char size);
  bool WriteAddOnPack();
  bool WriteIndex(const QString& name, const std::vector<TAddOnItem>& items) const;
  bool WriteResourceList(const QString& library) const;

  QString kdeFolder_, gnomeFolder_, iconFolder_, output_;
  std::map<QString, TSvgDeck> decks_;
  // Per library: resource alias and file below the output folder.
  std::map<QString, std::vector<std::pair<QString, QString>>> contents_;
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

bool TLibraryWriter::Store(const QString& library, const QString& alias, const QString& file, const QByteArray& bytes) {
  QFile out(output_ + "/" + file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "tablerun-images: cannot write %s\n", qPrintable(file));
    return false;
  }
  contents_[library].emplace_back(alias, file);
  return true;
}

// Backs and marks of the sizes in the main library also come at twice the
// pixels, for dense screens; the add-on size and the miniatures do not.
bool fnHasSharpTwin(char size) { return size == 'S' || size == 'B' || size == 'M'; }

QByteArray fnEncoded(const QImage& picture, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, format, format == QByteArray("JPEG") ? 92 : -1);
  return bytes;
}

bool TLibraryWriter::Save(const QString& name, const QImage& picture) {
  const QString library = tablerun::fnIsAddOnPicture(name.toStdString()) ? "tblradd" : "tblr";
  return Store(library, name, "pictures/" + name + ".png", fnEncoded(picture, "PNG"));
}

bool TLibraryWriter::SaveSound(const QString& name, const QByteArray& wave) {
  return Store("tblr", "WAVE/" + name.toUpper(), "sounds/" + name + ".wav", wave);
}

// The add-on pack: card set images of 5 x 12 cards, backs, JPEG backgrounds,
// and the index file of each.
bool TLibraryWriter::WriteAddOnPack() {
  for (const TAddOnItem& item : fnAddOnCardSets()) {
    const QSize card = fnCardPixelSize(item.size);
    QImage image(card.width() * 5, card.height() * 12, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const TCardSetEntry set{0, item.deck, {}, false};
    for (int suit = 0; suit < kSuitCount; ++suit) {
      for (int face = 0; face < kRanksPerSuit; ++face)
        painter.drawImage((face % 5) * card.width(), (suit * 3 + face / 5) * card.height(),
                          Face(set, suit, face + 1, item.size));
    }
    painter.end();
    if (!Store("c01", item.resource, "plus/" + item.resource + ".png", fnEncoded(image, "PNG"))) return false;
  }
  for (const TAddOnItem& item : fnAddOnBacks()) {
    const QImage back = Deck(item.deck).Render("back", fnCardPixelSize(item.size));
    if (!Store("d01", item.resource, "plus/" + item.resource + ".png", fnEncoded(back, "PNG"))) return false;
  }
  for (const TAddOnItem& item : fnAddOnBackgrounds()) {
    const QByteArray jpeg = fnEncoded(fnAddOnTexture(item.resource), "JPEG");
    if (!Store("b01", "RCDATA/" + item.resource, "plus/" + item.resource + ".jpg", jpeg)) return false;
  }
  return WriteIndex("c01.dat", fnAddOnCardSets()) && WriteIndex("d01.dat", fnAddOnBacks()) &&
         WriteIndex("b01.dat", fnAddOnBackgrounds());
}

bool TLibraryWriter::WriteIndex(const QString& name, const std::vector<TAddOnItem>& items) const {
  QFile file(output_ + "/plus/" + name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&file);
  QString group;
  for (const TAddOnItem& item : items) {
    if (item.group != group) out << "[" << item.group << "]\r\n";
    group = item.group;
    out << item.resource << "=" << item.display << "\r\n";
  }
  return out.status() == QTextStream::Ok;
}

// The marks, the shadow and the relief border pieces of one card size.
bool TLibraryWriter::WriteTablePieces(char size) {
  const QSize card = fnCardPixelSize(size);
  for (const QString& suffix : fnMarkSuffixes()) {
    const QString name = tablerun::fnMarkImageName(size, qPrintable(suffix));
    if (!Save(name, fnMark(suffix, card))) return false;
    if (fnHasSharpTwin(size) && !Save(tablerun::fnSharpImageName(name), fnMark(suffix, card * 2))) return false;
  }
  for (const int piece : {1, 2}) {
    if (!Save(QString("SHADOW_%1%2").arg(size).arg(piece), fnShadowPiece(piece, card))) return false;
    if (!Save(QString("3D_BORDER_%1%2").arg(size).arg(piece), fnBorderPiece(piece, card))) return false;
  }
  return true;
}

QImage TLibraryWriter::Face(const TCardSetEntry& set, int suit, int rank, char size, int scale) {
  if (size == 'L') return fnMiniatureFace(suit, rank, fnCardPixelSize(size));
  const TSvgDeck& deck = Deck(set.deck);
  const QImage face = deck.Render(deck.FaceId(suit, rank), fnCardPixelSize(size) * scale);
  return set.sixteenColours ? fnSixteenColours(face) : face;
}

// One picture per suit: a grid of 5 x 3 cells, A-5, 6-10, J-K.
bool TLibraryWriter::WriteCardSet(const TCardSetEntry& set, char size) {
  // The miniature faces are drawn pixel by pixel and stay as they are.
  return WriteCardSetGrids(set, size, 1) && (size == 'L' || WriteCardSetGrids(set, size, 2));
}

bool TLibraryWriter::WriteCardSetGrids(const TCardSetEntry& set, char size, int scale) {
  const QSize card = fnCardPixelSize(size) * scale;
  for (int suit = 0; suit < kSuitCount; ++suit) {
    QImage grid(card.width() * 5, card.height() * 3, QImage::Format_ARGB32_Premultiplied);
    grid.fill(Qt::transparent);
    QPainter painter(&grid);
    for (int face = 0; face < kRanksPerSuit; ++face) {
      painter.drawImage((face % 5) * card.width(), (face / 5) * card.height(), Face(set, suit, face + 1, size, scale));
    }
    painter.end();
    const QString name = tablerun::fnCardSetImageName(size, set.number, suit);
    if (!Save(scale == 1 ? name : tablerun::fnSharpImageName(name), grid)) return false;
  }
  return true;
}

bool TLibraryWriter::WriteResourceList(const QString& library) const {
  QFile file(output_ + "/" + library + ".qrc");
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
  QTextStream out(&file);
  // Upper-case names without extension: the program looks names up upper-cased.
  out << "<RCC>\n  <qresource prefix=\"/\">\n";
  for (const auto& [alias, path] : contents_.at(library))
    out << "    <file alias=\"" << alias << "\">" << path << "</file>\n";
  out << "  </qresource>\n</RCC>\n";
  return out.status() == QTextStream::Ok;
}

bool TLibraryWriter::Run() {
  for (const char* folder : {"/pictures", "/sounds", "/plus"}) {
    if (!QDir().mkpath(output_ + folder)) return false;
  }
  for (const TCardSetEntry& set : fnCardSets()) {
    for (const QChar size : set.sizes) {
      if (!WriteCardSet(set, size.toLatin1())) return false;
    }
  }
  for (const TBackEntry& back : fnBacks()) {
    const TSvgDeck& deck = Deck(back.deck);
    for (const QChar size : back.sizes) {
      const char letter = size.toLatin1();
      const QString name = tablerun::fnBackImageName(letter, back.number);
      if (!Save(name, deck.Render("back", fnCardPixelSize(letter)))) return false;
      if (fnHasSharpTwin(letter) &&
          !Save(tablerun::fnSharpImageName(name), deck.Render("back", fnCardPixelSize(letter) * 2)))
        return false;
    }
  }
  for (const int number : fnDrawnBackNumbers()) {
    const QString name = tablerun::fnBackImageName('B', number);
    if (!Save(name, fnDrawnBack(number, fnCardPixelSize('B')))) return false;
    if (!Save(tablerun::fnSharpImageName(name), fnDrawnBack(number, fnCardPixelSize('B') * 2))) return false;
  }
  for (const char size : {'X', 'S', 'B', 'M', 'L'}) {
    if (!WriteTablePieces(size)) return false;
  }
  for (const int number : fnTextureNumbers()) {
    if (!Save(QString("B%1").arg(number, 3, 10, QChar('0')), fnTexture(number))) return false;
  }
  for (const QString& name : fnSoundNames()) {
    if (!SaveSound(name, fnSound(name))) return false;
  }
  const std::vector<TNamedPicture> icons = fnIconPictures(iconFolder_);
  if (icons.empty()) return false;
  for (const auto& [name, picture] : fnDrawnSmallPictures()) {
    if (!Save(name, picture)) return false;
  }
  for (const auto& [name, picture] : fnChoicePictures()) {
    if (!Save(name, picture)) return false;
  }
  for (const auto& [name, picture] : icons) {
    if (!Save(name, picture)) return false;
  }
  for (const auto& [name, picture] : fnCursors()) {
    if (!Store("tblr", "CURSOR/" + name, "pictures/" + name + ".png", fnEncoded(picture, "PNG"))) return false;
  }
  const TSvgDeck& jokers = Deck(fnJokerDeck());
  for (const char size : {'X', 'S', 'B', 'M'}) {
    if (!Save(tablerun::fnJokerImageName(size), jokers.Render(jokers.JokerId(), fnCardPixelSize(size)))) return false;
  }
  const QSize miniature = fnCardPixelSize('L');
  if (!Save(tablerun::fnJokerImageName('L'), fnMiniatureJoker(miniature))) return false;
  if (!Save(tablerun::fnBackImageName('L', 1), fnMiniatureBack(miniature))) return false;
  if (!WriteAddOnPack() || failed_) return false;
  for (const auto& [library, contents] : contents_) {
    if (!WriteResourceList(library)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 5) {
    std::fprintf(stderr, "usage: tablerun-images <KDE card decks> <GNOME card decks> <icon theme> <output folder>\n");
    return 2;
  }
  return TLibraryWriter(arguments[1], arguments[2], arguments[3], arguments[4]).Run() ? 0 : 1;
}
