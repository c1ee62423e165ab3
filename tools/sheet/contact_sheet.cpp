#include "contact_sheet.h"

#include <QPainter>
#include <algorithm>

namespace tablerun::sheet {

void TContactSheet::NewRow() {
  if (rowHeight_ > 0) next_ = {kMargin, next_.y() + rowHeight_ + kGap};
  rowHeight_ = 0;
}

void TContactSheet::Caption(const QString& text) {
  NewRow();
  next_.ry() += kGap;
  items_.push_back({next_, {}, text});
  next_.ry() += kCaptionHeight;
}

void TContactSheet::Add(const QImage& picture, const QString& label) {
  // A label wider than a miniature keeps its neighbours apart.
  const int width = label.isEmpty() ? picture.width() : std::max(picture.width(), kLabelWidth);
  items_.push_back({next_ + QPoint((width - picture.width()) / 2, 0), picture, label});
  next_.rx() += width + kGap;
  width_ = std::max(width_, next_.x());
  rowHeight_ = std::max(rowHeight_, picture.height() + (label.isEmpty() ? 0 : kLabelHeight));
}

QImage TContactSheet::Render() const {
  QImage sheet(width_ + kMargin, next_.y() + rowHeight_ + kMargin, QImage::Format_RGB32);
  // The default table's green, so that edges and corners show as in play.
  sheet.fill(QColor(0, 128, 0));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(Qt::white);
  QFont font = painter.font();
  for (const TItem& item : items_) {
    if (item.picture.isNull()) {
      font.setPixelSize(16);
      font.setBold(true);
      painter.setFont(font);
      painter.drawText(QRect(item.at, QSize(width_, kCaptionHeight)), Qt::AlignLeft | Qt::AlignVCenter, item.text);
      continue;
    }
    painter.drawImage(item.at, item.picture);
    font.setPixelSize(11);
    font.setBold(false);
    painter.setFont(font);
    const int middle = item.at.x() + item.picture.width() / 2;
    const QRect label(middle - kLabelWidth, item.at.y() + item.picture.height(), 2 * kLabelWidth, kLabelHeight);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignVCenter, item.text);
  }
  return sheet;
}

}  // namespace tablerun::sheet
