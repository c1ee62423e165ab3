// A picture over the table that follows the pointer or flies to a pile: the
// moving cards, with their shadow while they are held. Only the place it left
// and the place it takes need repainting.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

namespace tablerun {

class TCardImages;

class TMovingPicture {
 public:
  // `cards` at `at`; a shadow `shadowDepth` pixels deep (0 for none).
  QRegion Show(const QImage& cards, QPoint at, int shadowDepth, const TCardImages& images);
  QRegion Hide();
  // Nothing to repaint when it is already there.
  QRegion MoveTo(QPoint at);

  bool Visible() const { return !picture_.isNull(); }
  QPoint Place() const { return at_; }
  const QImage& Cards() const { return cards_; }
  void Paint(QPainter& painter) const;

 private:
  QRect Area() const { return QRect(at_, picture_.deviceIndependentSize().toSize()); }

  QImage cards_;
  QImage picture_;  // the cards with their shadow
  QPoint at_;
};

}  // namespace tablerun
