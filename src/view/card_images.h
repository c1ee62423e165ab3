// The current card set as 53 card-sized pictures (52 faces and the joker) and
// the back, sliced from the image library once per change so that painting
// only copies whole pictures.
#pragma once

#include <QImage>
#include <QSize>
#include <array>

#include "engine/tablerun_state.h"
#include "view/image_library.h"

namespace tablerun {

// Which pictures to show: the card size letter, the built-in set and back
// numbers, and rule slot 50's suit substitution.
struct TCardChoice {
  char size = 'B';
  int set = 1;
  int back = 11;
  int suitRule = 0;  // 1: every suit from spades; 2: red from hearts, black from spades
};

class TCardImages {
public:
  static constexpr int kJokerIndex = 52;

  // Index into the table for a card code 1..212, -1 for anything else.
  static int FaceIndex(int code);
  // The suit (0 hearts .. 3 spades) whose pictures show `suit` under the suit rule.
  static int PictureSuit(int suit, int suitRule);

  // Unless facesOnly, the back too. False when a picture was missing; what was
  // found is still loaded.
  bool LoadCardImages(const TImageLibrary& library, const TCardChoice& choice, bool facesOnly);
  bool LoadCardBack(const TImageLibrary& library, const TCardChoice& choice);

  // A null picture for a code that is no card.
  const QImage& Face(int code) const;
  const QImage& Back() const { return back_; }
  QSize CardSize() const { return cardSize_; }

private:
  bool LoadSuit(const TImageLibrary& library, const TCardChoice& choice, int suit);

  std::array<QImage, 53> faces_;
  QImage back_;
  QSize cardSize_;
};

TCardChoice fnCardChoice(const TTablerunState& state);
// Sets the card size and loads the faces, the joker and the back of the chosen set.
bool ApplyCardSet(const TTablerunState& state, const TImageLibrary& library, TCardImages& images);

}  // namespace tablerun
