#include "card_outline.h"

#include <algorithm>

namespace tablerun::images {

QPainterPath fnCardOutline(QSize size) {
  // Half-pixel inset puts the one-pixel border line on whole pixels.
  const QRectF rect = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
  const double radius = std::max(2.0, size.width() / 14.0);
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

QImage fnBlankCard(QSize size) {
  QImage card(size, QImage::Format_ARGB32_Premultiplied);
  card.fill(Qt::transparent);
  QPainter painter(&card);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillPath(fnCardOutline(size), Qt::white);
  return card;
}

void fnStrokeOutline(QPainter& painter, const QPainterPath& outline) {
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(40, 40, 40), 1.0));
  painter.drawPath(outline);
}

}  // namespace tablerun::images
