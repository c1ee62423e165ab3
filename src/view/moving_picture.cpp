#include "view/moving_picture.h"

#include "pictures/card_images.h"

namespace tablerun {
namespace {

// A held stack casts a dotted shadow: every second pixel, rows offset by one.
void fnDottedShadow(QPainter& painter, QSize stack, int depth) {
  const int reach = depth - 2;
  for (int x = stack.width(); x < stack.width() + reach; ++x) {
    for (int y = reach; y < stack.height() + reach; ++y) {
      if ((x + y) % 2 == 0) painter.fillRect(x, y, 1, 1, Qt::black);
    }
  }
  for (int y = stack.height(); y < stack.height() + reach; ++y) {
    const int shorter = y >= stack.height() + reach - 2 ? 2 : 0;
    for (int x = reach + 1; x < stack.width() - shorter; ++x) {
      if ((x + y) % 2 == 0) painter.fillRect(x, y, 1, 1, Qt::black);
    }
  }
}

}  // namespace

QRegion TMovingPicture::Show(const QImage& cards, QPoint at, int shadowDepth, const TCardImages& images) {
  const QRegion before = Hide();
  cards_ = cards;
  at_ = at;
  const qreal ratio = cards.devicePixelRatio();
  const QSize stack = cards.deviceIndependentSize().toSize();
  picture_ = QImage((stack + QSize(shadowDepth, shadowDepth)) * ratio, QImage::Format_ARGB32_Premultiplied);
  picture_.setDevicePixelRatio(ratio);
  picture_.fill(Qt::transparent);
  QPainter painter(&picture_);
  if (shadowDepth > 0) {
    if (stack.height() == images.CardSize().height()) {
      painter.drawImage(QPoint(stack.width(), shadowDepth - 2), images.Shadow(1));
      painter.drawImage(QPoint(shadowDepth - 1, stack.height()), images.Shadow(2));
    } else {
      fnDottedShadow(painter, stack, shadowDepth);
    }
  }
  painter.drawImage(QPoint(0, 0), cards);
  return before + Area();
}

QRegion TMovingPicture::Hide() {
  if (!Visible()) return {};
  const QRegion left(Area());
  picture_ = QImage();
  cards_ = QImage();
  return left;
}

QRegion TMovingPicture::MoveTo(QPoint at) {
  if (!Visible() || at == at_) return {};
  const QRegion left(Area());
  at_ = at;
  return left + Area();
}

void TMovingPicture::Paint(QPainter& painter) const {
  if (Visible()) painter.drawImage(at_, picture_);
}

}  // namespace tablerun
