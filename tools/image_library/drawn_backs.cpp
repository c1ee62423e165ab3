#include "drawn_backs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <map>
#include <random>

#include "card_outline.h"
#include "recipe_keys.h"

namespace tablerun::images {
namespace {

// Drawn four times larger and reduced, so that patterns stay crisp and smooth.
constexpr int kOversample = 4;

using TDesign = std::function<void(QPainter&, const QRectF&, std::mt19937&)>;

QString fnU(const char* utf8) { return QString::fromUtf8(utf8); }

void fnVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient gradient(r.topLeft(), r.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  p.fillRect(r, gradient);
}

void fnEmoji(QPainter& p, QPointF centre, double size, const QString& text) {
  QFont font("Noto Color Emoji");
  font.setPixelSize(int(size));
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QRectF(centre - QPointF(size, size), QSizeF(2 * size, 2 * size)), Qt::AlignCenter, text);
}

void fnMedallion(QPainter& p, QPointF centre, double radius, const QColor& fill, const QColor& ring) {
  p.setPen(QPen(ring, radius * 0.07));
  p.setBrush(fill);
  p.drawEllipse(centre, radius, radius);
}

// A picture in a round frame at the middle of the panel.
void fnEmblem(QPainter& p, const QRectF& r, const char* emoji, const QColor& fill, const QColor& ring) {
  fnMedallion(p, r.center(), r.width() * 0.36, fill, ring);
  fnEmoji(p, r.center(), r.width() * 0.42, fnU(emoji));
}

void fnStripes(QPainter& p, const QRectF& r, const QColor& a, const QColor& b, double width) {
  p.fillRect(r, a);
  p.save();
  p.translate(r.center());
  p.rotate(45);
  const double reach = r.width() + r.height();
  for (double x = -reach; x < reach; x += 2 * width) p.fillRect(QRectF(x, -reach, width, 2 * reach), b);
  p.restore();
}

void fnGingham(QPainter& p, const QRectF& r, const QColor& colour, double cell) {
  p.fillRect(r, Qt::white);
  QColor band = colour;
  band.setAlpha(110);
  for (double x = 0; x < r.width(); x += 2 * cell) p.fillRect(QRectF(x, 0, cell, r.height()), band);
  for (double y = 0; y < r.height(); y += 2 * cell) p.fillRect(QRectF(0, y, r.width(), cell), band);
}

void fnStars(QPainter& p, const QRectF& r, std::mt19937& random, int count, const QColor& colour) {
  std::uniform_real_distribution<double> x(0, r.width()), y(0, r.height()), size(1.5, 5.0);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  for (int i = 0; i < count; ++i) {
    const double s = size(random);
    p.drawEllipse(QPointF(x(random), y(random)), s, s);
  }
}

void fnCircles(QPainter& p, const QRectF& r, std::mt19937& random, int count, const QColor& colour) {
  std::uniform_real_distribution<double> x(0, r.width()), y(0, r.height()), size(4, 18);
  p.setPen(QPen(colour, 2.5));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < count; ++i) {
    const double s = size(random);
    p.drawEllipse(QPointF(x(random), y(random)), s, s);
  }
}

void fnScatter(QPainter& p, const QRectF& r, std::mt19937& random, int count, double size, const QString& emoji) {
  std::uniform_real_distribution<double> x(0, r.width()), y(0, r.height());
  for (int i = 0; i < count; ++i) fnEmoji(p, QPointF(x(random), y(random)), size, emoji);
}

void fnMondrian(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(242, 239, 230));
  const double w = r.width(), h = r.height(), line = w * 0.045;
  p.fillRect(QRectF(0, 0, w * 0.62, h * 0.55), QColor(206, 32, 41));
  p.fillRect(QRectF(w * 0.62, h * 0.78, w * 0.38, h * 0.22), QColor(250, 201, 1));
  p.fillRect(QRectF(0, h * 0.8, w * 0.24, h * 0.2), QColor(34, 80, 149));
  p.fillRect(QRectF(w * 0.82, 0, w * 0.18, h * 0.2), QColor(30, 30, 30));
  for (const double x : {0.24, 0.62, 0.82}) p.fillRect(QRectF(w * x - line / 2, 0, line, h), QColor(20, 20, 20));
  for (const double y : {0.2, 0.55, 0.78, 0.8}) p.fillRect(QRectF(0, h * y - line / 2, w, line), QColor(20, 20, 20));
}

