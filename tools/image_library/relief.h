// The pieces the table draws beside a card: the two shadow pieces (white is
// transparent) and the two relief borders of a stacked pile (pure blue is
// transparent), cut into strips by the table painting.
#pragma once

#include <QImage>
#include <QSize>

namespace tablerun::images {

// Piece 1 lies right of the card from 7 pixels below its top, piece 2 below it
// from 8 pixels right of its left edge.
QImage fnShadowPiece(int piece, QSize card);
// Piece 1 is the right side of the stack, 16 x (height + 13); piece 2 its bottom
// side, (width + 11) x 16. Row or column 15 is the lowest card's edge.
QImage fnBorderPiece(int piece, QSize card);

}  // namespace tablerun::images
