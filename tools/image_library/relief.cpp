#include "relief.h"

#include <algorithm>
#include <cmath>

namespace tablerun::images {
namespace {

constexpr int kShadowDepth = 9;
constexpr int kBorderDepth = 16;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kPureBlue = 0xFF0000FF;

// A soft shadow of the card lifted 3 pixels, fading out within the shadow depth.
QRgb fnShadowPixel(double x, double y, QSize card) {
  const double dx = std::max({3.0 - x, 0.0, x - (card.width() + 2.0)});
  const double dy = std::max({3.0 - y, 0.0, y - (card.height() + 2.0)});
  const double distance = std::hypot(dx, dy);
  const int alpha = int(std::lround(96.0 * std::exp(-(distance / 2.8) * (distance / 2.8))));
  return alpha < 3 ? kWhite : qRgba(0, 0, 0, alpha);
}

// The edge of the card `layer` steps below the top of a stack: light grey paper,
// every other layer a shade darker, the lowest card's outline dark.
QRgb fnLayerPixel(int layer, bool corner) {
  if (layer == 0) return qRgb(90, 90, 90);
  if (corner) return qRgb(128, 128, 128);
  return layer % 2 ? qRgb(192, 192, 192) : qRgb(172, 172, 172);
}

}  // namespace

QImage fnShadowPiece(int piece, QSize card) {
  const QSize size = piece == 1 ? QSize(kShadowDepth, card.height() + 2) : QSize(card.width() - 8, kShadowDepth);
  const QPoint origin = piece == 1 ? QPoint(card.width(), 7) : QPoint(8, card.height());
  QImage shadow(size, QImage::Format_ARGB32);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x)
      shadow.setPixel(x, y, fnShadowPixel(origin.x() + x + 0.5, origin.y() + y + 0.5, card));
  }
  return shadow;
}

QImage fnBorderPiece(int piece, QSize card) {
  const bool right = piece == 1;
  const QSize size = right ? QSize(kBorderDepth, card.height() + 13) : QSize(card.width() + 11, kBorderDepth);
  QImage border(size, QImage::Format_ARGB32);
  border.fill(kPureBlue);
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      // Column (or row) 15 - s shows card s of the stack; its staircase starts 2 pixels earlier.
      const int along = right ? y : x, across = right ? x : y;
      const int layer = kBorderDepth - 1 - across;
      if (along < across - 2) continue;
      border.setPixel(x, y, fnLayerPixel(layer, along == across - 2));
    }
  }
  return border;
}

}  // namespace tablerun::images
