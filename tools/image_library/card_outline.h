// The rounded outline every generated card shares, so that all sets and backs
// meet the table with the same clean, transparent corners.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

namespace tablerun::images {

QPainterPath fnCardOutline(QSize size);
// A card-sized picture: transparent outside the outline, white inside.
QImage fnBlankCard(QSize size);
void fnStrokeOutline(QPainter& painter, const QPainterPath& outline);

}  // namespace tablerun::images
