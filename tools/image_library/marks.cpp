#include "marks.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "card_outline.h"

namespace tablerun::images {
namespace {

// Drawn four times larger and reduced, so thin lines stay smooth at 59 x 80.
constexpr int kOversample = 4;
const QColor kLine(255, 255, 255, 150);
const QColor kGlass(255, 255, 255, 26);
const QColor kSymbol(255, 255, 255, 165);

void fnText(QPainter& painter, const QRectF& area, const QString& text, double height) {
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(std::max(1, int(height)));
  painter.setFont(font);
  painter.setPen(kSymbol);
  painter.drawText(area, Qt::AlignCenter, text);
}

// Four small suit signs in a diamond: any foundation.
void fnFourSuits(QPainter& painter, const QRectF& area) {
  const double step = area.width() * 0.2;
  const QPointF centre = area.center();
  const QPointF places[] = {{0, -step}, {step, 0}, {0, step}, {-step, 0}};
  const QString suits[] = {QString::fromUtf8("\u2665"), QString::fromUtf8("\u2660"), QString::fromUtf8("\u2666"),
                           QString::fromUtf8("\u2663")};
  for (int i = 0; i < 4; ++i) {
    const QRectF cell(centre + places[i] - QPointF(step, step), QSizeF(2 * step, 2 * step));
    fnText(painter, cell, suits[i], step * 1.4);
  }
}

void fnArrowHead(QPainter& painter, QPointF tip, double angle, double length) {
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(tip + QPointF(std::cos(angle + 2.6), std::sin(angle + 2.6)) * length);
  head.lineTo(tip + QPointF(std::cos(angle - 2.6), std::sin(angle - 2.6)) * length);
  head.closeSubpath();
  painter.fillPath(head, kSymbol);
}

// A circular arrow: the stock can be dealt again.
void fnRedeal(QPainter& painter, const QRectF& area) {
  const double radius = area.width() * 0.26;
  const QRectF circle(area.center() - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
  painter.setPen(QPen(kSymbol, radius * 0.28, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(circle, 100 * 16, 290 * 16);
  const double end = -(100.0 + 290.0) * M_PI / 180.0;
  const QPointF tip = area.center() + QPointF(std::cos(end), std::sin(end)) * radius;
  fnArrowHead(painter, tip + QPointF(radius * 0.28, radius * 0.1), end - M_PI / 2 + 0.3, radius * 0.75);
}

void fnDownArrow(QPainter& painter, const QRectF& area) {
  const double half = area.width() * 0.22;
  const QPointF c = area.center();
  painter.setPen(QPen(kSymbol, half * 0.4, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(c + QPointF(0, -half * 1.3), c + QPointF(0, half * 0.4));
  fnArrowHead(painter, c + QPointF(0, half * 1.3), M_PI / 2, half * 1.1);
}

// A red octagon with a white bar: the stock is exhausted.
void fnStop(QPainter& painter, const QRectF& area) {
  const double radius = area.width() * 0.3;
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    const double angle = M_PI / 8 + i * M_PI / 4;
    octagon << area.center() + QPointF(std::cos(angle), std::sin(angle)) * radius;
  }
  painter.setPen(QPen(QColor(255, 255, 255, 190), radius * 0.08));
  painter.setBrush(QColor(200, 30, 30, 200));
  painter.drawPolygon(octagon);
  const QRectF bar(area.center() - QPointF(radius * 0.6, radius * 0.14), QSizeF(radius * 1.2, radius * 0.28));
  painter.fillRect(bar, QColor(255, 255, 255, 230));
}

void fnRing(QPainter& painter, const QRectF& area) {
  const double radius = area.width() * 0.2;
  painter.setPen(QPen(kSymbol, radius * 0.25));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(area.center(), radius, radius);
}

void fnSymbol(QPainter& painter, const QString& suffix, const QRectF& area) {
  static const std::map<QString, QString> kLetters = {
      {"003", "Q"}, {"006", "J"}, {"010", "A"}, {"011", "K"}, {"012", "2"}, {"013", "3"}, {"014", "4"},
      {"015", "5"}, {"016", "6"}, {"017", "7"}, {"018", "8"}, {"019", "9"}, {"020", "10"}};
  const double height = area.height();
  if (const auto letter = kLetters.find(suffix); letter != kLetters.end()) {
    fnText(painter, area, letter->second, height * (letter->second.size() > 1 ? 0.3 : 0.4));
  } else if (suffix == "009") {
    fnText(painter, area, "J\nQ\nK", height * 0.2);
  } else if (suffix == "004") {
    fnFourSuits(painter, area);
  } else if (suffix == "005") {
    fnDownArrow(painter, area);
  } else if (suffix == "008") {
    fnStop(painter, area);
  } else if (suffix == "021") {
    fnRing(painter, area);
  } else if (suffix == "022") {
    fnRedeal(painter, area);
  }
}

}  // namespace

const std::vector<QString>& fnMarkSuffixes() {
  static const std::vector<QString> suffixes = {"001", "003", "004", "005", "006",    "008",     "009", "010",
                                                "011", "012", "013", "014", "015",    "016",     "017", "018",
                                                "019", "020", "021", "022", "_WASTE", "_TABLEAU"};
  return suffixes;
}

QImage fnMark(const QString& suffix, QSize size) {
  const QSize big = size * kOversample;
  QImage mark(big, QImage::Format_ARGB32_Premultiplied);
  mark.fill(Qt::transparent);
  QPainter painter(&mark);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double pen = std::max(1.0, size.width() / 40.0) * kOversample;
  const QRectF inner = QRectF(QPointF(0, 0), QSizeF(big)).adjusted(pen, pen, -pen, -pen);
  const double radius = std::max(2.0, size.width() / 12.0) * kOversample;
  QPainterPath outline;
  outline.addRoundedRect(inner, radius, radius);
  painter.fillPath(outline, kGlass);
  QPen line(kLine, pen);
  if (suffix == "_WASTE") line.setDashPattern({3, 2});
  if (suffix == "_TABLEAU") line.setColor(QColor(255, 255, 255, 110));
  painter.strokePath(outline, line);
  fnSymbol(painter, suffix, inner);
  painter.end();
  return mark.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace tablerun::images
