// Reduces a picture to the sixteen colours of the classic VGA palette, for the
// card set meant for displays of 256 colours or fewer.
#pragma once

#include <QImage>

namespace tablerun::images {

// Half-transparent pixels become either transparent or opaque: a 16-colour
// display has no blending.
QImage fnSixteenColours(const QImage& picture);

}  // namespace tablerun::images
