#include "miniature.h"

#include <QFont>
#include <QPainter>
#include <array>

#include "card_outline.h"

namespace tablerun::images {
namespace {

const std::array<QString, 4> kSuitSymbols = {QString(QChar(0x2665)), QString(QChar(0x2666)), QString(QChar(0x2663)),
                                             QString(QChar(0x2660))};
const std::array<QString, 14> kRankTexts = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

const QColor kRed(200, 0, 0);
const QColor kBlack(0, 0, 0);

QFont fnFont(int pixelSize, bool bold) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

// Rank above, suit below, both centred: the two things a preview must tell.
QImage fnMiniature(const QString& top, const QString& bottom, const QColor& colour, QSize size) {
  QImage card = fnBlankCard(size);
  QPainter painter(&card);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  painter.setPen(colour);
  const int half = size.height() / 2;
  // "10" needs a condensed face to fit the width.
  QFont rankFont = fnFont(size.height() * 7 / 16, true);
  if (top.size() > 1) rankFont.setStretch(QFont::Condensed);
  painter.setFont(rankFont);
  painter.drawText(QRect(0, 1, size.width(), half), Qt::AlignHCenter | Qt::AlignBottom, top);
  painter.setFont(fnFont(size.height() / 2, false));
  painter.drawText(QRect(0, half - 2, size.width(), size.height() - half), Qt::AlignHCenter | Qt::AlignTop, bottom);
  fnStrokeOutline(painter, fnCardOutline(size));
  return card;
}

}  // namespace

QImage fnMiniatureFace(int suit, int rank, QSize size) {
  return fnMiniature(kRankTexts.at(static_cast<std::size_t>(rank)), kSuitSymbols.at(static_cast<std::size_t>(suit)),
                     suit < 2 ? kRed : kBlack, size);
}

QImage fnMiniatureJoker(QSize size) { return fnMiniature("JK", QString(QChar(0x2605)), kRed, size); }

QImage fnMiniatureBack(QSize size) {
  QImage card = fnBlankCard(size);
  QPainter painter(&card);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipPath(fnCardOutline(size));
  painter.fillRect(card.rect(), QColor(20, 40, 150));
  painter.setPen(QPen(Qt::white, 1.0));
  painter.drawRect(QRectF(card.rect()).adjusted(2.5, 2.5, -2.5, -2.5));
  painter.setClipping(false);
  fnStrokeOutline(painter, fnCardOutline(size));
  return card;
}

}  // namespace tablerun::images
