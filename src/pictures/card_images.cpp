#include "pictures/card_images.h"

#include "engine/appearance/card_appearance.h"

namespace tablerun {
namespace {

constexpr int kGridColumns = 5;
constexpr int kFacesPerSuit = 13;
constexpr int kRowsPerSuit = 3;

}  // namespace

const QImage& TCardImages::Face(int code) const {
  static const QImage kNoCard;
  const int index = fnFaceIndex(code);
  return index < 0 ? kNoCard : faces_[static_cast<std::size_t>(index)];
}

const QImage& TCardImages::SharpFace(int code) const {
  static const QImage kNoCard;
  const int index = fnFaceIndex(code);
  return index < 0 || index >= 52 ? kNoCard : sharpFaces_[static_cast<std::size_t>(index)];
}

namespace {

void fnSlice(QImage* faces, const QImage& grid, QPoint origin, QSize card) {
  const int w = card.width(), h = card.height();
  for (int face = 0; face < kFacesPerSuit; ++face) {
    faces[face] = grid.copy(origin.x() + (face % kGridColumns) * w, origin.y() + (face / kGridColumns) * h, w, h);
  }
}

}  // namespace

void TCardImages::SliceSuit(int suit, const QImage& grid, QPoint origin) {
  fnSlice(&faces_[static_cast<std::size_t>(suit * kFacesPerSuit)], grid, origin, cardSize_);
}

void TCardImages::SliceSharpSuit(int suit, const QImage& grid) {
  fnSlice(&sharpFaces_[static_cast<std::size_t>(suit * kFacesPerSuit)], grid, {}, cardSize_ * 2);
}

void TCardImages::ClearSharpFaces() { sharpFaces_.fill(QImage()); }

void TCardImages::SliceCardSetImage(const QImage& image, int suitRule) {
  for (int suit = 0; suit < 4; ++suit) {
    const int rowOfSuit = kRowsPerSuit * fnPictureSuit(suit, suitRule);
    SliceSuit(suit, image, QPoint(0, rowOfSuit * cardSize_.height()));
  }
}

void TCardImages::ClearFaces() {
  for (int index = 0; index < 52; ++index) faces_[static_cast<std::size_t>(index)] = QImage();
}

}  // namespace tablerun
