#include "view/card_images.h"

#include "model/layout.h"
#include "view/image_names.h"

namespace tablerun {
namespace {

constexpr int kPosBack = 21;
constexpr int kPosCardSet = 24;
constexpr int kPosCardSize = 128;
constexpr int kRuleSuitPictures = 50;
constexpr int kDefaultBack = 11;

constexpr int kGridColumns = 5;
constexpr int kFacesPerSuit = 13;

int fnNumber(const TConfigRecord& config, int position, int length, int fallback) {
  bool ok = false;
  const int number = QString::fromStdString(config.Read(position, length)).trimmed().toInt(&ok);
  return ok ? number : fallback;
}

}  // namespace

int TCardImages::FaceIndex(int code) {
  if (code < 1 || code > 212) return -1;
  return code > 208 ? kJokerIndex : (code - 1) % 52;
}

int TCardImages::PictureSuit(int suit, int suitRule) {
  constexpr int kHearts = 0, kSpades = 3;
  if (suitRule == 1) return kSpades;
  if (suitRule == 2) return suit < 2 ? kHearts : kSpades;
  return suit;
}

const QImage& TCardImages::Face(int code) const {
  static const QImage kNoCard;
  const int index = FaceIndex(code);
  return index < 0 ? kNoCard : faces_[static_cast<std::size_t>(index)];
}

bool TCardImages::LoadSuit(const TImageLibrary& library, const TCardChoice& choice, int suit) {
  const int source = PictureSuit(suit, choice.suitRule);
  QImage grid;
  if (!library.LoadNamedImage(grid, fnCardSetImageName(choice.size, choice.set, source))) return false;
  const int w = cardSize_.width(), h = cardSize_.height();
  for (int face = 0; face < kFacesPerSuit; ++face) {
    faces_[static_cast<std::size_t>(suit * kFacesPerSuit + face)] =
        grid.copy((face % kGridColumns) * w, (face / kGridColumns) * h, w, h);
  }
  return true;
}

bool TCardImages::LoadCardImages(const TImageLibrary& library, const TCardChoice& choice, bool facesOnly) {
  cardSize_ = fnCardPixelSize(choice.size);
  bool complete = true;
  for (int suit = 0; suit < 4; ++suit) complete = LoadSuit(library, choice, suit) && complete;
  if (!facesOnly) complete = LoadCardBack(library, choice) && complete;
  return library.LoadNamedImage(faces_[kJokerIndex], fnJokerImageName(choice.size)) && complete;
}

bool TCardImages::LoadCardBack(const TImageLibrary& library, const TCardChoice& choice) {
  // Only the default back exists at every playing size; the others are drawn
  // at size B and stretched. The miniatures have their own backs.
  const bool stretched = QByteArray("MSX").contains(choice.size) && choice.back != kDefaultBack;
  if (!stretched) return library.LoadNamedImage(back_, fnBackImageName(choice.size, choice.back));
  QImage normal;
  if (!library.LoadNamedImage(normal, fnBackImageName('B', choice.back))) return false;
  back_ = normal.scaled(fnCardPixelSize(choice.size), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return true;
}

TCardChoice fnCardChoice(const TTablerunState& state) {
  TCardChoice choice;
  const std::string size = state.config.Read(kPosCardSize, 1);
  choice.size = TLayoutMetrics::IsCardSize(size.empty() ? ' ' : size[0]) ? size[0] : 'B';
  choice.set = fnNumber(state.config, kPosCardSet, 3, 1);
  choice.back = fnNumber(state.config, kPosBack, 3, kDefaultBack);
  choice.suitRule = state.rules.Get(kRuleSuitPictures);
  return choice;
}

bool ApplyCardSet(const TTablerunState& state, const TImageLibrary& library, TCardImages& images) {
  return images.LoadCardImages(library, fnCardChoice(state), false);
}

}  // namespace tablerun
