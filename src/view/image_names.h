// The names of the pictures in the image libraries and the pixel size of each
// card size letter, shared by the program and the tool that draws the library.
#pragma once

#include <QSize>
#include <QString>

#include "model/layout.h"

namespace tablerun {

inline QSize fnCardPixelSize(char letter) {
  TLayoutMetrics metrics;
  metrics.cardSize = letter;
  return {metrics.CardWidth(), metrics.CardHeight()};
}

inline QString fnThreeDigits(int number) { return QString("%1").arg(number, 3, 10, QChar('0')); }

// The 13 faces of one suit (0 hearts .. 3 spades) of a built-in card set.
inline QString fnCardSetImageName(char size, int set, int suit) {
  return QString("C%1%2%3").arg(size).arg(fnThreeDigits(set)).arg("HDCS"[suit]);
}

inline QString fnBackImageName(char size, int back) { return QString("D%1%2").arg(size).arg(fnThreeDigits(back)); }

inline QString fnJokerImageName(char size) { return QString("JOKER_") + size; }

}  // namespace tablerun
