#include "sixteen_colours.h"

#include <QColor>
#include <QVector>

namespace tablerun::images {
namespace {

const QVector<QRgb> kVgaPalette = {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
                                   qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
                                   qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
                                   qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

}  // namespace

QImage fnSixteenColours(const QImage& picture) {
  // Straight colours: an edge pixel keeps its own colour, not one faded to paper.
  const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
  QImage reduced = straight.convertToFormat(QImage::Format_RGB32)
                       .convertToFormat(QImage::Format_Indexed8, kVgaPalette, Qt::ThresholdDither | Qt::AvoidDither)
                       .convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < straight.height(); ++y) {
    for (int x = 0; x < straight.width(); ++x) {
      if (qAlpha(straight.pixel(x, y)) < 128) reduced.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
  }
  return reduced;
}

}  // namespace tablerun::images
