// The backs we draw ourselves: a picture or pattern framed on white paper, for
// the back groups the card decks do not fill (animals, children, famous
// pictures, flowers, geometric, nature).
#pragma once

#include <QImage>
#include <QSize>
#include <vector>

namespace tablerun::images {

// The back numbers drawn here.
const std::vector<int>& fnDrawnBackNumbers();
QImage fnDrawnBack(int number, QSize size);

}  // namespace tablerun::images
