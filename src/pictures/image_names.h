// The core's picture names and card sizes as Qt types, for the program and the
// tools that draw and show the library.
#pragma once

#include <QSize>
#include <QString>

#include "engine/appearance/card_appearance.h"

namespace tablerun {

inline QSize fnCardPixelSize(char letter) {
  const TCardPixels pixels = fnCardPixels(letter).value_or(TCardPixels{71, 96});
  return {pixels.width, pixels.height};
}

// The 13 faces of one suit (0 hearts .. 3 spades) of a built-in card set.
inline QString fnCardSetImageName(char size, int set, int suit) {
  return QString::fromStdString(fnCardSetResource(size, set, suit));
}
// The same picture at twice the pixels, for screens of twice the density.
inline QString fnSharpImageName(const QString& name) { return name + "_2X"; }
inline QString fnBackImageName(char size, int back) { return QString::fromStdString(fnBackResource(size, back)); }
inline QString fnJokerImageName(char size) { return QString::fromStdString(fnJokerResource(size)); }
inline QString fnMarkImageName(char size, const char* suffix) { return QString("W%1%2").arg(size).arg(suffix); }

}  // namespace tablerun
