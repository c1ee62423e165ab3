// The pictures of the current card set: 53 card-sized images (52 faces and the
// joker), the back, the Jack-Queen-King mark, the shadow and border pieces.
// Sliced once per change so that painting only copies whole pictures.
#pragma once

#include <QImage>
#include <QSize>
#include <array>

namespace tablerun {

class TCardImages {
 public:
  // A null picture for a code that is no card.
  const QImage& Face(int code) const;
  // The face at twice the pixels; null when the card set has none.
  const QImage& SharpFace(int code) const;
  const QImage& Back() const { return back_; }
  const QImage& JqkMark() const { return jqkMark_; }
  const QImage& Shadow(int piece) const { return shadow_[piece == 2 ? 1 : 0]; }
  const QImage& Border(int piece) const { return border_[piece == 2 ? 1 : 0]; }
  QSize CardSize() const { return cardSize_; }

  void SetCardSize(QSize size) { cardSize_ = size; }
  // Faces of one suit (0 hearts .. 3 spades) from a 5 x 3 grid of cells, A-5, 6-10, J-K.
  void SliceSuit(int suit, const QImage& grid, QPoint origin = {});
  // The same grid at twice the pixels.
  void SliceSharpSuit(int suit, const QImage& grid);
  void ClearSharpFaces();
  // The 52 faces from a card set image of 5 x 12 cells, each suit taken from
  // the rows of the suit that rule slot 50 says.
  void SliceCardSetImage(const QImage& image, int suitRule);
  void ClearFaces();

  QImage& JokerTarget() { return faces_[52]; }
  QImage& BackTarget() { return back_; }
  QImage& JqkMarkTarget() { return jqkMark_; }
  QImage& ShadowTarget(int piece) { return shadow_[piece == 2 ? 1 : 0]; }
  QImage& BorderTarget(int piece) { return border_[piece == 2 ? 1 : 0]; }

 private:
  std::array<QImage, 53> faces_;
  std::array<QImage, 52> sharpFaces_;
  QImage back_;
  QImage jqkMark_;
  std::array<QImage, 2> shadow_;
  std::array<QImage, 2> border_;
  QSize cardSize_{71, 96};
};

}  // namespace tablerun
