// Miniature faces for the game-choice previews: at 25 x 32 pixels a deck's own
// drawing is a blur, so the miniature shows only a large rank and suit.
#pragma once

#include <QImage>
#include <QSize>

namespace tablerun::images {

QImage fnMiniatureFace(int suit, int rank, QSize size);
QImage fnMiniatureJoker(QSize size);
// A deck's back pattern turns to haze at this size: a deep blue with a white
// inner frame reads as "face down" at a glance.
QImage fnMiniatureBack(QSize size);

}  // namespace tablerun::images
