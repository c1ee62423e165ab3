#include "svg_deck.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

#include "card_outline.h"

namespace tablerun::images {
namespace {

const std::array<QString, kSuitCount> kSuitNames = {"heart", "diamond", "club", "spade"};

QString fnRankName(int rank) {
  switch (rank) {
    case 11: return "jack";
    case 12: return "queen";
    case 13: return "king";
    default: return QString::number(rank);
  }
}

// Within this difference of shape the picture is fitted exactly: nobody sees
// 4 %, while a clipped border would show. Narrower decks are letterboxed.
constexpr double kStretchTolerance = 0.04;

QRectF fnTarget(QSizeF source, QSize size) {
  const double sourceAspect = source.width() / source.height();
  const double targetAspect = double(size.width()) / size.height();
  if (std::abs(sourceAspect / targetAspect - 1.0) <= kStretchTolerance) return QRectF(QPointF(0, 0), QSizeF(size));
  const QSizeF fitted = source.scaled(QSizeF(size), Qt::KeepAspectRatio);
  return QRectF(QPointF((size.width() - fitted.width()) / 2, (size.height() - fitted.height()) / 2), fitted);
}

}  // namespace

TSvgDeck::TSvgDeck(const QString& path) : renderer_(path) { gnomeNames_ = renderer_.elementExists("club_1"); }

QString TSvgDeck::FaceId(int suit, int rank) const {
  const QString& suitName = kSuitNames.at(static_cast<std::size_t>(suit));
  return gnomeNames_ ? suitName + "_" + fnRankName(rank) : fnRankName(rank) + "_" + suitName;
}

QString TSvgDeck::JokerId() const { return gnomeNames_ ? "joker_red" : "red_joker"; }

QImage TSvgDeck::Render(const QString& id, QSize size) const {
  QImage card = fnBlankCard(size);
  QPainter painter(&card);
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
  const QPainterPath outline = fnCardOutline(size);
  painter.setClipPath(outline);
  renderer_.render(&painter, id, fnTarget(renderer_.boundsOnElement(id).size(), size));
  painter.setClipping(false);
  fnStrokeOutline(painter, outline);
  return card;
}

}  // namespace tablerun::images