// Rows of overlapping fans of arcs, the old wave pattern.
void fnWaves(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(240, 234, 214));
  const double radius = r.width() / 5;
  for (int row = 0; row * radius * 0.5 < r.height() + radius; ++row) {
    const double y = row * radius * 0.5;
    const double shift = row % 2 ? radius : 0;
    for (double x = -radius + shift; x < r.width() + radius; x += 2 * radius) {
      for (int ring = 0; ring < 4; ++ring) {
        const double size = radius * (1 - ring * 0.24);
        p.setPen(Qt::NoPen);
        p.setBrush(ring % 2 ? QColor(240, 234, 214) : QColor(29, 63, 114));
        p.drawEllipse(QPointF(x, y), size, size);
      }
    }
  }
}

void fnStarryNight(QPainter& p, const QRectF& r, std::mt19937& random) {
  fnVertical(p, r, QColor(18, 38, 96), QColor(10, 24, 64));
  const QPointF centres[] = {{r.width() * 0.35, r.height() * 0.3}, {r.width() * 0.7, r.height() * 0.55}};
  for (const QPointF centre : centres) {
    for (int ring = 1; ring < 9; ++ring) {
      const double radius = ring * r.width() * 0.05;
      p.setPen(QPen(ring % 2 ? QColor(74, 118, 190, 170) : QColor(150, 185, 228, 150), r.width() * 0.018, Qt::SolidLine,
                    Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      for (int dash = 0; dash < 5; ++dash) {
        p.drawArc(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                  int((dash * 72 + ring * 17) * 16), 44 * 16);
      }
    }
  }
  std::uniform_real_distribution<double> x(0, r.width()), y(0, r.height() * 0.7);
  for (int star = 0; star < 9; ++star) {
    const QPointF at(x(random), y(random));
    QRadialGradient glow(at, r.width() * 0.07);
    glow.setColorAt(0, QColor(255, 236, 140, 255));
    glow.setColorAt(0.35, QColor(246, 213, 92, 200));
    glow.setColorAt(1, QColor(246, 213, 92, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(at, r.width() * 0.07, r.width() * 0.07);
  }
  // The moon in the corner and a dark cypress rising like a flame.
  const QPointF moon(r.width() * 0.82, r.height() * 0.12);
  p.setBrush(QColor(250, 220, 100));
  p.drawEllipse(moon, r.width() * 0.09, r.width() * 0.09);
  p.setBrush(QColor(18, 38, 96));
  p.drawEllipse(moon + QPointF(r.width() * 0.04, -r.width() * 0.02), r.width() * 0.08, r.width() * 0.08);
  QPainterPath cypress;
  cypress.moveTo(r.width() * 0.05, r.height());
  cypress.cubicTo(r.width() * 0.05, r.height() * 0.6, r.width() * 0.2, r.height() * 0.45, r.width() * 0.17,
                  r.height() * 0.3);
  cypress.cubicTo(r.width() * 0.3, r.height() * 0.5, r.width() * 0.35, r.height() * 0.75, r.width() * 0.32, r.height());
  cypress.closeSubpath();
  p.fillPath(cypress, QColor(26, 40, 24));
}

void fnHarlequin(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(126, 22, 41));
  const double w = r.width() / 3, h = r.height() / 4;
  for (int row = -1; row <= 8; ++row) {
    for (int col = -1; col <= 4; ++col) {
      const QPointF c(col * w + (row % 2 ? w / 2 : 0), row * h / 2);
      QPolygonF diamond{c + QPointF(0, -h / 2), c + QPointF(w / 2, 0), c + QPointF(0, h / 2), c + QPointF(-w / 2, 0)};
      p.setPen(QPen(QColor(217, 180, 74), 2.5));
      p.setBrush((row + col) % 2 ? QColor(176, 33, 58) : QColor(126, 22, 41));
      p.drawPolygon(diamond);
    }
  }
}

void fnChevrons(QPainter& p, const QRectF& r) {
  const QColor colours[] = {QColor(28, 124, 125), QColor(243, 241, 231), QColor(20, 52, 84), QColor(243, 241, 231)};
  const double band = r.height() / 12, tooth = r.width() / 4;
  for (int i = -2; i < 14; ++i) {
    QPainterPath path;
    const double y = i * band;
    path.moveTo(-tooth, y);
    for (double x = -tooth; x <= r.width() + tooth; x += tooth)
      path.lineTo(x + tooth / 2, y + (int(x / tooth) % 2 ? band : -band));
    path.lineTo(r.width() + tooth, y + 3 * band);
    path.lineTo(-tooth, y + 3 * band);
    path.closeSubpath();
    p.fillPath(path, colours[(i + 4) % 4]);
  }
}

void fnRings(QPainter& p, const QRectF& r) {
  p.fillRect(r, QColor(21, 36, 74));
  const double radius = r.width() / 4;
  p.setPen(QPen(QColor(222, 186, 90), 3));
  p.setBrush(Qt::NoBrush);
  for (double y = 0; y <= r.height() + radius; y += radius * std::sqrt(3.0) / 2) {
    const int row = int(std::lround(y / (radius * std::sqrt(3.0) / 2)));
    for (double x = (row % 2 ? radius / 2 : 0); x <= r.width() + radius; x += radius)
      p.drawEllipse(QPointF(x, y), radius, radius);
  }
}

void fnMountains(QPainter& p, const QRectF& r, std::mt19937& random) {
  fnVertical(p, r, QColor(246, 178, 107), QColor(142, 90, 155));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 236, 190));
  p.drawEllipse(QPointF(r.width() * 0.68, r.height() * 0.32), r.width() * 0.13, r.width() * 0.13);
  const QColor layers[] = {QColor(120, 82, 140), QColor(92, 62, 118), QColor(64, 44, 92), QColor(40, 28, 64)};
  std::uniform_real_distribution<double> jitter(-1, 1);
  for (int layer = 0; layer < 4; ++layer) {
    QPainterPath ridge;
    const double base = r.height() * (0.45 + layer * 0.13);
    ridge.moveTo(0, r.height());
    for (double x = 0; x <= r.width() + 8; x += r.width() / 8) {
      ridge.lineTo(x, base + jitter(random) * r.height() * 0.07 - (int(x / (r.width() / 8)) % 2) * r.height() * 0.06);
    }
    ridge.lineTo(r.width(), r.height());
    ridge.closeSubpath();
    p.fillPath(ridge, layers[layer]);
  }
}

const std::map<int, TDesign>& fnDesigns() {
  static const std::map<int, TDesign> designs = {
      {2,
       [](QPainter& p, const QRectF& r, std::mt19937&) {
         fnStripes(p, r, QColor(232, 119, 46), QColor(201, 95, 31), r.width() / 10);
         fnEmblem(p, r, "\U0001F98A", QColor(253, 244, 226), QColor(120, 60, 20));
       }},
      {4,
       [](QPainter& p, const QRectF& r, std::mt19937& random) {
         fnVertical(p, r, QColor(27, 42, 73), QColor(46, 74, 125));
         fnStars(p, r, random, 40, QColor(255, 255, 230, 200));
         fnEmblem(p, r, "\U0001F989", QColor(244, 231, 176), QColor(244, 231, 176, 90));
       }},
      {6,
       [](QPainter& p, const QRectF& r, std::mt19937& random) {
         fnVertical(p, r, QColor(46, 196, 214), QColor(27, 127, 166));
         fnCircles(p, r, random, 22, QColor(255, 255, 255, 120));
         fnEmoji(p, r.center(), r.width() * 0.5, fnU("\U0001F420"));
       }},
      {8,
       [](QPainter& p, const QRectF& r, std::mt19937&) {
         fnGingham(p, r, QColor(232, 110, 150), r.width() / 12);
         fnEmblem(p, r, "\U0001F9F8", Qt::white, QColor(232, 110, 150));
       }},
      {10,
       [](QPainter& p, const QRectF& r, std::mt19937&) {
         fnVertical(p, r, QColor(120, 190, 240), QColor(200, 232, 250));
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(255, 255, 255, 220));
         for (const QPointF c : {QPointF(0.25, 0.8), QPointF(0.4, 0.84), QPointF(0.75, 0.9), QPointF(0.88, 0.86)})
           p.drawEllipse(QPointF(c.x() * r.width(), c.y() * r.height()), r.width() * 0.16, r.width() * 0.09);
         fnEmoji(p, QPointF(r.width() * 0.3, r.height() * 0.32), r.width() * 0.3, fnU("\U0001F388"));
         fnEmoji(p, QPointF(r.width() * 0.68, r.height() * 0.22), r.width() * 0.34, fnU("\U0001F388"));
         fnEmoji(p, QPointF(r.width() * 0.55, r.height() * 0.55), r.width() * 0.3, fnU("\U0001F388"));
       }},
      {14,
       [](QPainter& p, const QRectF& r, std::mt19937& random) {
         fnVertical(p, r, QColor(40, 16, 82), QColor(92, 40, 140));
         fnStars(p, r, random, 50, QColor(255, 255, 255, 210));
         fnEmoji(p, r.center(), r.width() * 0.5, fnU("\U0001F680"));
       }},
      {16,
       [](QPainter& p, const QRectF& r, std::mt19937&) {
         const QColor bands[] = {QColor(255, 190, 200), QColor(255, 222, 180), QColor(255, 246, 190),
                                 QColor(200, 240, 200), QColor(190, 220, 255), QColor(220, 200, 250)};
         for (int i = 0; i < 6; ++i) p.fillRect(QRectF(0, i * r.height() / 6, r.width(), r.height() / 6 + 1), bands[i]);
         fnEmblem(p, r, "\U0001F984", Qt::white, QColor(220, 200, 250));
       }},
      {17, [](QPainter& p, const QRectF& r, std::mt19937&) { fnMondrian(p, r); }},
      {18,
       [](QPainter& p, const QRectF& r, std::mt19937&) {
         fnWaves(p, r);
         fnEmblem(p, r, "\U0001F30A", QColor(240, 234, 214), QColor(29, 63, 114));
       }},
      {19, [](QPainter& p, const QRectF& r, std::mt19937& random) { fnStarryNight(p, r, random); }},
      {21,
       [](QPainter& p, const QRectF& r, std::mt19937&) {
         fnGingham(p, r, QColor(58, 110, 165), r.width() / 12);
         fnMedallion(p, r.center(), r.width() * 0.38, Qt::white, QColor(58, 110, 165));
         fnEmoji(p, r.center(), r.width() * 0.46, fnU("\U0001F33B"));
       }},
      {22,
       [](QPainter& p, const QRectF& r, std::mt19937&) {
         fnStripes(p, r, QColor(221, 239, 208), QColor(206, 230, 190), r.width() / 12);
         for (int i = 0; i < 3; ++i)
           fnEmoji(p, QPointF(r.width() * (0.22 + i * 0.28), r.height() * (i == 1 ? 0.42 : 0.58)), r.width() * 0.3,
                   fnU("\U0001F337"));
       }},
      {23,
       [](QPainter& p, const QRectF& r, std::mt19937& random) {
         p.fillRect(r, QColor(251, 227, 234));
         fnScatter(p, r, random, 14, r.width() * 0.12, fnU("\U0001F338"));
         fnEmoji(p, r.center(), r.width() * 0.4, fnU("\U0001F338"));
       }},
      {24,
       [](QPainter& p, const QRectF& r, std::mt19937&) {
         p.fillRect(r, QColor(122, 15, 30));
         p.setPen(QPen(QColor(217, 180, 74, 110), 3));
         for (double d = -r.height(); d < r.width() + r.height(); d += r.width() / 5) {
           p.drawLine(QPointF(d, 0), QPointF(d + r.height(), r.height()));
           p.drawLine(QPointF(d, r.height()), QPointF(d + r.height(), 0));
         }
         fnEmblem(p, r, "\U0001F339", QColor(253, 244, 226), QColor(217, 180, 74));
       }},
      {25, [](QPainter& p, const QRectF& r, std::mt19937&) { fnHarlequin(p, r); }},
      {26, [](QPainter& p, const QRectF& r, std::mt19937&) { fnChevrons(p, r); }},
      {27, [](QPainter& p, const QRectF& r, std::mt19937&) { fnRings(p, r); }},
      {28, [](QPainter& p, const QRectF& r, std::mt19937& random) { fnMountains(p, r, random); }},
      {29,
       [](QPainter& p, const QRectF& r, std::mt19937& random) {
         fnVertical(p, r, QColor(243, 201, 105), QColor(217, 100, 43));
         fnScatter(p, r, random, 10, r.width() * 0.1, fnU("\U0001F342"));
         fnEmoji(p, r.center(), r.width() * 0.5, fnU("\U0001F341"));
       }},
      {30,
       [](QPainter& p, const QRectF& r, std::mt19937& random) {
         fnVertical(p, r, QColor(70, 130, 200), QColor(24, 64, 132));
         fnStars(p, r, random, 45, QColor(255, 255, 255, 230));
         fnEmblem(p, r, "\u2744\uFE0F", QColor(235, 246, 255), QColor(255, 255, 255, 120));
       }},
  };
  return designs;
}

}  // namespace

const std::vector<int>& fnDrawnBackNumbers() {
  static const std::vector<int> keys = fnRecipeKeys(fnDesigns());
  return keys;
}

QImage fnDrawnBack(int number, QSize size) {
  QImage card = fnBlankCard(size);
  const int inset = std::max(3, int(std::lround(size.width() * 0.07)));
  const QRect panel = QRect(QPoint(0, 0), size).adjusted(inset, inset, -inset, -inset);
  QImage art(panel.size() * kOversample, QImage::Format_ARGB32_Premultiplied);
  art.fill(Qt::white);
  {
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    std::mt19937 random(static_cast<unsigned>(number));
    fnDesigns().at(number)(painter, QRectF(art.rect()), random);
  }
  QPainter painter(&card);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath clip;
  clip.addRoundedRect(QRectF(panel), inset * 0.6, inset * 0.6);
  painter.setClipPath(clip);
  painter.drawImage(panel.topLeft(), art.scaled(panel.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  painter.setClipping(false);
  painter.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
  painter.drawPath(clip);
  fnStrokeOutline(painter, fnCardOutline(size));
  return card;
}

}  // namespace tablerun::images
